#pragma once

// Small real pictures for tests that need image data a decoder accepts.

#include <cstdint>
#include <vector>

namespace fixture {

// A baseline JFIF JPEG of width x height (1..65500 each) with a visible pattern: a red-green
// gradient under a checkerboard of 8-pixel squares. Throws std::invalid_argument on bad sizes
// and std::runtime_error when the encoder fails.
[[nodiscard]] std::vector<std::uint8_t> EncodeJpeg(int width, int height, int quality = 85);

// A baseline JFIF JPEG of width x height, mid grey with its top-left third (both ways) pure red,
// so that a test can tell where a turned picture's first corner went. As EncodeJpeg.
[[nodiscard]] std::vector<std::uint8_t> EncodeMarkedJpeg(int width, int height);

} // namespace fixture
