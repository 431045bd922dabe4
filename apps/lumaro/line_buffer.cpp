#include "apps/lumaro/line_buffer.h"

#include <cstring>

namespace lumaro {

LineBuffer::~LineBuffer() {
    sync();
}

LineBuffer::int_type LineBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    held_ += traits_type::to_char_type(c);
    return held_.back() != '\n' || PassLines() ? c : traits_type::eof();
}

std::streamsize LineBuffer::xsputn(const char* text, std::streamsize count) {
    const auto size = static_cast<std::size_t>(count);
    held_.append(text, size);
    // Most pieces are parts of a line: only one that ends a line is worth looking back over.
    const bool endsALine = std::memchr(text, '\n', size) != nullptr;
    return !endsALine || PassLines() ? count : 0;
}

int LineBuffer::sync() {
    const auto size = static_cast<std::streamsize>(held_.size());
    const bool passed = target_.sputn(held_.data(), size) == size;
    held_.clear();
    return passed && target_.pubsync() == 0 ? 0 : -1;
}

bool LineBuffer::PassLines() {
    const std::size_t end = held_.rfind('\n');
    if (end == std::string::npos) {
        return true;
    }
    const auto size = static_cast<std::streamsize>(end + 1);
    const bool passed = target_.sputn(held_.data(), size) == size;
    held_.erase(0, end + 1);
    return passed;
}

} // namespace lumaro
