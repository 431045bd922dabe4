#pragma once

// TIFF pictures through libtiff.

#include "exif/imaging.h"

#include <filesystem>
#include <optional>

namespace exif {

// The first picture of a TIFF file; nothing when libtiff cannot read it.
[[nodiscard]] std::optional<Image> LoadTiffImage(const std::filesystem::path& path);

} // namespace exif
