#pragma once

// Steps 5, 6 and 10 of the uninstall: the shortcuts and the folders they leave empty, the
// folders of [DeleteFolder] from the last made to the first, and the install folder itself.

#include "setup/uninstall_run.h"

#include <string_view>

namespace setup {

// Deletes each shortcut, then its folder when that is empty and no folder of the shell.
void RemoveShortcuts(UninstallRun& run);

// Folders inside the install folder lose the files of the pattern list first; others are
// removed only when empty.
void RemoveFolders(UninstallRun& run);

// Whether the install folder stays whatever the options say: it is the temporary, Windows,
// System or Program Files folder, or a drive root.
[[nodiscard]] bool KeepsInstallFolder(const PathMacros& macros);

// Deletes the install folder: everything in it in delete-all mode, else the pattern list.
void RemoveInstallFolder(UninstallRun& run);

} // namespace setup
