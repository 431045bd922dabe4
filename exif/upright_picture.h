#pragma once

// A picture file as a viewer shows it: decoded no larger than needed and turned upright as its
// EXIF Orientation says, once, before it is drawn or written. The preview, the slide show, the
// album and the presentation files read their pictures here. The EXIF thumbnail renewal does
// not: an embedded thumbnail stays as the sensor saw it, since the Orientation tag applies to
// it too.

#include "exif/imaging.h"
#include "exif/imaging_jpeg.h"
#include "exif/orientation.h"

#include <filesystem>
#include <optional>

namespace exif {

// A JPEG decoder, kept between files, that gives each picture upright.
class UprightDecoder {
public:
    // Reads a JPEG file's frame header and its Orientation. The size is the upright one: width
    // and height swapped for a quarter turn or a diagonal mirror. Nothing when the file is not
    // a JPEG libjpeg decodes; a file without EXIF data or with an Orientation outside 1 to 8 is
    // shown as stored.
    [[nodiscard]] std::optional<PictureSize> Open(const std::filesystem::path& path);

    // Decodes the opened picture at the smallest DCT scale whose upright size reaches `wanted`
    // both ways (full size when none does), then turns it upright.
    [[nodiscard]] std::optional<Image> Decode(PictureSize wanted);

private:
    JpegDecoder decoder_;
    PixelTransform transform_ = PixelTransform::None;
};

// ExifLoadImage turned upright: the whole picture of a JPEG or TIFF file.
[[nodiscard]] std::optional<Image> ExifLoadUprightImage(const std::filesystem::path& path);

// The size seen after the transform.
[[nodiscard]] PictureSize TransformedSize(PictureSize size, PixelTransform transform);

} // namespace exif
