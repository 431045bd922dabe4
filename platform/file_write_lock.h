#pragma once

// An advisory lock on one file for the length of a write, so that two programs changing the same
// photo at once take turns and both changes stand. A write that replaces the file by renaming a
// new one over it makes a new file: the lock is held on whatever file the path names once the
// lock is granted.

#include <filesystem>

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

} // namespace platform
