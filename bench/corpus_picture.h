#pragma once

// Natural-looking pictures for the benchmark corpus: soft shapes of several sizes with sharp
// borders, colour that drifts across the frame and sensor grain, so that they compress like
// camera photographs rather than like flat test patterns.

#include "exif/imaging.h"

#include <cstdint>

namespace bench {

[[nodiscard]] exif::Image MakeScene(std::uint32_t width, std::uint32_t height, std::uint32_t seed);

} // namespace bench
