#include "exif/image_transform.h"
#include "exif/orientation.h"
#include "tests/support/exif_fixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace exif;

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;

// A 3 x 2 picture whose every pixel is its own index, so each one can be followed.
Image Numbered() {
    std::vector<std::uint8_t> rgb;
    for (std::uint8_t i = 0; i < 6; ++i) {
        rgb.push_back(i);
        rgb.push_back(static_cast<std::uint8_t>(i + 10));
        rgb.push_back(static_cast<std::uint8_t>(i + 20));
    }
    return Image(3, 2, std::move(rgb));
}

std::uint8_t At(const Image& picture, std::uint32_t x, std::uint32_t y) {
    return picture.Row(y)[3 * x];
}

struct Seen {
    std::uint32_t x, y;
};

// Where a viewer shows the stored pixel (x, y) of a 3 x 2 picture, as the EXIF standard words
// each Orientation: which visual side the stored 0th row and 0th column become.
const std::function<Seen(std::uint32_t, std::uint32_t)> kShownAt[8] = {
    [](auto x, auto y) { return Seen{x, y}; },         // 1: row 0 top, column 0 left
    [](auto x, auto y) { return Seen{2 - x, y}; },     // 2: row 0 top, column 0 right
    [](auto x, auto y) { return Seen{2 - x, 1 - y}; }, // 3: row 0 bottom, column 0 right
    [](auto x, auto y) { return Seen{x, 1 - y}; },     // 4: row 0 bottom, column 0 left
    [](auto x, auto y) { return Seen{y, x}; },         // 5: row 0 left, column 0 top
    [](auto x, auto y) { return Seen{1 - y, x}; },     // 6: row 0 right, column 0 top
    [](auto x, auto y) { return Seen{1 - y, 2 - x}; }, // 7: row 0 right, column 0 bottom
    [](auto x, auto y) { return Seen{y, 2 - x}; },     // 8: row 0 left, column 0 bottom
};

TEST(Orientation, EachValueShowsTheStoredPixelsWhereTheStandardPutsThem) {
    const Image stored = Numbered();
    for (std::uint16_t value = 1; value <= 8; ++value) {
        for (const bool bigEndian : {false, true}) {
            fixture::ExifContent content;
            content.ifd0 = {fixture::Short(kOrientationTag, {value})};
            content.bigEndian = bigEndian;
            const ExifBlock block(fixture::BuildTiff(content).bytes);
            const PixelTransform transform = UprightTransform(block);
            EXPECT_EQ(OrientationOfTransform(transform), value) << "big-endian " << bigEndian;

            const Image shown = Transformed(stored, transform);
            ASSERT_EQ(shown.Width(), value >= 5 ? 2u : 3u) << "Orientation " << value;
            for (std::uint32_t y = 0; y < 2; ++y) {
                for (std::uint32_t x = 0; x < 3; ++x) {
                    const Seen at = kShownAt[value - 1](x, y);
                    EXPECT_EQ(At(shown, at.x, at.y), At(stored, x, y))
                        << "Orientation " << value << ", stored pixel " << x << "," << y;
                }
            }
            EXPECT_EQ(shown.Row(0)[1], At(shown, 0, 0) + 10) << "channels stay together";
        }
    }
    for (const std::uint16_t odd : {0, 9, 0xFFFF}) {
        fixture::ExifContent content;
        content.ifd0 = {fixture::Short(kOrientationTag, {odd})};
        EXPECT_EQ(UprightTransform(ExifBlock(fixture::BuildTiff(content).bytes)), PixelTransform::None);
    }
    EXPECT_EQ(UprightTransform(ExifBlock(fixture::BuildTiff({}).bytes)), PixelTransform::None);
}

TEST(Orientation, TransformsComposeAsTheirPixelsDo) {
    const Image stored = Numbered();
    for (std::uint16_t a = 1; a <= 8; ++a) {
        const PixelTransform first = TransformOfOrientation(a);
        EXPECT_EQ(Then(first, Inverse(first)), PixelTransform::None);
        EXPECT_EQ(SwapsSides(first), a >= 5);
        for (std::uint16_t b = 1; b <= 8; ++b) {
            const PixelTransform second = TransformOfOrientation(b);
            const Image twice = Transformed(Transformed(stored, first), second);
            const Image once = Transformed(stored, Then(first, second));
            EXPECT_TRUE(std::ranges::equal(twice.Pixels(), once.Pixels()))
                << "Orientation " << a << " then " << b;
        }
    }
}

} // namespace
