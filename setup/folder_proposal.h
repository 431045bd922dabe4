#pragma once

// The install folder proposed in the folder box: the script's default, overridden in turn by the
// folder memory, a registry value and an INI value when they give one.

#include "setup/path_macros.h"
#include "setup/script.h"

#include <string>

namespace setup {

// Macro-expanded, with a trailing "\".
[[nodiscard]] std::string ProposeInstallFolder(const SetupScript& script, const PathMacros& macros);

} // namespace setup
