#include "platform/disk_space.h"

#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>

namespace platform {

Result<std::uint64_t> FreeDiskBytes(const std::filesystem::path& path) {
    std::filesystem::path existing = std::filesystem::absolute(path);
    std::error_code error;
    while (!std::filesystem::exists(existing, error) && existing.has_relative_path()) {
        existing = existing.parent_path();
    }
    struct statvfs disk {};
    if (statvfs(existing.c_str(), &disk) != 0) {
        return Failure{"cannot read the free space of " + existing.string() + ": " +
                       std::strerror(errno)};
    }
    return static_cast<std::uint64_t>(disk.f_bavail) * disk.f_frsize;
}

} // namespace platform
