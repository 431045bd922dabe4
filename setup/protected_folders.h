#pragma once

// Folders that no uninstall log can have deleted, whatever it says: the folders of the machine
// (Windows, System, Program Files, the temporary folder, the menus, the desktop and the other
// folders of the shell, drive C: and the machine folder that holds it), the user's home folder
// and the host's root, and with them every folder that holds one of them. A damaged or hostile
// log must not take the machine with it.

#include "setup/path_macros.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace setup {

class ProtectedFolders {
public:
    // The folders of this machine: the macros' folders but the install folder and the drives,
    // and those found without them.
    [[nodiscard]] static ProtectedFolders OfMachine(const PathMacros& macros);

    explicit ProtectedFolders(const std::vector<std::filesystem::path>& hostFolders);

    // Whether deleting the Windows path would delete a protected folder: the path is one or
    // holds one, or, for a name with "*" or "?", one of the names it matches does, or the name
    // is "*" or "*.*" and would empty a protected folder.
    [[nodiscard]] bool WouldDelete(std::string_view windowsPath) const;

private:
    [[nodiscard]] bool HoldsProtected(const std::filesystem::path& path) const;
    [[nodiscard]] bool PatternMatchesProtected(const std::filesystem::path& folder,
                                               std::string_view pattern) const;

    // Each folder both as named and with every link resolved, so that neither spelling of a
    // linked home folder slips through.
    std::vector<std::filesystem::path> folders_;
};

} // namespace setup
