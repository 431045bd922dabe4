#pragma once

// The shell's special folders that programs place shortcuts in, as fixed folders under
// C:\WINDOWS, in Windows spelling without a trailing "\", created on first use.

#include "platform/result.h"

#include <string>

namespace platform {

// The platform's numbers for them.
enum class SpecialFolder {
    Programs = 2,                // C:\WINDOWS\Start Menu\Programs
    Startup = 7,                 // C:\WINDOWS\Start Menu\Programs\StartUp
    SendTo = 9,                  // C:\WINDOWS\SendTo
    StartMenu = 11,              // C:\WINDOWS\Start Menu
    DesktopDirectory = 16,       // C:\WINDOWS\Desktop
    CommonStartMenu = 22,        // C:\WINDOWS\All Users\Start Menu
    CommonPrograms = 23,         // C:\WINDOWS\All Users\Start Menu\Programs
    CommonStartup = 24,          // C:\WINDOWS\All Users\Start Menu\Programs\StartUp
    CommonDesktopDirectory = 25, // C:\WINDOWS\All Users\Desktop
};

// The folder; the all-users folders (22 to 25) exist only on NT and fail elsewhere, as they do
// on the platform.
[[nodiscard]] Result<std::string> SpecialFolderPath(SpecialFolder folder);

} // namespace platform
