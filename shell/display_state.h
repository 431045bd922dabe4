#pragma once

// The main window's state in section Display: panel sizes, view mode and current folder, read
// when the window is created and written when it is destroyed at exit.

#include "platform/result.h"
#include "shell/settings_store.h"

#include <filesystem>

namespace shell {

struct DisplayState {
    int leftWidth = 145;          // LeftW: the left panel (folder tree above detail pane)
    int folderHeight = 192;       // FolderH: the folder-tree panel
    bool listView = false;        // List: "リスト表示" is chosen
    bool thumbnailView = true;    // Thumb: "サムネイル表示" is chosen
    std::filesystem::path folder; // CurDirectory: the current folder, empty for none
    bool operator==(const DisplayState&) const = default;
};

// The folder is stored as CP932 text of the host path.
[[nodiscard]] DisplayState ReadDisplayState(const SettingsStore& store);
// Writes every value, even after one has failed; the first failure is returned.
[[nodiscard]] platform::Status WriteDisplayState(SettingsStore& store, const DisplayState& state);

} // namespace shell
