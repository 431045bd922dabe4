#pragma once

// How a picture's stored pixels are turned and mirrored to be seen as the photographer saw
// them: the EXIF Orientation tag. Its eight values are the eight symmetries of a rectangle, so
// any two of them done one after the other are again one of them.

#include "exif/exif_block.h"

#include <cstdint>

namespace exif {

// In the order of the Orientation values 1 to 8 that ask for them. Turns are clockwise as the
// picture is seen; Transpose mirrors across the top-left to bottom-right diagonal, Transverse
// across the other one.
enum class PixelTransform : std::uint8_t {
    None,
    MirrorHorizontal,
    Rotate180,
    MirrorVertical,
    Transpose,
    Rotate90,
    Transverse,
    Rotate270,
};

// The transform an Orientation value asks for; None for any value outside 1 to 8.
[[nodiscard]] PixelTransform TransformOfOrientation(std::uint32_t orientation);

// The Orientation value (1 to 8) that asks for the transform.
[[nodiscard]] std::uint16_t OrientationOfTransform(PixelTransform transform);

// The transform that shows the block's picture upright: its IFD0 Orientation; None when the
// tag is missing, not a SHORT or outside 1 to 8.
[[nodiscard]] PixelTransform UprightTransform(const ExifBlock& block);

// `second` done after `first`.
[[nodiscard]] PixelTransform Then(PixelTransform first, PixelTransform second);

// The transform that undoes it.
[[nodiscard]] PixelTransform Inverse(PixelTransform transform);

// True when the transform makes the picture's width its height (the quarter turns and the two
// diagonal mirrors).
[[nodiscard]] bool SwapsSides(PixelTransform transform);

} // namespace exif
