#pragma once

// The recycle bin as the freedesktop trash of the user: $XDG_DATA_HOME/Trash, whose files/
// folder holds the deleted files and whose info/ folder holds, for each, a NAME.trashinfo
// record of where it came from and when it was deleted. File managers list and restore them.

#include "platform/result.h"

#include <filesystem>

namespace platform {

// $XDG_DATA_HOME/Trash; XDG_DATA_HOME is taken only when it is an absolute path, else
// $HOME/.local/share stands for it. A failure when neither gives a folder.
[[nodiscard]] Result<std::filesystem::path> HomeTrashFolder();

// Moves a file (not a folder) into the home trash under its own name, or under "stem.N.ext"
// when the trash already holds that name, with its record written first. A file on another
// device is copied into the trash and removed only once the copy is complete. Returns where
// the file now lies; on failure the file is where it was.
[[nodiscard]] Result<std::filesystem::path> MoveToTrash(const std::filesystem::path& file);

} // namespace platform
