#include "exif/image_transform.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace exif {
namespace {

// Where the pixel at (x, y) of a w x h picture lands: a start and the steps a move of one
// column and of one row of the source makes in the target, counted in pixels.
struct Walk {
    std::ptrdiff_t start;
    std::ptrdiff_t column;
    std::ptrdiff_t row;
};

Walk WalkOf(PixelTransform transform, std::ptrdiff_t w, std::ptrdiff_t h) {
    // Targets are w x h, or h x w where the sides swap; each line names the corner the source's
    // first pixel goes to and the directions its rows and columns then run.
    switch (transform) {
    case PixelTransform::None:
        return {0, 1, w};
    case PixelTransform::MirrorHorizontal:
        return {w - 1, -1, w};
    case PixelTransform::Rotate180:
        return {w * h - 1, -1, -w};
    case PixelTransform::MirrorVertical:
        return {(h - 1) * w, 1, -w};
    case PixelTransform::Transpose: // target h wide
        return {0, h, 1};
    case PixelTransform::Rotate90:
        return {h - 1, h, -1};
    case PixelTransform::Transverse:
        return {w * h - 1, -h, -1};
    case PixelTransform::Rotate270:
        return {(w - 1) * h, -h, 1};
    }
    return {0, 1, w};
}

} // namespace

Image Transformed(const Image& picture, PixelTransform transform) {
    if (transform == PixelTransform::None) {
        return picture;
    }
    const auto w = static_cast<std::ptrdiff_t>(picture.Width());
    const auto h = static_cast<std::ptrdiff_t>(picture.Height());
    const Walk walk = WalkOf(transform, w, h);
    const std::uint8_t* source = picture.Pixels().data();
    std::vector<std::uint8_t> rgb(picture.Pixels().size());
    for (std::ptrdiff_t y = 0; y < h; ++y) {
        std::ptrdiff_t target = walk.start + y * walk.row;
        for (std::ptrdiff_t x = 0; x < w; ++x, target += walk.column, source += 3) {
            std::uint8_t* pixel = rgb.data() + 3 * target;
            pixel[0] = source[0];
            pixel[1] = source[1];
            pixel[2] = source[2];
        }
    }
    if (SwapsSides(transform)) {
        return Image(picture.Height(), picture.Width(), std::move(rgb));
    }
    return Image(picture.Width(), picture.Height(), std::move(rgb));
}

} // namespace exif
