#pragma once

// The pictures of a file-list row's icons, made from its embedded JPEG thumbnail without any
// window: one decode at the smallest DCT scale that still covers the large icon, turned upright
// as the file's Orientation says, then both icon sizes from that one picture. A picture that
// keeps its sides is stretched to the icons (the aspect ratio is not kept); one turned on its
// side is fitted inside them with its aspect kept, centred on white. Every icon of the list is
// made here, from the file to its two pictures.

#include "exif/imaging.h"
#include "exif/imaging_jpeg.h"
#include "exif/orientation.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace shell {

// The report view's icons.
inline constexpr exif::PictureSize kSmallIconPicture{40, 30};

// The icon view's icons: 80 x 60 when the setting ListThumbSize is on, else 160 x 120.
[[nodiscard]] exif::PictureSize LargeIconPicture(bool listThumbSize);

struct IconPictures {
    exif::Image small; // kSmallIconPicture
    exif::Image large; // the size asked for
};

// The icons of a thumbnail stored as the sensor saw it, turned by `upright`. None when the
// bytes are not a JPEG picture libjpeg decodes or `large` has a side of 0. The decoded picture
// is dropped before this returns; only the two icon pictures are kept.
[[nodiscard]] std::optional<IconPictures>
DecodeIconPictures(std::span<const std::uint8_t> jpeg, exif::PictureSize large,
                   exif::PixelTransform upright = exif::PixelTransform::None);

// The icon pictures of a photo file, from the thumbnail embedded in its EXIF data, upright as
// its Orientation says (as stored when it has none or one outside 1 to 8). None when
// the file has no EXIF data or no thumbnail the decoder reads, or cannot be read at all (the
// row then shows the placeholder). The file's block and thumbnail are gone when this returns.
[[nodiscard]] std::optional<IconPictures> ReadIconPictures(const std::filesystem::path& file,
                                                           exif::PictureSize large);

} // namespace shell
