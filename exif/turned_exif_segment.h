#pragma once

// The EXIF segment of a picture turned losslessly: its tags made to describe the new picture.

#include "exif/jpeg_transform.h"
#include "exif/orientation.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace exif {

// The APP1 "Exif" segment (from its marker on) with Orientation 1, ExifImageWidth and
// ExifImageLength (and IFD0's ImageWidth and ImageLength where present) set to the new size,
// and the embedded thumbnail turned by the same transform: losslessly when its size allows,
// else decoded, turned and encoded again. Every other byte is kept; the thumbnail's bytes and
// the segment's length may change when only zero padding lies behind the thumbnail (the
// padding is then cut, as the rebuild with a new thumbnail does); with data behind it (a maker
// note's preview image) the turned thumbnail takes the old one's room and nothing moves. A
// thumbnail that is no readable JPEG stays as it was. Throws platform::FileRefused when the
// turned thumbnail does not fit that room, and platform::FileError naming the file when the
// thumbnail does not lie inside the segment or the new segment would exceed 65535 bytes.
[[nodiscard]] std::vector<std::uint8_t> TurnedExifSegment(std::span<const std::uint8_t> segment,
                                                          PixelTransform transform,
                                                          const JpegFrame& newSize,
                                                          const std::filesystem::path& file);

} // namespace exif
