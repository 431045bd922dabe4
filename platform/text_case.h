#pragma once

// Case-insensitive comparison of CP932 text as the platform does it for names: ASCII letters
// only, and never the second byte of a double-byte character (0x61-0x7A are valid trail bytes).

#include "platform/codepage.h"

#include <string>
#include <string_view>

namespace platform {

// The text with its ASCII letters in upper case; double-byte characters pass unchanged.
[[nodiscard]] inline std::string UpperAscii(std::string_view cp932) {
    std::string folded(cp932);
    for (std::size_t pos = 0; pos < folded.size();) {
        const std::size_t length = Cp932CharLength(folded, pos);
        if (length == 1 && folded[pos] >= 'a' && folded[pos] <= 'z') {
            folded[pos] = static_cast<char>(folded[pos] - 'a' + 'A');
        }
        pos += length;
    }
    return folded;
}

[[nodiscard]] inline bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

} // namespace platform
