#include "platform/drives.h"

#include "platform/codepage.h"
#include "platform/machine_folder.h"
#include "platform/text_case.h"

#include <dirent.h>
#include <iterator>
#include <optional>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDriveCFolderName = "drive_c";

// The names of a path after its drive, split at "\" or "/" (never at the second byte of a
// double-byte character), with "." dropped and ".." taking away the name before it.
std::vector<std::string> PathNames(std::string_view path) {
    std::vector<std::string> names;
    std::string name;
    auto finishName = [&] {
        if (name == "..") {
            if (!names.empty()) {
                names.pop_back();
            }
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        name.clear();
    };
    for (std::size_t pos = 0; pos < path.size();) {
        const std::size_t length = Cp932CharLength(path, pos);
        if (length == 1 && (path[pos] == '\\' || path[pos] == '/')) {
            finishName();
        } else {
            name.append(path.substr(pos, length));
        }
        pos += length;
    }
    finishName();
    return names;
}

char UpperAsciiByte(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether two host names are equal with ASCII letters compared without regard to case. In the
// host's UTF-8 every byte of a character beyond ASCII is 0x80 or above, so this is the
// platform's comparison of the CP932 names, without converting every name of a folder.
bool EqualHostNamesNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAsciiByte(a[i]) != UpperAsciiByte(b[i])) {
            return false;
        }
    }
    return true;
}

bool HasAsciiLetter(std::string_view name) {
    for (const char c : name) {
        if (UpperAsciiByte(c) >= 'A' && UpperAsciiByte(c) <= 'Z') {
            return true;
        }
    }
    return false;
}

// The entry of folder that the CP932 name stands for: the exact name when it exists, else the
// first entry equal to it without regard to case, else the name as written. A folder of
// thousands of files is read once per missing name, so the reading stays cheap.
fs::path ResolveName(const fs::path& folder, const std::string& name) {
    const fs::path exact = Cp932ToPath(name);
    std::error_code error;
    if (fs::exists(fs::symlink_status(folder / exact, error)) || !HasAsciiLetter(exact.native())) {
        return exact;
    }
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return exact;
    }
    fs::path found = exact;
    while (const dirent* entry = ::readdir(listing)) {
        if (EqualHostNamesNoCase(entry->d_name, exact.native())) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(listing);
    return found;
}

Result<fs::path> DriveCPath() {
    Result<fs::path> machine = MachineFolderPath();
    if (!machine) {
        return machine;
    }
    return machine.Value() / kDriveCFolderName;
}

// Names of path below root, or none when path is not root or below it.
std::optional<fs::path> Below(const fs::path& path, const fs::path& root) {
    auto p = path.begin();
    for (auto r = root.begin(); r != root.end(); ++r, ++p) {
        if (r->empty() && std::next(r) == root.end()) {
            break; // the empty last element of a root spelled with a trailing "/"
        }
        if (p == path.end() || *p != *r) {
            return std::nullopt;
        }
    }
    fs::path rest;
    for (; p != path.end(); ++p) {
        rest /= *p;
    }
    return rest;
}

std::string JoinWithBackslashes(const fs::path& names) {
    std::string text;
    for (const fs::path& name : names) {
        if (name.empty()) {
            continue; // the empty last element of a path with a trailing "/"
        }
        if (!text.empty()) {
            text += '\\';
        }
        text += PathToCp932(name);
    }
    return text;
}

} // namespace

Result<fs::path> DriveCFolder() {
    Result<fs::path> machine = MachineFolder();
    if (!machine) {
        return machine;
    }
    const fs::path drive = machine.Value() / kDriveCFolderName;
    std::error_code error;
    fs::create_directories(drive, error);
    if (error) {
        return Failure{"cannot create drive C: at " + drive.string() + ": " + error.message()};
    }
    return drive;
}

Result<fs::path> HostPath(std::string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') {
        return Failure{"cannot map " + Cp932ToUtf8(windowsPath) +
                       " to a host path: it does not start with a drive"};
    }
    fs::path path;
    const char drive = UpperAscii(windowsPath.substr(0, 1))[0];
    if (drive == 'C') {
        Result<fs::path> driveC = DriveCFolder();
        if (!driveC) {
            return driveC;
        }
        path = driveC.Value();
    } else if (drive == 'Z') {
        path = "/";
    } else {
        return Failure{"cannot map " + Cp932ToUtf8(windowsPath) + " to a host path: drive " +
                       std::string(1, drive) + ": does not exist"};
    }
    for (const std::string& name : PathNames(windowsPath.substr(2))) {
        path /= ResolveName(path, name);
    }
    return path;
}

Result<std::string> WindowsPath(const fs::path& hostPath) {
    Result<fs::path> driveC = DriveCPath();
    if (!driveC) {
        return Failure{driveC.Error()};
    }
    std::error_code error;
    const fs::path path = fs::absolute(hostPath, error).lexically_normal();
    const bool trailing = !path.has_filename() && path.has_relative_path();
    const fs::path lexicalDrive = fs::absolute(driveC.Value(), error).lexically_normal();
    std::error_code pathError;
    std::error_code driveError;
    std::string text;
    if (auto onC = Below(path, lexicalDrive); onC) {
        text = "C:\\" + JoinWithBackslashes(*onC);
    } else if (auto onRealC = Below(fs::weakly_canonical(path, pathError),
                                    fs::weakly_canonical(lexicalDrive, driveError));
               onRealC && !pathError && !driveError) {
        // The machine folder, or the path, is reached through a link.
        text = "C:\\" + JoinWithBackslashes(*onRealC);
    } else {
        text = "Z:\\" + JoinWithBackslashes(path.relative_path());
    }
    if (trailing && text.back() != '\\') {
        text += '\\';
    }
    return text;
}

Status CreateWindowsFolder(std::string_view windowsPath) {
    Result<fs::path> folder = HostPath(windowsPath);
    if (!folder) {
        return Failure{folder.Error()};
    }
    std::error_code error;
    fs::create_directories(folder.Value(), error);
    if (error) {
        return Failure{"cannot create folder " + folder.Value().string() + ": " + error.message()};
    }
    return {};
}

} // namespace platform
