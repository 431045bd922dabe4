#include "setup/host_paths.h"

#include "platform/codepage.h"
#include "platform/drives.h"

namespace setup {

std::optional<std::filesystem::path> HostPathOf(std::string_view windowsPath) {
    platform::Result<std::filesystem::path> host = platform::HostPath(windowsPath);
    if (!host) {
        return std::nullopt;
    }
    return std::move(host).Value();
}

std::optional<std::string> WindowsSpelling(const std::filesystem::path& hostPath) {
    platform::Result<std::string> spelled = platform::WindowsPath(hostPath);
    if (!spelled) {
        return std::nullopt;
    }
    return std::move(spelled).Value();
}

bool HasDriveLetter(std::string_view path) {
    const bool letter =
        !path.empty() && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return letter && path.size() >= 2 && path[1] == ':';
}

std::optional<std::string> WindowsSpellingOfArgument(std::string_view argument) {
    const std::string cp932 = platform::Utf8ToCp932(argument);
    if (HasDriveLetter(cp932)) {
        return cp932;
    }
    return WindowsSpelling(std::filesystem::path(std::string(argument)));
}

} // namespace setup
