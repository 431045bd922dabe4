#pragma once

// The machine's drives. Windows spellings of paths ("C:\WINDOWS\SYSTEM") name host paths: C: is
// the folder drive_c of the machine folder and Z: is the host's root, so every host path has a
// Windows spelling too. Windows spellings are CP932 text with "\" between names; the
// installer keeps them as text and maps them only where it touches a file.

#include "platform/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// The host folder of drive C:, created on first use.
[[nodiscard]] Result<std::filesystem::path> DriveCFolder();

// The host path of a Windows path with a drive letter ("C:\..." or "Z:\..."; "/" also separates
// names). Names are matched without regard to ASCII letter case against what exists, as on the
// platform; names that exist in no letter case are kept as written. "." and ".." are resolved
// and never lead above the drive's root. Other drives and paths without a drive fail.
[[nodiscard]] Result<std::filesystem::path> HostPath(std::string_view windowsPath);

// The Windows spelling of a host path: under drive_c it is on C:, anything else on Z:. A
// trailing "/" becomes a trailing "\". Relative paths are taken from the current folder.
[[nodiscard]] Result<std::string> WindowsPath(const std::filesystem::path& hostPath);

// Creates the folder a Windows path names, with every missing folder above it.
[[nodiscard]] Status CreateWindowsFolder(std::string_view windowsPath);

} // namespace platform
