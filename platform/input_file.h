#pragma once

// A file opened for reading, closed on every path out of the scope that opened it.

#include "platform/file_error.h"
#include "platform/regular_file.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <vector>

namespace platform {

class InputFile {
public:
    // Throws FileError when the file cannot be opened or examined, or is not a regular file.
    explicit InputFile(const std::filesystem::path& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Up to `length` bytes from `offset`; fewer (possibly none) where the file, as it was when
    // opened, ends first.
    // Throws FileError when the read itself fails.
    [[nodiscard]] std::vector<std::uint8_t> ReadAt(std::uint64_t offset, std::size_t length) const;

    // The size and last-write time as the file was when it was opened.
    [[nodiscard]] std::uint64_t Size() const { return size_; }
    [[nodiscard]] std::time_t LastWrite() const { return lastWrite_; }
    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

protected:
    // A file the caller opened (see OpenRegularFile), closed with this object.
    InputFile(const std::filesystem::path& path, const OpenedFile& opened);
    [[nodiscard]] int Descriptor() const { return fd_; }
    // The descriptor, which this object then no longer closes.
    [[nodiscard]] int Release();

private:
    std::filesystem::path path_;
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::time_t lastWrite_ = 0;
};

} // namespace platform
