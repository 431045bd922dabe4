#pragma once

// Free space of a disk, as the installer checks it before copying.

#include "platform/result.h"

#include <cstdint>
#include <filesystem>

namespace platform {

// Bytes available to this user on the file system that holds the path; a path that does not
// exist yet is measured at its nearest existing folder.
[[nodiscard]] Result<std::uint64_t> FreeDiskBytes(const std::filesystem::path& path);

} // namespace platform
