#include "platform/machine_folder.h"

#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

// A variable that is unset or empty counts as absent, as the XDG rules say.
std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<fs::path> HomeFolder() {
    if (auto home = Environment("HOME")) {
        return fs::path(*home);
    }
    // A service started without HOME still has a password entry.
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return fs::path(found->pw_dir);
    }
    return std::nullopt;
}

} // namespace

Result<fs::path> MachineFolderPath() {
    if (auto overridden = Environment(std::string(kMachineFolderVariable).c_str())) {
        std::error_code error;
        fs::path absolute = fs::absolute(*overridden, error);
        return error ? fs::path(*overridden) : absolute;
    }
    // The XDG rules ignore a relative XDG_DATA_HOME.
    if (auto data = Environment("XDG_DATA_HOME"); data && fs::path(*data).is_absolute()) {
        return fs::path(*data) / "lumaro";
    }
    if (auto home = HomeFolder()) {
        return *home / ".local" / "share" / "lumaro";
    }
    return Failure{"cannot find the machine folder: neither " +
                   std::string(kMachineFolderVariable) +
                   ", XDG_DATA_HOME nor a home folder is known"};
}

Result<fs::path> MachineFolder() {
    Result<fs::path> path = MachineFolderPath();
    if (!path) {
        return path;
    }
    std::error_code error;
    fs::create_directories(path.Value(), error);
    if (error) {
        return Failure{"cannot create machine folder " + path.Value().string() + ": " +
                       error.message()};
    }
    if (!fs::is_directory(path.Value(), error)) {
        return Failure{"cannot use machine folder " + path.Value().string() +
                       ": it is not a folder"};
    }
    return path;
}

} // namespace platform
