#include "exif/upright_picture.h"

#include "exif/exif_block.h"
#include "exif/image_transform.h"
#include "platform/file_error.h"

namespace exif {
namespace {

// The file's Orientation; a file whose EXIF data cannot be read is shown as stored, as the
// decoder is the one to say whether its picture can be.
PixelTransform UprightTransformOf(const std::filesystem::path& path) {
    try {
        const std::optional<ExifBlock> block = LoadExifBlock(path);
        return block ? UprightTransform(*block) : PixelTransform::None;
    } catch (const platform::FileError&) {
        return PixelTransform::None;
    }
}

std::optional<Image> TurnedUpright(std::optional<Image> picture, PixelTransform transform) {
    if (!picture || transform == PixelTransform::None) {
        return picture;
    }
    return Transformed(*picture, transform);
}

} // namespace

PictureSize TransformedSize(PictureSize size, PixelTransform transform) {
    return SwapsSides(transform) ? PictureSize{size.height, size.width} : size;
}

std::optional<PictureSize> UprightDecoder::Open(const std::filesystem::path& path) {
    const std::optional<PictureSize> stored = decoder_.Open(path);
    if (!stored) {
        return std::nullopt;
    }
    transform_ = UprightTransformOf(path);
    return TransformedSize(*stored, transform_);
}

std::optional<Image> UprightDecoder::Decode(PictureSize wanted) {
    // The transform's inverse swaps the same sides as the transform.
    return TurnedUpright(decoder_.Decode(TransformedSize(wanted, transform_)), transform_);
}

std::optional<Image> ExifLoadUprightImage(const std::filesystem::path& path) {
    return TurnedUpright(ExifLoadImage(path), UprightTransformOf(path));
}

} // namespace exif
