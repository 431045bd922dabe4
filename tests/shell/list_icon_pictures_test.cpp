// The icon pictures of a list row: both sizes from one decode of the embedded thumbnail,
// checked against the general resampler and against the thumbnail's own colours, and read from
// the photo files themselves.

#include "exif/imaging_jpeg.h"
#include "exif/imaging_resample.h"
#include "shell/list_icon_pictures.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <cstdlib>
#include <gtest/gtest.h>

using shell::DecodeIconPictures;

namespace {

// Left half red, right half blue, with a soft vertical ramp so no two rows are alike.
exif::Image TwoHalves(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> rgb;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const bool left = x < width / 2;
            const auto ramp = static_cast<std::uint8_t>(y * 60 / height);
            rgb.insert(rgb.end(), {static_cast<std::uint8_t>(left ? 230 : ramp), ramp,
                                   static_cast<std::uint8_t>(left ? ramp : 230)});
        }
    }
    return exif::Image(width, height, std::move(rgb));
}

std::vector<std::uint8_t> Jpeg(const exif::Image& picture) {
    return exif::EncodeJpeg(picture).value();
}

exif::Image Decoded(const std::vector<std::uint8_t>& jpeg) {
    exif::JpegDecoder decoder;
    const auto size = decoder.Open(jpeg).value();
    return decoder.Decode(size).value();
}

int Channel(const exif::Image& picture, std::uint32_t x, std::uint32_t y, int channel) {
    return picture.Row(y)[std::size_t{x} * 3 + static_cast<std::size_t>(channel)];
}

int LargestDifference(const exif::Image& a, const exif::Image& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.Pixels().size(); ++i) {
        largest = std::max(largest, std::abs(a.Pixels()[i] - b.Pixels()[i]));
    }
    return largest;
}

} // namespace

TEST(IconPictures, OfACameraThumbnailAreItsPictureAndItsAreaMeansAtOneQuarter) {
    const std::vector<std::uint8_t> jpeg = Jpeg(TwoHalves(160, 120));
    const auto icons = DecodeIconPictures(jpeg, {160, 120});
    ASSERT_TRUE(icons);
    const exif::Image full = Decoded(jpeg);
    ASSERT_EQ(icons->large.Width(), 160u);
    ASSERT_EQ(icons->large.Height(), 120u);
    EXPECT_EQ(LargestDifference(icons->large, full), 0) << "a thumbnail of the size is kept as is";

    ASSERT_EQ(icons->small.Width(), 40u);
    ASSERT_EQ(icons->small.Height(), 30u);
    // The general resampler's area average, up to its rounding between passes.
    EXPECT_LE(LargestDifference(icons->small, exif::Resample(full, 40, 30)), 1);
    EXPECT_GT(Channel(icons->small, 2, 15, 0), 200);
    EXPECT_LT(Channel(icons->small, 2, 15, 2), 80);
    EXPECT_GT(Channel(icons->small, 37, 15, 2), 200);
    EXPECT_LT(Channel(icons->small, 37, 15, 0), 80);
}

TEST(IconPictures, SmallIconsAreAreaMeansAtEveryPowerOfTwoRatio) {
    for (std::uint32_t shift = 1; shift <= 4; ++shift) {
        const exif::PictureSize size{40u << shift, 30u << shift};
        SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
        const std::vector<std::uint8_t> jpeg = Jpeg(TwoHalves(size.width, size.height));
        const auto icons = DecodeIconPictures(jpeg, size);
        ASSERT_TRUE(icons);
        ASSERT_EQ(icons->small.Width(), 40u);
        ASSERT_EQ(icons->small.Height(), 30u);
        EXPECT_LE(LargestDifference(icons->small, exif::Resample(Decoded(jpeg), 40, 30)), 1);
    }
}

TEST(IconPictures, StretchLandscapeThumbnailsOfOtherSizesAndShapesToBothIconSizes) {
    struct Case {
        std::uint32_t width, height, largeWidth, largeHeight;
    };
    for (const Case c : {Case{160, 120, 80, 60}, Case{320, 240, 160, 120}, Case{96, 72, 160, 120},
                         Case{160, 90, 80, 60}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const auto icons =
            DecodeIconPictures(Jpeg(TwoHalves(c.width, c.height)), {c.largeWidth, c.largeHeight});
        ASSERT_TRUE(icons);
        EXPECT_EQ(icons->small.Width(), 40u);
        EXPECT_EQ(icons->small.Height(), 30u);
        EXPECT_EQ(icons->large.Width(), c.largeWidth);
        EXPECT_EQ(icons->large.Height(), c.largeHeight);
        // The halves stay on their sides at both sizes.
        for (const exif::Image* icon : {&icons->small, &icons->large}) {
            const std::uint32_t middle = icon->Height() / 2;
            EXPECT_GT(Channel(*icon, 1, middle, 0), 180);
            EXPECT_GT(Channel(*icon, icon->Width() - 2, middle, 2), 180);
        }
    }
}

// A portrait thumbnail at Orientation 1 (a picture turned without loss, say) keeps its shape,
// centred on white, instead of being squashed into the landscape icons.
TEST(IconPictures, KeepAPortraitThumbnailsShapeCentredOnWhite) {
    const auto icons = DecodeIconPictures(Jpeg(TwoHalves(120, 160)), {160, 120});
    ASSERT_TRUE(icons);
    for (const exif::Image* icon : {&icons->small, &icons->large}) {
        const std::uint32_t width = icon->Width();
        const std::uint32_t middle = icon->Height() / 2;
        SCOPED_TRACE(std::to_string(width));
        for (const std::uint32_t margin : {1u, width - 2}) {
            for (int channel = 0; channel < 3; ++channel) {
                EXPECT_GT(Channel(*icon, margin, middle, channel), 240);
            }
        }
        // The picture is three quarters of the icon wide: its halves on either side of the middle.
        EXPECT_GT(Channel(*icon, width * 3 / 8, middle, 0), 180);
        EXPECT_LT(Channel(*icon, width * 3 / 8, middle, 2), 80);
        EXPECT_GT(Channel(*icon, width * 5 / 8, middle, 2), 180);
        EXPECT_LT(Channel(*icon, width * 5 / 8, middle, 0), 80);
    }
}

TEST(IconPictures, AreAbsentForBytesThatAreNoJpegOrAnEmptyIconSize) {
    const std::vector<std::uint8_t> jpeg = fixture::EncodeJpeg(16, 12);
    EXPECT_TRUE(DecodeIconPictures(jpeg, {160, 120}));
    EXPECT_FALSE(DecodeIconPictures(jpeg, {0, 120}));
    EXPECT_FALSE(DecodeIconPictures(jpeg, {160, 0}));
    EXPECT_FALSE(DecodeIconPictures({}, {160, 120}));
    const std::vector<std::uint8_t> text{'n', 'o', 't', ' ', 'a', ' ', 'J', 'P', 'E', 'G'};
    EXPECT_FALSE(DecodeIconPictures(text, {160, 120}));
    const std::vector<std::uint8_t> soiOnly{0xFF, 0xD8};
    EXPECT_FALSE(DecodeIconPictures(soiOnly, {160, 120}));
}

TEST(IconPictures, OfAPhotoFileComeFromItsEmbeddedThumbnailOrNotAtAll) {
    fixture::Sandbox sandbox;
    fixture::ExifContent content;
    content.ifd0 = {fixture::Ascii(0x010F, "Maker")};
    content.ifd1 = std::vector<fixture::Entry>{};
    content.thumbnail = Jpeg(TwoHalves(160, 120));
    const auto withThumbnail = sandbox.Path() / "DSCN0001.JPG";
    fixture::WriteFile(withThumbnail, fixture::BuildJpeg(content, {640, 480}).bytes);
    const auto plain = sandbox.Path() / "plain.jpg";
    fixture::WriteFile(plain, fixture::EncodeJpeg(640, 480));

    const auto icons = shell::ReadIconPictures(withThumbnail, {80, 60});
    ASSERT_TRUE(icons);
    EXPECT_EQ(
        LargestDifference(icons->large, DecodeIconPictures(*content.thumbnail, {80, 60})->large),
        0);
    EXPECT_FALSE(shell::ReadIconPictures(plain, {80, 60})) << "no EXIF data, no icon";
    EXPECT_FALSE(shell::ReadIconPictures(sandbox.Path() / "gone.jpg", {80, 60}));
}
