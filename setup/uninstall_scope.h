#pragma once

// What an uninstall may touch. A log is a text file that anybody can write, so an entry is
// carried out only when it names what an install makes: a path inside the log's install folder,
// a shortcut (or a folder made for shortcuts) below the menus, the desktop and the other
// folders of the shell, or a shared file in the Windows or System folder or below
// "Program Files\Common Files". Whatever the log says, the home folder, the folders of the
// machine, every folder that holds one of them or the install folder, the registry store and
// the files all installs share stay. Wildcards match only inside the install folder, and
// deleting everything below the install folder is done only for the folder the log lies in,
// below Program Files.

#include "setup/path_macros.h"
#include "setup/protected_folders.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

// Why an entry of the log is not carried out.
enum class Refusal {
    None,        // it may be carried out
    Protected,   // a folder that stays whatever the log says, or one that holds one
    MachineFile, // the registry store, or a file that every install shares
    Outside,     // outside the install folder and of no kind the installer puts elsewhere
    Pattern,     // a wildcard outside the install folder
    DeleteAll,   // everything below a folder that is not the recorded install folder
};

// The reason of the report (CP932, ending in CR LF).
[[nodiscard]] std::string RefusalText(Refusal refusal);

class UninstallScope {
public:
    // The scope of an uninstall whose macros hold the log's install folder, started from the
    // log at logLocation (a Windows spelling; empty when unknown).
    UninstallScope(const PathMacros& macros, std::string_view logLocation,
                   ProtectedFolders protectedFolders);

    // A file or a pattern of [DeleteFile] or [AddDeleteFile].
    [[nodiscard]] Refusal ForFile(std::string_view path) const;
    // A file of [DeleteShortCut].
    [[nodiscard]] Refusal ForShortcut(std::string_view path) const;
    // A folder of [DeleteFolder]; outside the install folder it is removed only when empty.
    [[nodiscard]] Refusal ForFolder(std::string_view folder) const;
    // Whether the folder of a removed shortcut may go when empty.
    [[nodiscard]] bool MayRemoveShortcutFolder(std::string_view folder) const;
    // The install folder itself, with everything below it in delete-all mode.
    [[nodiscard]] Refusal ForInstallFolder(bool deleteAll) const;

    // Whether the path lies inside the install folder (the folder itself excluded).
    [[nodiscard]] bool Inside(std::string_view path) const;
    // Whether the path is the log of the install folder, which the install makes last of all.
    [[nodiscard]] bool IsInstallLog(std::string_view path) const;

private:
    [[nodiscard]] Refusal Untouchable(std::string_view windowsPath,
                                      const std::filesystem::path& resolved) const;
    [[nodiscard]] bool IsSharedFile(const std::filesystem::path& resolved) const;
    [[nodiscard]] bool BelowShellFolder(const std::filesystem::path& resolved) const;

    ProtectedFolders protected_;
    std::optional<std::filesystem::path> install_; // none when it may hold nothing to delete
    bool recorded_ = false;                        // the log lies in the install folder
    std::filesystem::path programs_;
    std::filesystem::path commonFiles_;
    std::filesystem::path windows_;
    std::vector<std::filesystem::path> sharedFolders_; // Windows and System
    std::vector<std::filesystem::path> shellFolders_;
    std::filesystem::path machine_;
    std::filesystem::path driveC_;
};

} // namespace setup
