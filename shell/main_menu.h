#pragma once

// The menus of the main window: every item with its component name, caption, shortcut, hidden
// state and what its command needs before it runs. One table; the window builds its menu bar
// from it and commands are registered against its MenuCommand values.

#include "shell/command_guard.h"

#include <optional>
#include <span>
#include <string_view>

namespace shell {

enum class MenuCommand {
    FileCopy,
    FileMove,
    FileDelete,
    FileRename,
    Html,
    CsvOut,
    Prezen,
    Exit,
    FileDelete2,
    CopyExif,
    DeleteExif,
    AddExif,
    AddThumb,
    RotateRight,
    RotateLeft,
    AutoRotate,
    EditTitle,
    EditComment,
    UpdateDate,
    SelectAll,
    RevSelect,
    DispThumb,
    DispList,
    Refresh,
    Preview,
    Exec,
    Slide,
    Setup,
    Contents,
    About,
};

struct MenuItem {
    std::string_view component; // the item's name, "mnFileCopy"
    std::string_view caption;   // UTF-8; "&" marks the access key
    std::string_view shortcut;  // in QKeySequence's portable text ("Shift+Del"); "" for none
    std::optional<MenuCommand> command; // none for the recent-folder items, which do nothing
    GuardNeed need = GuardNeed::Nothing;
    bool hidden = false;
    bool viewMode = false;        // one of the two radio items of the view mode
    bool separatorBefore = false; // a separator line above the item
};

struct Menu {
    std::string_view caption; // UTF-8
    std::span<const MenuItem> items;
};

// The menus of the menu bar in order.
[[nodiscard]] std::span<const Menu> MainMenus();

// The item of a command; every command has exactly one.
[[nodiscard]] const MenuItem& MenuItemOf(MenuCommand command);

} // namespace shell
