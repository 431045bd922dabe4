#pragma once

// Registry key paths and names: CP932 text, compared without regard to case as the platform
// compares them.

#include "platform/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The platform's limit on one key name, in bytes.
inline constexpr std::size_t kMaxKeyNameLength = 255;
// The platform's limit on a value name, in bytes.
inline constexpr std::size_t kMaxValueNameLength = 16383;

// The form two names are compared in: letters in upper case, single-byte ones and the
// double-byte Latin, Greek and Cyrillic ones of CP932. The trail byte of a double-byte character
// is never touched, so "ヂ" (83 61) does not become "ア" (83 41).
[[nodiscard]] std::string FoldRegistryName(std::string_view name);

// The names of a key path "Software\Hestrom\LumaroUty"; an empty path is the root itself. A
// backslash inside a double-byte character ("表" is 95 5C) separates nothing. Empty names
// (a leading, doubled or trailing backslash) and names longer than kMaxKeyNameLength fail.
[[nodiscard]] Result<std::vector<std::string>> SplitKeyPath(std::string_view path);

} // namespace platform
