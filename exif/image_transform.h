#pragma once

// A decoded picture turned or mirrored: the viewers and the album show each picture upright.

#include "exif/imaging.h"
#include "exif/orientation.h"

namespace exif {

// The picture with the transform done to its pixels; a quarter turn or a diagonal mirror
// swaps its width and height.
[[nodiscard]] Image Transformed(const Image& picture, PixelTransform transform);

} // namespace exif
