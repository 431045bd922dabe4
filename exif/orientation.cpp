#include "exif/orientation.h"

#include <array>
#include <cstddef>

namespace exif {
namespace {

// Each transform as the 2 x 2 matrix it applies to a point's place relative to the picture's
// centre, x to the right and y downwards: the new x is xx * x + xy * y, the new y yx * x + yy * y.
struct Matrix {
    int xx, xy, yx, yy;
    friend bool operator==(const Matrix&, const Matrix&) = default;
};

constexpr std::array<Matrix, 8> kMatrices{{
    {1, 0, 0, 1},   // None
    {-1, 0, 0, 1},  // MirrorHorizontal
    {-1, 0, 0, -1}, // Rotate180
    {1, 0, 0, -1},  // MirrorVertical
    {0, 1, 1, 0},   // Transpose
    {0, -1, 1, 0},  // Rotate90: the top-left corner goes to the top right
    {0, -1, -1, 0}, // Transverse
    {0, 1, -1, 0},  // Rotate270
}};

Matrix MatrixOf(PixelTransform transform) { return kMatrices[static_cast<std::size_t>(transform)]; }

PixelTransform TransformOf(const Matrix& matrix) {
    for (std::size_t i = 0; i < kMatrices.size(); ++i) {
        if (kMatrices[i] == matrix) {
            return static_cast<PixelTransform>(i);
        }
    }
    return PixelTransform::None; // unreachable: the eight matrices are closed under products
}

} // namespace

PixelTransform TransformOfOrientation(std::uint32_t orientation) {
    if (orientation < 1 || orientation > kMatrices.size()) {
        return PixelTransform::None;
    }
    return static_cast<PixelTransform>(orientation - 1);
}

std::uint16_t OrientationOfTransform(PixelTransform transform) {
    return static_cast<std::uint16_t>(static_cast<std::uint16_t>(transform) + 1);
}

PixelTransform UprightTransform(const ExifBlock& block) {
    const auto entry = FindEntry(block, TagDictionary::Standard, "Orientation");
    if (!entry || entry->type != kShort || entry->count != 1) {
        return PixelTransform::None;
    }
    return TransformOfOrientation(InlineShort(block, *entry, 0).value_or(0));
}

PixelTransform Then(PixelTransform first, PixelTransform second) {
    const Matrix a = MatrixOf(first);
    const Matrix b = MatrixOf(second);
    return TransformOf({b.xx * a.xx + b.xy * a.yx, b.xx * a.xy + b.xy * a.yy,
                        b.yx * a.xx + b.yy * a.yx, b.yx * a.xy + b.yy * a.yy});
}

PixelTransform Inverse(PixelTransform transform) {
    const Matrix m = MatrixOf(transform);
    return TransformOf({m.xx, m.yx, m.xy, m.yy});
}

bool SwapsSides(PixelTransform transform) { return MatrixOf(transform).xx == 0; }

} // namespace exif
