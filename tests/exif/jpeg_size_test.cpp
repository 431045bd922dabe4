#include "exif/file_probes.h"
#include "platform/file_error.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace exif;
using namespace fixture;

namespace {

class AJpegImageSize : public ::testing::Test {
protected:
    std::optional<ImageSize> SizeOf(const std::vector<std::uint8_t>& bytes) {
        const auto path = sandbox.Path() / "picture.jpg";
        WriteFile(path, bytes);
        return JpegImageSize(path);
    }
    Sandbox sandbox;
};

ExifContent SmallContent() {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON")};
    return content;
}

} // namespace

TEST_F(AJpegImageSize, ReadsTheBaselineAndProgressiveFrameHeaders) {
    const Built built = BuildJpeg(SmallContent(), {.width = 640, .height = 480});
    EXPECT_EQ(SizeOf(built.bytes), (ImageSize{640, 480}));

    // The same file with its frame marked progressive.
    std::vector<std::uint8_t> progressive = built.bytes;
    for (std::size_t i = 0; i + 1 < progressive.size(); ++i) {
        if (progressive[i] == 0xFF && progressive[i + 1] == 0xC0) {
            progressive[i + 1] = 0xC2;
            break;
        }
    }
    EXPECT_EQ(SizeOf(progressive), (ImageSize{640, 480}));

    // A camera may put 0xFF fill bytes before a marker.
    const Built filled =
        BuildJpeg(SmallContent(), {.width = 640, .height = 480, .fillBytesBeforeMarkers = true});
    EXPECT_EQ(SizeOf(filled.bytes), (ImageSize{640, 480}));
}

TEST_F(AJpegImageSize, FindsNothingAfterTheScanOrInABrokenSegmentChain) {
    // SOI, APP1 of length 8, SOS, then a frame header that comes too late.
    const std::vector<std::uint8_t> frameAfterScan = {
        0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x08, 'E',  'x',  'i',  'f',  0,    0,    0xFF, 0xDA,
        0x00, 0x04, 0x00, 0x00, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0x01, 0xE0, 0x02, 0x80, 0x03};
    EXPECT_EQ(SizeOf(frameAfterScan), std::nullopt);

    // A segment length below 2 would never move on.
    const std::vector<std::uint8_t> zeroLength = {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x02,
                                                  0xFF, 0xE2, 0x00, 0x00, 0xFF, 0xC0};
    EXPECT_EQ(SizeOf(zeroLength), std::nullopt);

    // A chain that runs off the end of the file, and a file too short to hold anything.
    const std::vector<std::uint8_t> offTheEnd = {0xFF, 0xD8, 0xFF, 0xE1, 0x00,
                                                 0x02, 0xFF, 0xE2, 0x7F, 0xF0};
    EXPECT_EQ(SizeOf(offTheEnd), std::nullopt);
    EXPECT_EQ(SizeOf({0xFF, 0xD8}), std::nullopt);

    EXPECT_THROW((void)JpegImageSize(sandbox.Path() / "missing.jpg"), platform::FileError);
}
