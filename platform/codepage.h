#pragma once

// The system code page of the design is CP932 (Shift-JIS as Windows writes it). Engine text is
// CP932 bytes in std::string; paths and windows use UTF-8. These are the only conversions.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Bytes CP932 cannot decode become U+FFFD, so damaged text stays visible instead of vanishing.
[[nodiscard]] std::string Cp932ToUtf8(std::string_view cp932);

// Characters CP932 cannot hold (and malformed UTF-8) become "?", as the platform's own
// conversion does.
[[nodiscard]] std::string Utf8ToCp932(std::string_view utf8);

// Text that another program may have written in UTF-8, as most do today (the EXIF text tags
// of phones and editors): bytes that are valid UTF-8 with a character beyond ASCII are
// converted as Utf8ToCp932 does; anything else is taken for CP932 already. Japanese CP932 text
// is practically never valid UTF-8 as well.
[[nodiscard]] std::string ForeignTextToCp932(std::string_view text);

// A path's file-system spelling as CP932 text, and CP932 text as a path.
[[nodiscard]] std::string PathToCp932(const std::filesystem::path& path);
[[nodiscard]] std::filesystem::path Cp932ToPath(std::string_view cp932);

// First byte of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
[[nodiscard]] constexpr bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Second byte of a double-byte character: 0x40-0x7E and 0x80-0xFC.
[[nodiscard]] constexpr bool IsCp932TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Byte length of the character starting at pos: 2 for a lead byte followed by another byte,
// otherwise 1 (a lead byte at the very end counts as one byte). pos must be below text.size().
[[nodiscard]] constexpr std::size_t Cp932CharLength(std::string_view text, std::size_t pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    return IsCp932LeadByte(byte) && pos + 1 < text.size() ? 2 : 1;
}

// Bytes of the text's start that fit in `room` bytes without splitting a double-byte character.
[[nodiscard]] constexpr std::size_t Cp932FittedLength(std::string_view text, std::size_t room) {
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t next = length + Cp932CharLength(text, length);
        if (next > room) {
            break;
        }
        length = next;
    }
    return length;
}

} // namespace platform
