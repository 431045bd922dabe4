#pragma once

// The C library's own CP932 converter, one short text at a time: the source the code page tables
// are read from at build time, and the oracle the tests hold the tables against.

#include <cstddef>
#include <iconv.h>
#include <optional>
#include <string>

namespace platform {

class ReferenceConverter {
public:
    ReferenceConverter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~ReferenceConverter() {
        if (Usable()) {
            iconv_close(handle_);
        }
    }
    ReferenceConverter(const ReferenceConverter&) = delete;
    ReferenceConverter& operator=(const ReferenceConverter&) = delete;

    // False when the C library has no such converter.
    [[nodiscard]] bool Usable() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // The whole input (a few characters) converted, or none when any of it cannot be.
    [[nodiscard]] std::optional<std::string> Convert(const std::string& input) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        auto* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        return std::string(buffer, static_cast<std::size_t>(out - buffer));
    }

private:
    iconv_t handle_;
};

} // namespace platform
