#include "exif/user_comment.h"

#include "platform/codepage.h"

#include <algorithm>

namespace exif {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kAsciiCode = "ASCII\0\0\0"sv;
constexpr std::string_view kUndefinedCode = "\0\0\0\0\0\0\0\0"sv;
constexpr std::string_view kJisCode = "JIS\0\0\0\0\0"sv;
constexpr std::string_view kUnicodeCode = "UNICODE\0"sv;

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string UpToZero(std::span<const std::uint8_t> bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), 0);
    return std::string(bytes.begin(), end);
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UCS-2 up to its first zero character, as CP932. Surrogates are not characters of UCS-2 and
// become the replacement of the conversion.
std::string Ucs2Text(std::span<const std::uint8_t> bytes, bool bigEndian) {
    std::string utf8;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t code = bigEndian ? (bytes[i] << 8 | bytes[i + 1])
                                             : (bytes[i + 1] << 8 | bytes[i]);
        if (code == 0) {
            break;
        }
        AppendUtf8(utf8, code >= 0xD800 && code < 0xE000 ? '?' : code);
    }
    return platform::Utf8ToCp932(utf8);
}

} // namespace

std::string EncodeUserComment(std::string_view cp932) {
    std::string value(IsAscii(cp932) ? kAsciiCode : kUndefinedCode);
    value += cp932;
    return value;
}

std::string DecodeUserComment(std::span<const std::uint8_t> value, bool bigEndian) {
    if (value.size() < kUserCommentCodeSize) {
        return UpToZero(value);
    }
    const std::string_view code(reinterpret_cast<const char*>(value.data()),
                                kUserCommentCodeSize);
    const auto text = value.subspan(kUserCommentCodeSize);
    if (code == kUnicodeCode) {
        return Ucs2Text(text, bigEndian);
    }
    if (code == kAsciiCode || code == kUndefinedCode || code == kJisCode) {
        return UpToZero(text);
    }
    return UpToZero(value);
}

std::optional<std::string> ReadUserComment(const ExifBlock& block) {
    const auto entry = FindEntry(block, TagDictionary::Standard, "UserComment");
    if (!entry) {
        return std::nullopt;
    }
    if (entry->count <= 4) { // inside the entry: too short for a code
        const auto value = EntryValue(block, *entry, ValuePart::Second);
        return value ? std::optional(TagValueText(*value)) : std::nullopt;
    }
    // As long a text as the other readers give, whatever the code's width of a character.
    const std::uint64_t length =
        std::min<std::uint64_t>(entry->count, kUserCommentCodeSize + 2 * kMaxValueText);
    const auto bytes = block.View().Bytes(entry->value, length);
    if (!bytes) {
        return std::nullopt;
    }
    const bool bigEndian = !block.Bytes().empty() && block.Bytes()[0] == 'M';
    std::string text = DecodeUserComment(*bytes, bigEndian);
    if (text.size() > kMaxValueText) {
        text.resize(kMaxValueText);
    }
    return text;
}

} // namespace exif
