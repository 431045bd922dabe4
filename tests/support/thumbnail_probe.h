#pragma once

// The size of a file's embedded thumbnail, read through the program's own reader: for tests of
// what writes thumbnails, not of the reader.

#include "exif/imaging_jpeg.h"

#include <filesystem>
#include <optional>

namespace fixture {

// Nothing when the file has no embedded thumbnail that decodes.
[[nodiscard]] std::optional<exif::PictureSize>
EmbeddedThumbnailSize(const std::filesystem::path& file);

} // namespace fixture
