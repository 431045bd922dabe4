#include "platform/writable_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// Checked by hand because the permission bits do not stop the superuser.
bool IsReadOnly(const struct stat& status) {
    return S_ISREG(status.st_mode) && (status.st_mode & kWriteBits) == 0;
}

FileError ReadOnlyError(const std::filesystem::path& path) {
    return FileError("write", path, "the file is read-only");
}

} // namespace

OpenedFile OpenWritable(const std::filesystem::path& path) {
    OpenedFile opened;
    try {
        opened = OpenRegularFile(path, O_RDWR);
    } catch (const FileError&) {
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0 && IsReadOnly(status)) {
            throw ReadOnlyError(path);
        }
        throw;
    }
    if (IsReadOnly(opened.status)) {
        ::close(opened.fd);
        throw ReadOnlyError(path);
    }
    return opened;
}

void WriteRange(int fd, const std::filesystem::path& path, std::uint64_t offset,
                std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                         static_cast<off_t>(offset + done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw FileError("write", path, std::strerror(written < 0 ? errno : ENOSPC));
        }
        done += static_cast<std::size_t>(written);
    }
}

void SetOpenFileTime(int fd, const std::filesystem::path& path, FileTime time) {
    const timespec times[2] = {{0, UTIME_OMIT}, ToTimespec(time)};
    if (::futimens(fd, times) != 0) {
        throw FileError("set the last-write time of", path, std::strerror(errno));
    }
}

void CloseWritten(int fd, const std::filesystem::path& path) {
    if (::close(fd) != 0) {
        throw FileError("write", path, std::strerror(errno));
    }
}

WritableFile::WritableFile(const std::filesystem::path& path)
    : path_(path), fd_(OpenWritable(path).fd) {}

WritableFile::~WritableFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::vector<std::uint8_t> WritableFile::ReadAt(std::uint64_t offset, std::size_t length) const {
    return ReadRange(fd_, path_, offset, length, Size());
}

void WritableFile::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    WriteRange(fd_, path_, offset, bytes);
}

void WritableFile::Resize(std::uint64_t size) {
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
        throw FileError("write", path_, std::strerror(errno));
    }
}

std::uint64_t WritableFile::Size() const {
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        throw FileError("examine", path_, std::strerror(errno));
    }
    return static_cast<std::uint64_t>(status.st_size);
}

FileTime WritableFile::LastWriteTime() const {
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        throw FileError("examine", path_, std::strerror(errno));
    }
    return FromTimespec(status.st_mtim);
}

void WritableFile::SetLastWriteTime(FileTime time) {
    SetOpenFileTime(fd_, path_, time);
}

void WritableFile::Close() {
    const int fd = fd_;
    fd_ = -1;
    CloseWritten(fd, path_);
}

} // namespace platform
