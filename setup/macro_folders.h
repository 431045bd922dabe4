#pragma once

// The folders the path macros stand for, as the machine gives them.

#include "setup/path_macros.h"

#include <string_view>

namespace setup {

// Every macro but (App) and (Set), which wait for the install folder. The all-users folders are
// asked for only on NT; elsewhere they are the current user's.
[[nodiscard]] PathMacros ResolvePathMacros(std::string_view programFolder);

} // namespace setup
