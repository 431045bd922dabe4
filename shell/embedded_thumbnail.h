#pragma once

// The small JPEG picture a camera embeds in the EXIF data, read as bytes for the file list.

#include "exif/exif_block.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace shell {

// A thumbnail longer than this is not taken: the EXIF segment of a JPEG holds at most 64 KB,
// and a list icon never needs more than a few of them.
inline constexpr std::uint32_t kMaxThumbnailBytes = 1 << 20;

// The bytes of the embedded thumbnail of the file, whose block the caller loaded: the place
// given by JPEGInterchangeFormat and JPEGInterchangeFormatLength, each falling back to the
// maker note's ThumbnailImage (offset field and count). Offsets count from the TIFF header,
// which lies where the block was loaded from (file offset 0 for a block made in memory). None
// when there is no
// thumbnail, when it does not lie inside the file, is longer than kMaxThumbnailBytes, or does
// not begin with SOI. Throws platform::FileError when the file cannot be read.
[[nodiscard]] std::optional<std::vector<std::uint8_t>>
ReadEmbeddedThumbnail(const exif::ExifBlock& block, const std::filesystem::path& path);

} // namespace shell
