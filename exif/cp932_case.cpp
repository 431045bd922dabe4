#include "exif/cp932_case.h"

#include "platform/codepage.h"

namespace exif {
namespace {

// Applies `change` to every single-byte character, stepping over double-byte characters whole.
template <typename Change> std::string ChangeSingleBytes(std::string_view text, Change change) {
    std::string result(text);
    for (std::size_t pos = 0; pos < result.size();) {
        const std::size_t length = platform::Cp932CharLength(result, pos);
        if (length == 1) {
            result[pos] = change(result[pos]);
        }
        pos += length;
    }
    return result;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string Cp932ToLower(std::string_view text) {
    return ChangeSingleBytes(text, AsciiLower);
}

std::string Cp932ToUpper(std::string_view text) {
    return ChangeSingleBytes(text, AsciiUpper);
}

bool Cp932StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    // Walked from the first byte of both, so a trail byte is never folded or compared against a
    // single-byte letter.
    for (std::size_t pos = 0; pos < prefix.size();) {
        const std::size_t length = platform::Cp932CharLength(text, pos);
        if (length == 1 ? AsciiUpper(text[pos]) != AsciiUpper(prefix[pos])
                        : text.compare(pos, 2, prefix.substr(pos, 2)) != 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

} // namespace exif
