#pragma once

// Camera-like JPEG files for the benchmark: SOI, an APP1 "Exif" segment with IFD0, the Exif IFD
// and IFD1 with a 160 x 120 JPEG thumbnail, then the picture at camera quality.

#include "exif/imaging.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// The APP1 segment's content ("Exif\0\0" and the little-endian TIFF block) of a picture.
[[nodiscard]] std::vector<std::uint8_t> ExifSegment(std::uint32_t width, std::uint32_t height,
                                                    const std::string& dateTime,
                                                    const std::vector<std::uint8_t>& thumbnail);

// The picture encoded at the quality, 4:2:0, with the APP1 segment first.
[[nodiscard]] std::vector<std::uint8_t> CameraJpeg(const exif::Image& picture, int quality,
                                                   const std::vector<std::uint8_t>& app1);

} // namespace bench
