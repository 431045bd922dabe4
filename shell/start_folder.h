#pragma once

// The folder the main window opens on its first showing: the folder of the last exit, or the
// home folder, as the settings choose.

#include <filesystem>

namespace shell {

// The folder to select: `lastFolder` (Display CurDirectory) when the setting "start in the
// folder of the last exit" is on, else `homeFolder` (Setup PreFolderPath).
[[nodiscard]] std::filesystem::path StartFolder(bool startInLastFolder,
                                                const std::filesystem::path& lastFolder,
                                                const std::filesystem::path& homeFolder);

// The folder as the folder tree can select it: absolute and without "." and ".." steps or a
// trailing separator; empty when it is empty, not absolute, or not an existing folder, so that
// the list stays empty until the user picks one.
[[nodiscard]] std::filesystem::path SelectableFolder(const std::filesystem::path& folder);

} // namespace shell
