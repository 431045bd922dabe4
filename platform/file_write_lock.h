#pragma once

// An advisory lock on one file for the length of a write, so that two programs changing the same
// photo at once take turns and both changes stand. A write that replaces the file by renaming a
// new one over it makes a new file: the lock is held on whatever file the path names once the
// lock is granted.

#include <filesystem>
#include <sys/stat.h>

namespace platform {

class FileWriteLock {
public:
    // Waits until the lock is held. A path that names no regular file is not locked: the write
    // that follows reports it.
    explicit FileWriteLock(const std::filesystem::path& path);
    ~FileWriteLock();
    FileWriteLock(const FileWriteLock&) = delete;
    FileWriteLock& operator=(const FileWriteLock&) = delete;

private:
    int fd_ = -1;
};

enum class LockOutcome {
    Held,       // the path names the locked file
    Replaced,   // the path names another file (or none) now: open it anew and lock that
    Unavailable // the file system keeps no such locks: write without one
};

// The same lock on a file already open as `fd`, `status` its fstat; waits until it is held.
// When held, `status` is refreshed to the file as the lock found it.
[[nodiscard]] LockOutcome LockOpenFile(int fd, const std::filesystem::path& path,
                                       struct stat& status);

} // namespace platform
