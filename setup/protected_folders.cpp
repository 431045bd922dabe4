#include "setup/protected_folders.h"

#include "platform/codepage.h"
#include "platform/drives.h"
#include "platform/machine_folder.h"
#include "platform/shell_files.h"
#include "platform/windows_folders.h"
#include "setup/host_paths.h"
#include "setup/resolved_paths.h"
#include "setup/text_primitives.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace setup {
namespace {

namespace fs = std::filesystem;

bool HasWildcard(std::string_view name) {
    return FindByte(name, '*') != std::string_view::npos ||
           FindByte(name, '?') != std::string_view::npos;
}

// The macros that name folders of the machine.
constexpr Macro kMachineMacros[] = {Macro::Prg,  Macro::Win,  Macro::Sys, Macro::Tmp, Macro::Smn,
                                    Macro::Sta,  Macro::Dsk,  Macro::Sup, Macro::Sen, Macro::CSmn,
                                    Macro::CSta, Macro::CDsk, Macro::CSup};

std::vector<fs::path> MachineFolders(const PathMacros& macros) {
    std::vector<fs::path> folders{fs::path("/")};
    std::vector<std::string> windows;
    for (const Macro macro : kMachineMacros) {
        windows.push_back(macros.Value(macro));
    }
    for (const platform::Result<std::string>& folder :
         {platform::WindowsFolder(), platform::SystemFolder()}) {
        if (folder) {
            windows.push_back(folder.Value());
        }
    }
    for (const std::string& folder : windows) {
        if (const auto host = HostPathOf(folder)) {
            folders.push_back(*host);
        }
    }
    if (platform::Result<fs::path> machine = platform::MachineFolderPath()) {
        folders.push_back(machine.Value());
    }
    if (platform::Result<fs::path> driveC = platform::DriveCFolder()) {
        folders.push_back(driveC.Value());
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        folders.emplace_back(home);
    } else if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir) {
        folders.emplace_back(user->pw_dir);
    }
    return folders;
}

} // namespace

ProtectedFolders ProtectedFolders::OfMachine(const PathMacros& macros) {
    return ProtectedFolders(MachineFolders(macros));
}

ProtectedFolders::ProtectedFolders(const std::vector<fs::path>& hostFolders) {
    for (const fs::path& folder : hostFolders) {
        folders_.push_back(ResolvedForDeletion(folder));
        folders_.push_back(FullyResolved(folder));
    }
}

bool ProtectedFolders::HoldsProtected(const fs::path& path) const {
    const fs::path spelled = ResolvedForDeletion(path);
    for (const fs::path& folder : folders_) {
        if (IsWithin(folder, spelled)) {
            return true;
        }
    }
    return false;
}

bool ProtectedFolders::PatternMatchesProtected(const fs::path& folder,
                                               std::string_view pattern) const {
    const fs::path base = ResolvedForDeletion(folder);
    const bool everyName = pattern == "*" || pattern == "*.*";
    for (const fs::path& protectedFolder : folders_) {
        if (protectedFolder == base && everyName) {
            return true;
        }
        if (protectedFolder == base || !IsWithin(protectedFolder, base)) {
            continue;
        }
        const fs::path below = protectedFolder.lexically_relative(base);
        if (!below.empty() &&
            platform::MatchesWildcard(pattern, platform::PathToCp932(*below.begin()))) {
            return true;
        }
    }
    return false;
}

bool ProtectedFolders::WouldDelete(std::string_view windowsPath) const {
    const std::string name = FileNamePart(windowsPath);
    const auto host = HostPathOf(windowsPath);
    if (!host) {
        return false;
    }
    if (!HasWildcard(name)) {
        return HoldsProtected(*host);
    }
    return PatternMatchesProtected(host->parent_path(), platform::PathToCp932(host->filename()));
}

} // namespace setup
