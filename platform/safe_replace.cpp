#include "platform/safe_replace.h"

#include "platform/file_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

constexpr std::size_t kCopyChunk = 1 << 16;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// A symbolic link is replaced through: the file it names gets the new content.
std::filesystem::path ResolvedTarget(const std::filesystem::path& target) {
    std::error_code error;
    if (std::filesystem::is_symlink(target, error)) {
        const auto resolved = std::filesystem::weakly_canonical(target, error);
        if (!error) {
            return resolved;
        }
    }
    return target;
}

std::string Reason(int error) {
    return std::strerror(error);
}

} // namespace

FileReplacement::FileReplacement(const std::filesystem::path& target)
    : target_(ResolvedTarget(target)) {
    struct stat status {};
    if (::stat(target_.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            throw FileError("replace", target_, "it is a folder");
        }
        if ((status.st_mode & kWriteBits) == 0) {
            throw FileError("replace", target_, "the file is read-only");
        }
    }
    const std::filesystem::path folder =
        target_.has_parent_path() ? target_.parent_path() : std::filesystem::path(".");
    std::string stem = ".";
    stem += target_.filename().string();
    stem += '.';
    for (unsigned attempt = 0; fd_ < 0; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "%x-%u.tmp", static_cast<unsigned>(::getpid()),
                      attempt);
        temporary_ = folder / (stem + suffix);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt > 1000)) {
            throw FileError("create a new file beside", target_, Reason(errno));
        }
    }
}

FileReplacement::~FileReplacement() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

void FileReplacement::Write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            throw FileError("write", target_, Reason(written < 0 ? errno : ENOSPC));
        }
        done += static_cast<std::size_t>(written);
    }
}

std::uint64_t FileReplacement::CopyFrom(const InputFile& source, std::uint64_t offset) {
    std::uint64_t copied = 0;
    while (true) {
        const std::vector<std::uint8_t> chunk = source.ReadAt(offset + copied, kCopyChunk);
        if (chunk.empty()) {
            return copied;
        }
        Write(chunk);
        copied += chunk.size();
    }
}

void FileReplacement::Commit(std::optional<FileTime> lastWrite) {
    struct stat old {};
    const bool replacing = ::stat(target_.c_str(), &old) == 0;
    if (replacing && ::fchmod(fd_, old.st_mode & 07777) != 0) {
        throw FileError("keep the permissions of", target_, Reason(errno));
    }
    // The new content reaches the disk before it takes the place of an existing file, so that
    // a crash cannot trade the old content for an empty file. A new file has nothing to lose.
    if (replacing && ::fdatasync(fd_) != 0 && errno != EINVAL) {
        throw FileError("write", target_, Reason(errno));
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        throw FileError("write", target_, Reason(errno));
    }
    if (lastWrite) {
        SetLastWriteTime(temporary_, *lastWrite);
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        throw FileError("replace", target_, Reason(errno));
    }
    temporary_.clear();
}

} // namespace platform
