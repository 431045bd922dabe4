#pragma once

// The pictures of a file-list row's icons, made from its embedded JPEG thumbnail without any
// window: one decode at the smallest DCT scale that still covers the large icon, then both
// icon sizes from that one picture (stretched; the aspect ratio is not kept). Every icon of the
// list is made here, from the file to its two pictures.

#include "exif/imaging.h"
#include "exif/imaging_jpeg.h"

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

// None when the bytes are not a JPEG picture libjpeg decodes or `large` has a side of 0. The
// decoded picture is dropped before this returns; only the two icon pictures are kept.
[[nodiscard]] std::optional<IconPictures> DecodeIconPictures(std::span<const std::uint8_t> jpeg,
                                                             exif::PictureSize large);

// The icon pictures of a photo file, from the thumbnail embedded in its EXIF data. None when
// the file has no EXIF data or no thumbnail the decoder reads, or cannot be read at all (the
// row then shows the placeholder). The file's block and thumbnail are gone when this returns.
[[nodiscard]] std::optional<IconPictures> ReadIconPictures(const std::filesystem::path& file,
                                                           exif::PictureSize large);

} // namespace shell
