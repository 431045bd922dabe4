#include "platform/input_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

InputFile::InputFile(const std::filesystem::path& path)
    : path_(path), fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) {
        throw FileError("open", path_, std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        const int error = errno;
        ::close(fd_);
        throw FileError("examine", path_, std::strerror(error));
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(fd_);
        throw FileError("open", path_, "it is a folder");
    }
    size_ = static_cast<std::uint64_t>(status.st_size);
    lastWrite_ = status.st_mtime;
}

InputFile::~InputFile() { ::close(fd_); }

std::vector<std::uint8_t> InputFile::ReadAt(std::uint64_t offset, std::size_t length) const {
    std::vector<std::uint8_t> bytes(length);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd_, bytes.data() + done, length - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw FileError("read", path_, std::strerror(errno));
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

} // namespace platform
