#include "platform/file_transfer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

constexpr std::size_t kCopyChunk = std::size_t{1} << 20;

TransferError Failed(const char* step, int code) {
    return TransferError{code, step};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int Get() const { return fd_; }
    // Closes now and says whether the close reported a delayed write error.
    [[nodiscard]] int Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Asks TemporaryCopy for the name given rather than one of its own.
struct GivenName {};

// A new file beside the destination, hidden by its leading dot; removed unless kept.
class TemporaryCopy {
public:
    explicit TemporaryCopy(const std::filesystem::path& destination) {
        const std::filesystem::path folder =
            destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
        // The name is held first: g++ 12 at -O3 takes "." + a temporary string for an
        // overlapping copy (-Wrestrict) that cannot happen.
        const std::string name = destination.filename().string();
        const std::string stem = "." + name + ".";
        for (unsigned attempt = 0; fd_ < 0 && attempt < 1000; ++attempt) {
            char suffix[40];
            std::snprintf(suffix, sizeof suffix, "%x-%u.part", static_cast<unsigned>(::getpid()),
                          attempt);
            path_ = folder / (stem + suffix);
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            created_ = fd_ >= 0;
            if (fd_ < 0 && errno != EEXIST) {
                error_ = errno;
                break;
            }
        }
        if (fd_ < 0 && error_ == 0) {
            error_ = EEXIST;
        }
    }
    // A copy under a name of the caller's: whatever lies there (a file or a link left by an
    // interrupted run) goes first, and the new file is made where no link can redirect it.
    TemporaryCopy(const std::filesystem::path& staging, GivenName) : path_(staging) {
        if (::unlink(staging.c_str()) != 0 && errno != ENOENT) {
            error_ = errno;
            return;
        }
        fd_ = ::open(staging.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        created_ = fd_ >= 0;
        error_ = created_ ? 0 : errno;
    }
    ~TemporaryCopy() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (created_ && !kept_) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;

    [[nodiscard]] int Fd() const { return fd_; }
    [[nodiscard]] int Error() const { return error_; }
    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    [[nodiscard]] int Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }
    void Keep() { kept_ = true; }

private:
    std::filesystem::path path_;
    int fd_ = -1;
    int error_ = 0;
    bool created_ = false;
    bool kept_ = false;
};

// 0, or the error number of the read or write that failed.
int CopyBytes(int from, int to) {
    std::vector<char> buffer(kCopyChunk);
    while (true) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return errno;
        }
        if (got == 0) {
            return 0;
        }
        ssize_t done = 0;
        while (done < got) {
            const ssize_t put =
                ::write(to, buffer.data() + done, static_cast<std::size_t>(got - done));
            if (put < 0 && errno == EINTR) {
                continue;
            }
            if (put <= 0) {
                return put < 0 ? errno : ENOSPC;
            }
            done += put;
        }
    }
}

// Gives the copy the permissions and the source's times and, unless told otherwise, brings it to
// the disk.
int FinishCopy(TemporaryCopy& copy, const struct stat& source, mode_t mode, bool sync = true) {
    if (::fchmod(copy.Fd(), mode & 07777) != 0) {
        return errno;
    }
    const timespec times[2] = {source.st_atim, source.st_mtim};
    if (::futimens(copy.Fd(), times) != 0) {
        return errno;
    }
    if (sync && ::fdatasync(copy.Fd()) != 0 && errno != EINVAL) {
        return errno;
    }
    return copy.Close();
}

// The source opened for reading and examined; a folder or a device is no file to copy.
TransferError OpenSource(const std::filesystem::path& source, int& fd, struct stat& status) {
    fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return Failed("open", errno);
    }
    if (::fstat(fd, &status) != 0) {
        return Failed("examine", errno);
    }
    return S_ISREG(status.st_mode) ? TransferError{} : Failed("copy", EISDIR);
}

} // namespace

TransferError RenameNoReplace(const std::filesystem::path& source,
                              const std::filesystem::path& destination) {
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, destination.c_str(), RENAME_NOREPLACE) ==
        0) {
        return {};
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        return Failed("rename", errno);
    }
    // The file system cannot refuse a replacement by itself: a hard link can, and where there
    // are no hard links either, the name is checked just before the rename.
    if (::link(source.c_str(), destination.c_str()) == 0) {
        if (::unlink(source.c_str()) != 0) {
            const int code = errno;
            ::unlink(destination.c_str());
            return Failed("remove", code);
        }
        return {};
    }
    if (errno == EEXIST || (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP)) {
        return Failed("rename", errno);
    }
    struct stat existing {};
    if (::lstat(destination.c_str(), &existing) == 0) {
        return Failed("rename", EEXIST);
    }
    return ::rename(source.c_str(), destination.c_str()) == 0 ? TransferError{}
                                                              : Failed("rename", errno);
}

TransferError CopyFileSafely(const std::filesystem::path& source,
                             const std::filesystem::path& destination, Replace replace) {
    int fd = -1;
    struct stat status {};
    const TransferError opened = OpenSource(source, fd, status);
    Descriptor input(fd);
    if (opened) {
        return opened;
    }
    TemporaryCopy copy(destination);
    if (copy.Fd() < 0) {
        return Failed("create a new file beside", copy.Error());
    }
    if (const int code = CopyBytes(input.Get(), copy.Fd())) {
        return Failed("copy", code);
    }
    if (const int code = FinishCopy(copy, status, status.st_mode)) {
        return Failed("write", code);
    }
    if (replace == Replace::Allowed) {
        if (::rename(copy.Path().c_str(), destination.c_str()) != 0) {
            return Failed("rename", errno);
        }
    } else if (TransferError error = RenameNoReplace(copy.Path(), destination)) {
        return error;
    }
    copy.Keep();
    return {};
}

TransferError CopyFileStaged(const std::filesystem::path& source,
                             const std::filesystem::path& destination,
                             const std::filesystem::path& staging) {
    int fd = -1;
    struct stat status {};
    const TransferError opened = OpenSource(source, fd, status);
    Descriptor input(fd);
    if (opened) {
        return opened;
    }
    TemporaryCopy copy(staging, GivenName{});
    if (copy.Fd() < 0) {
        return Failed("create a new file beside", copy.Error());
    }
    if (const int code = CopyBytes(input.Get(), copy.Fd())) {
        return Failed("copy", code);
    }
    struct stat existing {};
    const bool replaces = ::lstat(destination.c_str(), &existing) == 0;
    if (const int code = FinishCopy(copy, status, status.st_mode | S_IWUSR, replaces)) {
        return Failed("write", code);
    }
    if (::rename(copy.Path().c_str(), destination.c_str()) != 0) {
        return Failed("rename", errno);
    }
    copy.Keep();
    return {};
}

TransferError WriteFileStaged(std::string_view bytes, const std::filesystem::path& destination,
                              const std::filesystem::path& staging) {
    TemporaryCopy copy(staging, GivenName{});
    if (copy.Fd() < 0) {
        return Failed("create a new file beside", copy.Error());
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t put = ::write(copy.Fd(), bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return Failed("write", put < 0 ? errno : ENOSPC);
        }
        done += static_cast<std::size_t>(put);
    }
    struct stat existing {};
    const bool replaces = ::lstat(destination.c_str(), &existing) == 0;
    if (::fchmod(copy.Fd(), S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH) != 0 ||
        (replaces && ::fdatasync(copy.Fd()) != 0 && errno != EINVAL)) {
        return Failed("write", errno);
    }
    if (const int code = copy.Close()) {
        return Failed("write", code);
    }
    if (::rename(copy.Path().c_str(), destination.c_str()) != 0) {
        return Failed("rename", errno);
    }
    copy.Keep();
    return {};
}

TransferError MoveFileSafely(const std::filesystem::path& source,
                             const std::filesystem::path& destination, Replace replace) {
    TransferError error;
    if (replace == Replace::Allowed) {
        if (::rename(source.c_str(), destination.c_str()) != 0) {
            error = Failed("rename", errno);
        }
    } else {
        error = RenameNoReplace(source, destination);
    }
    if (error.code != EXDEV) {
        return error;
    }
    // Another device: the copy is complete on the disk before the source goes.
    if (TransferError copyError = CopyFileSafely(source, destination, replace)) {
        return copyError;
    }
    if (::unlink(source.c_str()) != 0) {
        return Failed("remove the source after copying", errno);
    }
    return {};
}

} // namespace platform
