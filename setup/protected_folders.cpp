#include "setup/protected_folders.h"

#include "platform/codepage.h"
#include "platform/drives.h"
#include "platform/shell_files.h"
#include "platform/windows_folders.h"
#include "setup/host_paths.h"
#include "setup/text_primitives.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace setup {
namespace {

namespace fs = std::filesystem;

// The path without a trailing separator, "." and ".." resolved, its folder's links resolved;
// the last name is kept as it is, since deleting a link deletes only the link.
fs::path Spelled(const fs::path& path) {
    fs::path normal = path.lexically_normal();
    if (normal.has_relative_path() && !normal.has_filename()) {
        normal = normal.parent_path();
    }
    if (!normal.has_relative_path()) {
        return normal;
    }
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(normal.parent_path(), error);
    return error ? normal : folder / normal.filename();
}

fs::path Resolved(const fs::path& path) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    return error ? Spelled(path) : Spelled(canonical);
}

// Whether inner is the folder itself or lies below it.
bool IsWithin(const fs::path& inner, const fs::path& folder) {
    auto innerPart = inner.begin();
    for (const fs::path& part : folder) {
        if (innerPart == inner.end() || *innerPart != part) {
            return false;
        }
        ++innerPart;
    }
    return true;
}

bool HasWildcard(std::string_view name) {
    return FindByte(name, '*') != std::string_view::npos ||
           FindByte(name, '?') != std::string_view::npos;
}

std::vector<fs::path> MachineFolders() {
    std::vector<fs::path> folders{fs::path("/")};
    for (const platform::Result<std::string>& windows :
         {platform::WindowsFolder(), platform::SystemFolder()}) {
        if (windows) {
            if (const auto host = HostPathOf(windows.Value())) {
                folders.push_back(*host);
            }
        }
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

ProtectedFolders ProtectedFolders::OfMachine() {
    return ProtectedFolders(MachineFolders());
}

ProtectedFolders::ProtectedFolders(const std::vector<fs::path>& hostFolders) {
    for (const fs::path& folder : hostFolders) {
        folders_.push_back(Spelled(folder));
        folders_.push_back(Resolved(folder));
    }
}

bool ProtectedFolders::HoldsProtected(const fs::path& path) const {
    const fs::path spelled = Spelled(path);
    for (const fs::path& folder : folders_) {
        if (IsWithin(folder, spelled)) {
            return true;
        }
    }
    return false;
}

bool ProtectedFolders::PatternMatchesProtected(const fs::path& folder,
                                               std::string_view pattern) const {
    const fs::path base = Spelled(folder);
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
