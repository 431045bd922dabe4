#pragma once

// The folders of the machine that programs ask the platform for, in Windows spelling (CP932
// text): the Windows folder, the System folder, the temporary folder and the Program Files
// folder; and which platform the machine plays. Folders on C: are created on first use.

#include "platform/result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The platform identifiers of the version query.
enum class PlatformId : std::uint32_t { Windows = 1, WindowsNt = 2 };

// "9x" in this variable makes the machine a Windows (non-NT) one; unset or anything else, NT.
inline constexpr std::string_view kPlatformVariable = "LUMARO_PLATFORM";

[[nodiscard]] PlatformId CurrentPlatform();

// "C:\WINDOWS", without a trailing "\" as the platform gives it.
[[nodiscard]] Result<std::string> WindowsFolder();

// "C:\WINDOWS\SYSTEM32" on NT, "C:\WINDOWS\SYSTEM" otherwise; no trailing "\".
[[nodiscard]] Result<std::string> SystemFolder();

// The host's temporary folder on Z:, with a trailing "\" as the platform gives it.
[[nodiscard]] Result<std::string> TemporaryFolder();

// The string value ProgramFilesDir of HKEY_LOCAL_MACHINE
// "SOFTWARE\Microsoft\Windows\CurrentVersion"; when it is absent or empty, "C:\Program Files",
// which is then created.
[[nodiscard]] Result<std::string> ProgramFilesFolder();

} // namespace platform
