#include "exif/imaging.h"
#include "exif/imaging_jpeg.h"
#include "exif/imaging_resample.h"
#include "tests/exif/writer_test_tools.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>
#include <tiffio.h>

using namespace exif;
using writer_test::ReadAll;

namespace {

std::filesystem::path WritePicture(const fixture::Sandbox& box, const std::string& name, int width,
                                   int height) {
    const auto path = box.Path() / name;
    fixture::WriteFile(path, fixture::EncodeJpeg(width, height));
    return path;
}

Image Checkerboard(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> rgb(std::size_t{width} * height * 3);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t tone = (x + y) % 2 == 0 ? 0 : 255;
            for (int c = 0; c < 3; ++c) {
                rgb[(std::size_t{y} * width + x) * 3 + c] = tone;
            }
        }
    }
    return Image(width, height, std::move(rgb));
}

void WriteTiff(const std::filesystem::path& path, std::uint32_t width, std::uint32_t height,
               const std::vector<std::uint8_t>& rgb) {
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    ASSERT_NE(tiff, nullptr);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, height);
    for (std::uint32_t y = 0; y < height; ++y) {
        auto* row = const_cast<std::uint8_t*>(rgb.data() + std::size_t{y} * width * 3);
        ASSERT_EQ(TIFFWriteScanline(tiff, row, y, 0), 1);
    }
    TIFFClose(tiff);
}

} // namespace

TEST(MakeThumbnailJpeg, HeightZeroKeepsTheAspectTruncating) {
    const fixture::Sandbox box;
    const auto large = WritePicture(box, "large.jpg", 1600, 1200);
    ASSERT_TRUE(MakeThumbnailJpeg(large, box.Path() / "copy.jpg", 640, 0));
    const auto copy = ExifLoadImage(box.Path() / "copy.jpg");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Width(), 640u);
    EXPECT_EQ(copy->Height(), 480u);

    // 10 * 33 / 100 = 3.3: the height is truncated to 3.
    const auto wide = WritePicture(box, "wide.jpg", 100, 33);
    ASSERT_TRUE(MakeThumbnailJpeg(wide, box.Path() / "narrow.jpg", 10, 0));
    const auto narrow = ExifLoadImage(box.Path() / "narrow.jpg");
    ASSERT_TRUE(narrow);
    EXPECT_EQ(narrow->Width(), 10u);
    EXPECT_EQ(narrow->Height(), 3u);
}

TEST(MakeThumbnailJpeg, StretchesThePictureToTheWholeRectangle) {
    const fixture::Sandbox box;
    const auto source = WritePicture(box, "source.jpg", 64, 48);
    ASSERT_TRUE(MakeThumbnailJpeg(source, box.Path() / "stretched.jpg", 200, 20));
    const auto stretched = ExifLoadImage(box.Path() / "stretched.jpg");
    ASSERT_TRUE(stretched);
    EXPECT_EQ(stretched->Width(), 200u);
    EXPECT_EQ(stretched->Height(), 20u);
}

TEST(MakeThumbnailJpeg, WritesNothingWhenThereIsNoPicture) {
    const fixture::Sandbox box;
    const auto text = box.Path() / "notes.jpg";
    fixture::WriteFile(text, std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'});
    const auto garbage = box.Path() / "garbage.jpg";
    fixture::WriteFile(garbage, std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE0, 0, 2, 1, 2, 3});
    const auto output = box.Path() / "out.jpg";

    EXPECT_FALSE(MakeThumbnailJpeg(text, output, 160, 120));
    EXPECT_FALSE(MakeThumbnailJpeg(garbage, output, 160, 120));
    EXPECT_FALSE(MakeThumbnailJpeg(box.Path() / "missing.jpg", output, 160, 120));
    EXPECT_FALSE(std::filesystem::exists(output));

    // An existing output stays as it was.
    fixture::WriteFile(output, std::vector<std::uint8_t>{1, 2, 3});
    EXPECT_FALSE(MakeThumbnailJpeg(garbage, output, 160, 120));
    EXPECT_EQ(ReadAll(output), (writer_test::Bytes{1, 2, 3}));
    EXPECT_EQ(writer_test::FilesIn(box.Path()).size(), 3u);
}

TEST(MakeThumbnailJpeg, WritesNothingForASizeOfZero) {
    const fixture::Sandbox box;
    const auto flat = WritePicture(box, "flat.jpg", 1000, 5);
    EXPECT_FALSE(MakeThumbnailJpeg(flat, box.Path() / "a.jpg", 0, 10));
    EXPECT_FALSE(MakeThumbnailJpeg(flat, box.Path() / "b.jpg", 10, 0)); // 10 * 5 / 1000 = 0
    EXPECT_FALSE(std::filesystem::exists(box.Path() / "a.jpg"));
    EXPECT_FALSE(std::filesystem::exists(box.Path() / "b.jpg"));
}

TEST(MakeThumbnailJpeg, ReadsTiffPictures) {
    const fixture::Sandbox box;
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 8 * 6; ++i) {
        rgb.insert(rgb.end(), {static_cast<std::uint8_t>(i * 5), 100, 200});
    }
    const auto tiff = box.Path() / "picture.tif";
    WriteTiff(tiff, 8, 6, rgb);
    const auto loaded = ExifLoadImage(tiff);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Width(), 8u);
    EXPECT_EQ(loaded->Height(), 6u);
    EXPECT_TRUE(std::equal(rgb.begin(), rgb.end(), loaded->Pixels().begin()));

    ASSERT_TRUE(MakeThumbnailJpeg(tiff, box.Path() / "from-tiff.jpg", 16, 0));
    const auto copy = ExifLoadImage(box.Path() / "from-tiff.jpg");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Height(), 12u);
}

TEST(MakeThumbnailJpeg, DamagedPicturesGiveAPictureOrNothing) {
    const fixture::Sandbox box;
    auto bytes = fixture::EncodeJpeg(320, 240);
    bytes.resize(bytes.size() / 2);
    const auto truncated = box.Path() / "truncated.jpg";
    fixture::WriteFile(truncated, bytes);
    const auto output = box.Path() / "out.jpg";
    if (MakeThumbnailJpeg(truncated, output, 160, 120)) {
        const auto copy = ExifLoadImage(output);
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->Width(), 160u);
    } else {
        EXPECT_FALSE(std::filesystem::exists(output));
    }
}

TEST(JpegDecoder, DecodesAtTheSmallestScaleThatCoversTheTarget) {
    const fixture::Sandbox box;
    const auto large = WritePicture(box, "large.jpg", 1600, 1200);
    JpegDecoder decoder;
    struct Case {
        PictureSize wanted;
        std::uint32_t width;
        std::uint32_t height;
    };
    for (const Case& c : {Case{{160, 120}, 200, 150}, Case{{640, 480}, 800, 600},
                          Case{{1600, 1}, 1600, 1200}, Case{{4000, 3000}, 1600, 1200}}) {
        const auto full = decoder.Open(large);
        ASSERT_TRUE(full);
        EXPECT_EQ(full->width, 1600u);
        const auto picture = decoder.Decode(c.wanted);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), c.width);
        EXPECT_EQ(picture->Height(), c.height);
    }
    EXPECT_FALSE(decoder.Open(box.Path() / "missing.jpg"));
}

TEST(Resample, AveragesFineDetailInsteadOfAliasing) {
    const Image reduced = Resample(Checkerboard(301, 203), 97, 61);
    ASSERT_EQ(reduced.Pixels().size(), 97u * 61 * 3);
    std::uint64_t total = 0;
    for (const std::uint8_t value : reduced.Pixels()) {
        EXPECT_NEAR(value, 128, 24);
        total += value;
    }
    EXPECT_NEAR(static_cast<double>(total) / reduced.Pixels().size(), 127.5, 1.5);
}

TEST(Resample, KeepsFlatAreasExact) {
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < 50 * 40; ++i) {
        rgb.insert(rgb.end(), {10, 200, 30});
    }
    const Image flat(50, 40, rgb);
    for (const auto& [width, height] :
         {std::pair{7u, 9u}, std::pair{50u, 40u}, std::pair{131u, 77u}}) {
        const Image scaled = Resample(flat, width, height);
        for (std::size_t i = 0; i < scaled.Pixels().size(); i += 3) {
            ASSERT_EQ(scaled.Pixels()[i], 10);
            ASSERT_EQ(scaled.Pixels()[i + 1], 200);
            ASSERT_EQ(scaled.Pixels()[i + 2], 30);
        }
    }
}

TEST(Resample, EnlargesWithoutOvershoot) {
    const Image board = Checkerboard(4, 4);
    const Image large = Resample(board, 13, 11);
    EXPECT_EQ(large.Width(), 13u);
    const auto [low, high] = std::minmax_element(large.Pixels().begin(), large.Pixels().end());
    EXPECT_EQ(*low, 0);
    EXPECT_EQ(*high, 255);
}

TEST(Image, RefusesPixelsThatDoNotMatchItsSize) {
    EXPECT_THROW(Image(2, 2, std::vector<std::uint8_t>(11)), std::invalid_argument);
}

TEST(ExifLoadImage, ReadsCameraFiles) {
    const auto samples = fixture::SamplesDir();
    if (!samples) {
        GTEST_SKIP() << "no sample folder (LUMARO_SAMPLES_DIR)";
    }
    const auto picture = ExifLoadImage(*samples / "real/Nikon_E990.jpg");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 2048u);
    EXPECT_EQ(picture->Height(), 1536u);
    EXPECT_FALSE(ExifLoadImage(*samples / "README.md"));
}
