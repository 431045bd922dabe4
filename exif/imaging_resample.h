#pragma once

// Scaling a picture to an exact size. Reduction averages the covered area of the source, so
// fine detail turns into its mean tone instead of aliasing; enlargement interpolates linearly.

#include "exif/imaging.h"

#include <cstdint>

namespace exif {

// The picture stretched to width x height (both at least 1).
[[nodiscard]] Image Resample(const Image& source, std::uint32_t width, std::uint32_t height);

} // namespace exif
