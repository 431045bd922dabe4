#pragma once

// An existing file opened for patching in place, closed on every path out of its scope.

#include "platform/file_error.h"
#include "platform/file_times.h"
#include "platform/regular_file.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace platform {

class WritableFile {
public:
    // Throws FileError when the file does not exist, is read-only or cannot be opened.
    explicit WritableFile(const std::filesystem::path& path);
    ~WritableFile();
    WritableFile(const WritableFile&) = delete;
    WritableFile& operator=(const WritableFile&) = delete;

    // Up to `length` bytes from `offset`; fewer where the file ends first.
    [[nodiscard]] std::vector<std::uint8_t> ReadAt(std::uint64_t offset, std::size_t length) const;
    // Writes all bytes at the offset; throws FileError when the write fails.
    void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Cuts the file (or extends it with zeros) to the size.
    void Resize(std::uint64_t size);
    [[nodiscard]] std::uint64_t Size() const;
    [[nodiscard]] FileTime LastWriteTime() const;
    // Sets the last-write time; later writes through this file would change it again.
    void SetLastWriteTime(FileTime time);
    // Closes the file and reports a failed close (a delayed write error) as FileError.
    void Close();

private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// What WritableFile and PatchFile do with their descriptor, each naming the path in the
// FileError it throws.

// Opens an existing regular file for reading and writing; throws when it does not exist, is
// read-only (also for the superuser), is not a regular file or cannot be opened.
[[nodiscard]] OpenedFile OpenWritable(const std::filesystem::path& path);
// Writes all bytes at the offset.
void WriteRange(int fd, const std::filesystem::path& path, std::uint64_t offset,
                std::span<const std::uint8_t> bytes);
void SetOpenFileTime(int fd, const std::filesystem::path& path, FileTime time);
// Closes the descriptor; a failed close is a delayed write error.
void CloseWritten(int fd, const std::filesystem::path& path);

} // namespace platform
