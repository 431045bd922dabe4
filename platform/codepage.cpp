#include "platform/codepage.h"

#include "platform/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {
namespace {

// kSingleByteCharacters, kDoubleByteCharacters (a row per lead byte, a column per byte from
// kFirstTrailColumn) and kEncodings, made from the C library's converter at build time.
#include "platform/cp932_tables.inc"

constexpr std::uint16_t kNoCharacter = 0xFFFF;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// A character of the tables, or U+FFFD where they have none.
void AppendDecoded(std::string& text, std::uint16_t code) {
    if (code == kNoCharacter) {
        text.append(kReplacement);
    } else {
        AppendUtf8(text, code);
    }
}

std::uint16_t DoubleByteCharacter(unsigned char lead, unsigned char trail) {
    const unsigned row = lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + (0x9Fu - 0x81u + 1);
    return kDoubleByteCharacters[row * kTrailColumns + (trail - kFirstTrailColumn)];
}

struct Utf8Character {
    std::uint32_t code;
    std::size_t length;
};

// The well-formed character at the start of `rest`: no overlong form, no surrogate, nothing
// beyond U+10FFFF. None for anything else.
std::optional<Utf8Character> DecodeUtf8(std::string_view rest) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t code = 0;
    unsigned char low = 0x80; // bounds of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return std::nullopt;
    }
    if (rest.size() < length || byte(1) < low || byte(1) > high) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = code << 6 | (byte(i) & 0x3Fu);
    }
    return Utf8Character{code, length};
}

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

void AppendCp932(std::string& text, std::uint32_t code) {
    const std::uint64_t key = std::uint64_t{code} << 16;
    const auto found = std::lower_bound(kEncodings.begin(), kEncodings.end(), key);
    if (found == kEncodings.end() || *found >> 16 != code) {
        text += '?';
        return;
    }
    const auto bytes = static_cast<std::uint32_t>(*found & 0xFFFF); // 0: the character is dropped
    if (bytes == 0) {
        return;
    }
    if (bytes > 0xFF) {
        text += static_cast<char>(bytes >> 8);
    }
    text += static_cast<char>(bytes & 0xFF);
}

} // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string utf8;
    utf8.reserve(cp932.size() * 3 / 2 + 4);
    for (std::size_t i = 0; i < cp932.size();) {
        const auto byte = static_cast<unsigned char>(cp932[i]);
        if (!IsCp932LeadByte(byte)) {
            AppendDecoded(utf8, kSingleByteCharacters[byte]);
            ++i;
            continue;
        }
        // A lead byte swallows the next byte only when that byte can be a trail byte, so a
        // broken pair never eats the line end behind it.
        const bool paired =
            i + 1 < cp932.size() && IsCp932TrailByte(static_cast<unsigned char>(cp932[i + 1]));
        AppendDecoded(utf8,
                      paired ? DoubleByteCharacter(byte, static_cast<unsigned char>(cp932[i + 1]))
                             : kNoCharacter);
        i += paired ? 2 : 1;
    }
    return utf8;
}

std::string Utf8ToCp932(std::string_view utf8) {
    std::string cp932;
    cp932.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            cp932 += static_cast<char>(byte);
            ++i;
        } else if (const auto character = DecodeUtf8(utf8.substr(i))) {
            AppendCp932(cp932, character->code);
            i += character->length;
        } else {
            cp932 += '?';
            i += Utf8SequenceLength(utf8.substr(i));
        }
    }
    return cp932;
}

std::string ForeignTextToCp932(std::string_view text) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const auto character = DecodeUtf8(text.substr(i));
        if (!character) {
            return std::string(text);
        }
        beyondAscii = true;
        i += character->length;
    }
    return beyondAscii ? Utf8ToCp932(text) : std::string(text);
}

std::string PathToCp932(const std::filesystem::path& path) {
    return Utf8ToCp932(path.native());
}

std::filesystem::path Cp932ToPath(std::string_view cp932) {
    return std::filesystem::path(Cp932ToUtf8(cp932));
}

} // namespace platform
