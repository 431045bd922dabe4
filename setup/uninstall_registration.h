#pragma once

// The entry of an install in the platform's list of programs that can be removed.

#include "platform/result.h"

#include <string>
#include <string_view>

namespace setup {

// (Win) + "UNORSET.EXE", a blank and the log path in double quotes.
[[nodiscard]] std::string UninstallCommand(std::string_view windowsFolder,
                                           std::string_view logFile);

// Creates the key of HKEY_LOCAL_MACHINE with "DisplayName" and "UninstallString".
[[nodiscard]] platform::Status RegisterUninstall(std::string_view key, std::string_view displayName,
                                                 std::string_view uninstallCommand);

} // namespace setup
