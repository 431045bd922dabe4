#include "platform/file_write_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

LockOutcome LockOpenFile(int fd, const std::filesystem::path& path, struct stat& status) {
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        return LockOutcome::Unavailable;
    }
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0 || !SameFile(status, named)) {
        return LockOutcome::Replaced; // while we waited
    }
    status = named;
    return LockOutcome::Held;
}

FileWriteLock::FileWriteLock(const std::filesystem::path& path) {
    while (true) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat status {};
        if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            if (fd >= 0) {
                ::close(fd);
            }
            return;
        }
        const LockOutcome outcome = LockOpenFile(fd, path, status);
        if (outcome == LockOutcome::Held) {
            fd_ = fd;
            return;
        }
        ::close(fd);
        if (outcome == LockOutcome::Unavailable) {
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
