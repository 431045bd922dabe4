#pragma once

// Where a block's embedded thumbnail lies.

#include "exif/exif_block.h"

#include <cstdint>
#include <optional>

namespace exif {

struct ThumbnailPlace {
    std::uint64_t start = 0; // block offset of the thumbnail's first byte
    std::uint64_t length = 0;
};

// JPEGInterchangeFormat and JPEGInterchangeFormatLength, each falling back to the maker note's
// ThumbnailImage (its value field and count). Nothing when either is missing, the start is 0
// or the length is too short for a JPEG's SOI.
[[nodiscard]] std::optional<ThumbnailPlace> FindThumbnail(const ExifBlock& block);

} // namespace exif
