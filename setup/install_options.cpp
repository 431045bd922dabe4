#include "setup/install_options.h"

#include "setup/text_primitives.h"

namespace setup {

ShortcutPlace PlaceOfShortcut(std::string_view link) {
    if (PosNoCase("Dsk)", link) != 0) {
        return ShortcutPlace::Desktop;
    }
    if (PosNoCase("Sta)", link) != 0 || link == kDefaultShortcutName) {
        return ShortcutPlace::StartMenu;
    }
    if (PosNoCase("Sup)", link) != 0) {
        return ShortcutPlace::Startup;
    }
    if (PosNoCase("Sen)", link) != 0) {
        return ShortcutPlace::SendTo;
    }
    return ShortcutPlace::Anywhere;
}

bool ShortcutSelected(std::string_view link, const InstallOptions& options) {
    switch (PlaceOfShortcut(link)) {
    case ShortcutPlace::Desktop:
        return options.desktop;
    case ShortcutPlace::StartMenu:
        return options.startMenu;
    case ShortcutPlace::Startup:
        return options.startup;
    case ShortcutPlace::SendTo:
        return options.sendTo;
    case ShortcutPlace::Anywhere:
        return true;
    }
    return true;
}

InstallOptions DefaultInstallOptions(const SetupScript& script) {
    InstallOptions options;
    for (const ShortcutEntry& shortcut : script.shortcuts) {
        switch (PlaceOfShortcut(shortcut.link)) {
        case ShortcutPlace::Desktop:
            options.desktop = true;
            break;
        case ShortcutPlace::StartMenu:
            options.startMenu = true;
            break;
        case ShortcutPlace::Startup:
            options.startup = true;
            break;
        case ShortcutPlace::SendTo:
            options.sendTo = true;
            break;
        case ShortcutPlace::Anywhere:
            break;
        }
    }
    return options;
}

} // namespace setup
