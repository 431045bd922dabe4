#include "platform/input_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

InputFile::InputFile(const std::filesystem::path& path)
    : InputFile(path, OpenRegularFile(path, O_RDONLY)) {}

InputFile::InputFile(const std::filesystem::path& path, const OpenedFile& opened)
    : path_(path), fd_(opened.fd), size_(static_cast<std::uint64_t>(opened.status.st_size)),
      lastWrite_(opened.status.st_mtime) {}

InputFile::~InputFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int InputFile::Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

std::vector<std::uint8_t> InputFile::ReadAt(std::uint64_t offset, std::size_t length) const {
    return ReadRange(fd_, path_, offset, length, size_);
}

} // namespace platform
