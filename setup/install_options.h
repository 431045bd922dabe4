#pragma once

// The option boxes of the main window that the install reads: overwrite, and the four shortcut
// places; and which shortcuts they select.

#include "setup/script.h"

#include <string_view>

namespace setup {

struct InstallOptions {
    bool overwrite = true; // copy over an existing file only when the source is newer
    bool desktop = false;
    bool startMenu = false;
    bool startup = false;
    bool sendTo = false;
};

enum class ShortcutPlace { Desktop, StartMenu, Startup, SendTo, Anywhere };

// Which box a shortcut's link name follows: "Dsk)", then "Sta)" or exactly "Default", then
// "Sup)", then "Sen)" (any letter case); other names are always made.
[[nodiscard]] ShortcutPlace PlaceOfShortcut(std::string_view link);

[[nodiscard]] bool ShortcutSelected(std::string_view link, const InstallOptions& options);

// The boxes as the main window first shows them: overwrite on, and each shortcut box on when a
// shortcut of the script goes to its place (a shortcut without a name is "Default", which goes
// to the start menu).
[[nodiscard]] InstallOptions DefaultInstallOptions(const SetupScript& script);

} // namespace setup
