#pragma once

// The installer's text primitives over CP932 bytes. Every token search steps over double-byte
// characters, so "\", "|" or "," are never found inside one (0x5C and 0x7C are valid second
// bytes, as in "ソ" and "ポ").

#include "platform/system_errors.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace setup {

inline constexpr std::string_view kCrLf = "\r\n";

// The text with its letters in upper case as the platform's locale maps them: ASCII letters and
// the full-width Latin, Greek and Cyrillic letters of CP932. Byte lengths never change.
[[nodiscard]] std::string UpperCp932(std::string_view text);

// Both texts compared after UpperCp932.
[[nodiscard]] bool EqualNoCaseCp932(std::string_view a, std::string_view b);

// 1-based byte position of the first place where sub stands in s, letters compared after
// UpperCp932 and s walked character by character; 0 when there is none (or sub is empty).
[[nodiscard]] std::size_t PosNoCase(std::string_view sub, std::string_view s);

// Byte index of the first one-byte character c in text, never a second byte; npos when absent.
[[nodiscard]] std::size_t FindByte(std::string_view text, char c);

// Byte index of the last character c in text that is not a second byte; npos when absent.
[[nodiscard]] std::size_t FindLastByte(std::string_view text, char c);

// The n-th field (from 1) of s split at the one-byte delimiter; empty when there is none.
[[nodiscard]] std::string GetField(std::string_view s, char delimiter, int n);

// The text before and after the first delimiter; without one, all of it and nothing.
struct SplitText {
    std::string before;
    std::string after;
    bool found = false;
};
[[nodiscard]] SplitText SplitAtFirst(std::string_view s, char delimiter);

// Which end of a path a delimiter helper works on: "T" the start, "B" the end.
enum class PathSide { Top, Bottom };

// Adds "\" at that end unless the first (last) character is one; an empty path becomes "\".
[[nodiscard]] std::string AddPathDelimiter(std::string_view path, PathSide side);
// Removes one "\" from that end when there is one.
[[nodiscard]] std::string RemovePathDelimiter(std::string_view path, PathSide side);
[[nodiscard]] bool EndsWithDelimiter(std::string_view path);
[[nodiscard]] bool StartsWithDelimiter(std::string_view path);

// The name after the last "\" or ":" of a Windows path, and the folder part before it with its
// "\" ("C:\A\b.txt" gives "b.txt" and "C:\A\").
[[nodiscard]] std::string FileNamePart(std::string_view path);
[[nodiscard]] std::string FolderPart(std::string_view path);

// The path with its extension (from the last "." of the name) replaced.
[[nodiscard]] std::string ChangeFileExtension(std::string_view path, std::string_view extension);

// Empty for 0; otherwise the platform's message for the code in full-width characters, followed
// by CR LF.
[[nodiscard]] std::string SystemErrorText(platform::SystemError code);

// Full-width forms of the ASCII characters (the blank becomes an ideographic space) and of the
// half-width katakana, as the platform's full-width mapping gives them.
[[nodiscard]] std::string FullWidthCp932(std::string_view text);

} // namespace setup
