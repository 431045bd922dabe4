#pragma once

// The machine folder: one per-user folder that stands in for the Windows machine. It holds the
// registry database and, as drive C:, the folder drive_c/.

#include "platform/result.h"

#include <filesystem>
#include <string_view>

namespace platform {

// Environment variable that moves the machine folder elsewhere (tests point it at a sandbox).
inline constexpr std::string_view kMachineFolderVariable = "LUMARO_MACHINE_DIR";

// Where the machine folder is: $LUMARO_MACHINE_DIR when set, else $XDG_DATA_HOME/lumaro, else
// ~/.local/share/lumaro. Nothing is created. Fails only when no home folder can be found.
[[nodiscard]] Result<std::filesystem::path> MachineFolderPath();

// The machine folder, created with its parents on first use.
[[nodiscard]] Result<std::filesystem::path> MachineFolder();

} // namespace platform
