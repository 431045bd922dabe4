#include "setup/text_primitives.h"

#include "platform/codepage.h"
#include "platform/utf8.h"

namespace setup {
namespace {

using platform::AppendUtf8;
using platform::Cp932CharLength;

constexpr std::size_t kNone = std::string_view::npos;

// The upper-case second byte of a double-byte letter, or the byte itself: full-width Latin
// (0x8281-0x829A), Greek (0x83BF-0x83D6) and Cyrillic (0x8470-0x8491, no 0x847F).
unsigned char UpperTrailByte(unsigned char lead, unsigned char trail) {
    if (lead == 0x82 && trail >= 0x81 && trail <= 0x9A) {
        return static_cast<unsigned char>(trail - 0x21);
    }
    if (lead == 0x83 && trail >= 0xBF && trail <= 0xD6) {
        return static_cast<unsigned char>(trail - 0x20);
    }
    if (lead == 0x84 && trail >= 0x70 && trail <= 0x7E) {
        return static_cast<unsigned char>(trail - 0x30);
    }
    if (lead == 0x84 && trail >= 0x80 && trail <= 0x91) {
        return static_cast<unsigned char>(trail - 0x31);
    }
    return trail;
}

// Full-width forms of U+FF61 to U+FF9F, each three bytes of UTF-8.
constexpr std::string_view kFullWidthKatakana =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    "ハヒフヘホマミムメモヤユヨラリルレロワン゛゜";

// The UTF-8 text with its half-width characters widened; other characters pass as they are.
std::string WidenUtf8(std::string_view utf8) {
    std::string wide;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte == ' ') {
            AppendUtf8(wide, 0x3000);
            ++pos;
        } else if (byte > ' ' && byte < 0x7F) {
            AppendUtf8(wide, 0xFF01 + (byte - 0x21));
            ++pos;
        } else if (byte == 0xEF && pos + 2 < utf8.size()) {
            const char32_t code = 0xF000 | ((utf8[pos + 1] & 0x3F) << 6) | (utf8[pos + 2] & 0x3F);
            if (code >= 0xFF61 && code <= 0xFF9F) {
                wide += kFullWidthKatakana.substr((code - 0xFF61) * 3, 3);
            } else {
                wide += utf8.substr(pos, 3);
            }
            pos += 3;
        } else {
            wide += static_cast<char>(byte);
            ++pos;
        }
    }
    return wide;
}

// Index just after the last "\" or ":" of the path; 0 when it has neither.
std::size_t NameStart(std::string_view path) {
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < path.size(); pos += Cp932CharLength(path, pos)) {
        if (path[pos] == '\\' || path[pos] == ':') {
            start = pos + 1;
        }
    }
    return start;
}

} // namespace

std::string UpperCp932(std::string_view text) {
    std::string upper(text);
    for (std::size_t pos = 0; pos < upper.size();) {
        const std::size_t length = Cp932CharLength(upper, pos);
        const auto first = static_cast<unsigned char>(upper[pos]);
        if (length == 1 && first >= 'a' && first <= 'z') {
            upper[pos] = static_cast<char>(first - 'a' + 'A');
        } else if (length == 2) {
            upper[pos + 1] = static_cast<char>(
                UpperTrailByte(first, static_cast<unsigned char>(upper[pos + 1])));
        }
        pos += length;
    }
    return upper;
}

bool EqualNoCaseCp932(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperCp932(a) == UpperCp932(b);
}

std::size_t PosNoCase(std::string_view sub, std::string_view s) {
    if (sub.empty() || sub.size() > s.size()) {
        return 0;
    }
    const std::string upperSub = UpperCp932(sub);
    const std::string upperS = UpperCp932(s);
    for (std::size_t pos = 0; pos + upperSub.size() <= upperS.size();
         pos += Cp932CharLength(upperS, pos)) {
        if (upperS.compare(pos, upperSub.size(), upperSub) == 0) {
            return pos + 1;
        }
    }
    return 0;
}

std::size_t FindByte(std::string_view text, char c) {
    for (std::size_t pos = 0; pos < text.size(); pos += Cp932CharLength(text, pos)) {
        if (text[pos] == c) {
            return pos;
        }
    }
    return kNone;
}

std::size_t FindLastByte(std::string_view text, char c) {
    std::size_t last = kNone;
    for (std::size_t pos = 0; pos < text.size(); pos += Cp932CharLength(text, pos)) {
        if (text[pos] == c) {
            last = pos;
        }
    }
    return last;
}

std::string GetField(std::string_view s, char delimiter, int n) {
    for (int field = 1; n >= 1; ++field) {
        const std::size_t end = FindByte(s, delimiter);
        if (field == n) {
            return std::string(s.substr(0, end));
        }
        if (end == kNone) {
            break;
        }
        s.remove_prefix(end + 1);
    }
    return {};
}

SplitText SplitAtFirst(std::string_view s, char delimiter) {
    const std::size_t at = FindByte(s, delimiter);
    if (at == kNone) {
        return {std::string(s), {}, false};
    }
    return {std::string(s.substr(0, at)), std::string(s.substr(at + 1)), true};
}

bool StartsWithDelimiter(std::string_view path) {
    return !path.empty() && path.front() == '\\';
}

bool EndsWithDelimiter(std::string_view path) {
    return !path.empty() && FindLastByte(path, '\\') == path.size() - 1;
}

std::string AddPathDelimiter(std::string_view path, PathSide side) {
    if (path.empty()) {
        return "\\";
    }
    if (side == PathSide::Top) {
        // Held first: g++ 12 takes "\\" + a temporary string for an overlapping copy.
        const std::string text(path);
        return StartsWithDelimiter(path) ? text : "\\" + text;
    }
    return EndsWithDelimiter(path) ? std::string(path) : std::string(path) + "\\";
}

std::string RemovePathDelimiter(std::string_view path, PathSide side) {
    if (side == PathSide::Top) {
        return std::string(StartsWithDelimiter(path) ? path.substr(1) : path);
    }
    return std::string(EndsWithDelimiter(path) ? path.substr(0, path.size() - 1) : path);
}

std::string FileNamePart(std::string_view path) {
    return std::string(path.substr(NameStart(path)));
}

std::string FolderPart(std::string_view path) {
    return std::string(path.substr(0, NameStart(path)));
}

std::string ChangeFileExtension(std::string_view path, std::string_view extension) {
    const std::size_t nameStart = NameStart(path);
    const std::size_t dot = FindLastByte(path.substr(nameStart), '.');
    const std::size_t stem = dot == kNone ? path.size() : nameStart + dot;
    return std::string(path.substr(0, stem)) + std::string(extension);
}

std::string FullWidthCp932(std::string_view text) {
    return platform::Utf8ToCp932(WidenUtf8(platform::Cp932ToUtf8(text)));
}

std::string SystemErrorText(platform::SystemError code) {
    if (code == platform::kErrorSuccess) {
        return {};
    }
    return FullWidthCp932(platform::SystemErrorMessage(code)) + std::string(kCrLf);
}

} // namespace setup
