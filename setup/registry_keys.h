#pragma once

// Registry keys as the script names them: an optional 7-character root token ("(Cuser)",
// "(Class)", "(Local)", "(Users)") followed by the key path.

#include "platform/registry.h"

#include <string>
#include <string_view>

namespace setup {

inline constexpr std::size_t kRootTokenLength = 7;

struct RootedKey {
    platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
    std::string path; // without "\" at either end
};

// The root a token selects; anything but "(Class)", "(Local)" and "(Users)" is the current user.
[[nodiscard]] platform::RegistryRoot RootOfToken(std::string_view token);

// The installer's reading: the first 7 characters are the root token when the first is "(" or
// the seventh is ")"; otherwise the whole text is a key of the current user.
[[nodiscard]] RootedKey ParseRootedKey(std::string_view text);

// The uninstaller's stricter reading: the first 7 characters are the root token only when the
// first is "(" and the seventh is ")"; otherwise the whole text is a key of the current user.
[[nodiscard]] RootedKey ParseUninstallRootedKey(std::string_view text);

// The path without "\" at either end.
[[nodiscard]] std::string TrimKeyPath(std::string_view path);

} // namespace setup
