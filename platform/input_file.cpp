#include "platform/input_file.h"

#include "platform/regular_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

InputFile::InputFile(const std::filesystem::path& path) : path_(path) {
    const OpenedFile opened = OpenRegularFile(path, O_RDONLY);
    fd_ = opened.fd;
    size_ = static_cast<std::uint64_t>(opened.status.st_size);
    lastWrite_ = opened.status.st_mtime;
}

InputFile::~InputFile() { ::close(fd_); }

std::vector<std::uint8_t> InputFile::ReadAt(std::uint64_t offset, std::size_t length) const {
    return ReadRange(fd_, path_, offset, length, size_);
}

} // namespace platform
