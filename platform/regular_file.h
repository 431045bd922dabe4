#pragma once

// Opening a path that must name a regular file. A pipe, device or socket that bears a photo's
// name is refused at once instead of blocking the reader until someone writes to it.

#include "platform/file_error.h"

#include <cstdint>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace platform {

struct OpenedFile {
    int fd = -1;
    struct stat status {};
};

// Opens with the flags (O_CLOEXEC is added). Throws FileError naming the path when it cannot be
// opened or examined, is a folder, or is not a regular file.
[[nodiscard]] OpenedFile OpenRegularFile(const std::filesystem::path& path, int flags);

// Up to `length` bytes from `offset` of an open file of `size` bytes: never more than the file
// holds there, whatever length a file's own numbers ask for. Throws FileError on a failed read.
[[nodiscard]] std::vector<std::uint8_t> ReadRange(int fd, const std::filesystem::path& path,
                                                  std::uint64_t offset, std::size_t length,
                                                  std::uint64_t size);

} // namespace platform
