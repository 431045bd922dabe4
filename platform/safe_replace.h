#pragma once

// Whole-file results are written to a temporary file in the target's own folder and renamed
// over the target in one step, so the target is either entirely old or entirely new: a full
// disk, an unreadable source or a refused rebuild leaves it byte-for-byte as it was.

#include "platform/file_times.h"
#include "platform/input_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace platform {

class FileReplacement {
public:
    // Creates the temporary file beside the target (the target itself need not exist). Throws
    // FileError naming the target when the folder does not take a new file, and when the
    // target is read-only.
    explicit FileReplacement(const std::filesystem::path& target);
    // Removes the temporary file unless Commit succeeded.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Throws FileError naming the target when a write fails (a full disk, say).
    void Write(std::span<const std::uint8_t> bytes);
    // Copies the source from `offset` to its end; returns the number of bytes copied.
    std::uint64_t CopyFrom(const InputFile& source, std::uint64_t offset);

    // Flushes the new content to the disk when it replaces an existing file, gives it the old
    // target's permissions and the last-write time (none: the time of this write) and renames
    // it over the target.
    void Commit(std::optional<FileTime> lastWrite);

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    int fd_ = -1;
};

} // namespace platform
