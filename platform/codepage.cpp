#include "platform/codepage.h"

#include <cerrno>
#include <algorithm>
#include <iconv.h>
#include <stdexcept>

namespace platform {
namespace {

// One iconv descriptor per direction; iconv keeps no state between calls for these
// stateless encodings, but the descriptor is not safe to share between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts input, putting `replacement` for every byte sequence it cannot convert.
    // `skipOnError` tells how many input bytes a bad sequence consumes.
    template <typename SkipOnError>
    std::string Convert(std::string_view input, std::string_view replacement,
                        SkipOnError skipOnError) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string output;
        output.reserve(input.size() * 3 / 2 + 4);
        char buffer[1024];
        auto* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG) {
                continue;
            }
            // EILSEQ (invalid sequence) or EINVAL (sequence cut off at the end).
            output.append(replacement);
            const std::size_t skip =
                std::min(inLeft, skipOnError(std::string_view(in, inLeft)));
            in += skip;
            inLeft -= skip;
        }
        return output;
    }

private:
    iconv_t handle_;
};

// Length of the UTF-8 sequence a malformed position starts, so one bad character gives one "?".
std::size_t Utf8SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= rest.size() || (static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) {
            return i;
        }
    }
    return length;
}

} // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    thread_local Converter converter("UTF-8", "CP932");
    // A lead byte swallows the next byte only when that byte can be a trail byte, so a broken
    // pair never eats the line end behind it.
    return converter.Convert(cp932, "\xEF\xBF\xBD", [](std::string_view rest) -> std::size_t {
        const bool pair = rest.size() > 1 && IsCp932LeadByte(static_cast<unsigned char>(rest[0])) &&
                          IsCp932TrailByte(static_cast<unsigned char>(rest[1]));
        return pair ? 2 : 1;
    });
}

std::string Utf8ToCp932(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.Convert(utf8, "?", Utf8SequenceLength);
}

std::string PathToCp932(const std::filesystem::path& path) {
    return Utf8ToCp932(path.native());
}

std::filesystem::path Cp932ToPath(std::string_view cp932) {
    return std::filesystem::path(Cp932ToUtf8(cp932));
}

} // namespace platform
