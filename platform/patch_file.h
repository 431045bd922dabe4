#pragma once

// An existing file opened for reading and for patching bytes in place, under the advisory write
// lock of FileWriteLock from opening to closing: the bytes read are those the patch lands on,
// and a program writing the same file at once waits for it.

#include "platform/file_times.h"
#include "platform/input_file.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace platform {

class PatchFile : public InputFile {
public:
    // Waits for the lock. Throws FileError when the file does not exist, is read-only, is not a
    // regular file or cannot be opened for writing.
    explicit PatchFile(const std::filesystem::path& path);

    // The last-write time as the file was once the lock was held.
    [[nodiscard]] FileTime LastWriteTime() const { return lastWriteTime_; }
    // Writes all bytes at the offset; throws FileError when the write fails.
    void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // Sets the last-write time; later writes would change it again.
    void SetLastWriteTime(FileTime time);
    // Closes the file, which releases the lock, and reports a failed close (a delayed write
    // error) as FileError.
    void Close();

private:
    PatchFile(const std::filesystem::path& path, const OpenedFile& opened);

    FileTime lastWriteTime_;
};

} // namespace platform
