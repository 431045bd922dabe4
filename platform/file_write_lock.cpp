#include "platform/file_write_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

FileWriteLock::FileWriteLock(const std::filesystem::path& path) {
    while (true) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat locked {};
        if (fd < 0 || ::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            if (fd >= 0) {
                ::close(fd);
            }
            return;
        }
        int result = 0;
        do {
            result = ::flock(fd, LOCK_EX);
        } while (result != 0 && errno == EINTR);
        struct stat named {};
        if (result == 0 && ::stat(path.c_str(), &named) == 0 && SameFile(locked, named)) {
            fd_ = fd;
            return;
        }
        ::close(fd); // replaced while we waited: lock the new file
        if (result != 0) {
            return;
        }
    }
}

FileWriteLock::~FileWriteLock() {
    if (fd_ >= 0) {
        ::close(fd_); // releases the lock
    }
}

} // namespace platform
