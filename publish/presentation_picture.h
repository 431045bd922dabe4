#pragma once

// The picture of a presentation file: the source fitted into 640 x 480 with its aspect kept and
// centred on black, so that every slide has the projector's size and no photo is distorted.

#include "exif/upright_picture.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace publish {

inline constexpr exif::PictureSize kPresentationSize{640, 480};

// The picture upright, as its EXIF Orientation says, as a JPEG of quality 85 (no EXIF data);
// nothing when the source is not a picture this program reads.
[[nodiscard]] std::optional<std::vector<std::uint8_t>>
PresentationPicture(const std::filesystem::path& source, exif::UprightDecoder& decoder);

} // namespace publish
