#pragma once

// Case changes and case-blind comparison of CP932 text. Only single-byte ASCII letters change:
// the trail byte of a double-byte character can fall in 'A'..'Z' or 'a'..'z' and is left alone.

#include <string>
#include <string_view>

namespace exif {

[[nodiscard]] std::string Cp932ToLower(std::string_view text);
[[nodiscard]] std::string Cp932ToUpper(std::string_view text);

// True when text begins with prefix, single-byte letters compared without case, as the
// platform's file search matches names.
[[nodiscard]] bool Cp932StartsWithNoCase(std::string_view text, std::string_view prefix);

} // namespace exif
