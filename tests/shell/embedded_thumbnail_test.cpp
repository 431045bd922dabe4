// The embedded thumbnail's bytes: where each kind of file keeps them, and the places a hostile
// file may claim for them.

#include "exif/exif_block.h"
#include "shell/embedded_thumbnail.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace fixture;

namespace {

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kThumbnailImage = 0x0100;

class AnEmbeddedThumbnail : public ::testing::Test {
protected:
    std::optional<std::vector<std::uint8_t>> Read(const std::string& name, const Built& built) {
        const auto path = sandbox.Path() / name;
        WriteFile(path, built.bytes);
        const auto block = exif::LoadExifBlock(path);
        if (!block) {
            throw std::runtime_error("no block in " + name);
        }
        return shell::ReadEmbeddedThumbnail(*block, path);
    }
    // IFD1 with the two thumbnail tags given verbatim.
    static ExifContent Claiming(std::uint32_t offset, std::uint32_t length) {
        ExifContent content;
        content.ifd0 = {Ascii(kMake, "Maker")};
        content.ifd1 = std::vector<Entry>{Long(kThumbnailOffsetTag, {offset}),
                                          Long(kThumbnailLengthTag, {length})};
        return content;
    }
    Sandbox sandbox;
    const std::vector<std::uint8_t> thumbnail = EncodeJpeg(16, 12);
};

TEST_F(AnEmbeddedThumbnail, ComesFromIfd1OfAJpegAndOfABareTiff) {
    ExifContent content;
    content.ifd0 = {Ascii(kMake, "Maker")};
    content.ifd1 = std::vector<Entry>{};
    content.thumbnail = thumbnail;
    EXPECT_EQ(Read("photo.JPG", BuildJpeg(content)), thumbnail);
    EXPECT_EQ(Read("photo.tif", BuildTiff(content)), thumbnail);
    // Big-endian, and behind the segments an editor puts first.
    content.bigEndian = true;
    const Built behind = BuildJpeg(content, {.app0First = true, .segmentsBeforeExif = {XmpSegment()}});
    EXPECT_EQ(Read("behind.JPG", behind), thumbnail);
    EXPECT_EQ(Read("behind.tif", BuildTiff(content)), thumbnail);
}

TEST_F(AnEmbeddedThumbnail, OfAFileCutShortInsideItsExifSegmentIsAbsent) {
    ExifContent content;
    content.ifd0 = {Ascii(kMake, "Maker")};
    content.ifd1 = std::vector<Entry>{};
    content.thumbnail = thumbnail;
    const Built built = BuildJpeg(content);
    // The block keeps the segment's length and holds zeros past the file's end.
    const std::size_t thumbnailEnd = built.tiffStart + built.layout.thumbnail + thumbnail.size();
    Built whole = built;
    whole.bytes.resize(thumbnailEnd);
    EXPECT_EQ(Read("whole.jpg", whole), thumbnail);
    Built cut = built;
    cut.bytes.resize(thumbnailEnd - 1);
    EXPECT_EQ(Read("cut.jpg", cut), std::nullopt);
}

TEST_F(AnEmbeddedThumbnail, FallsBackToTheMakerNoteOfAnE990) {
    ExifContent content;
    content.ifd0 = {Ascii(kMake, "NIKON"), Ascii(kModel, "E990")};
    content.exif = std::vector<Entry>{};
    content.makerNote =
        MakerNote{MakerNoteLayout::Headerless, {Undefined(kThumbnailImage, thumbnail)}};
    EXPECT_EQ(Read("nikon.jpg", BuildJpeg(content)), thumbnail);
}

TEST_F(AnEmbeddedThumbnail, IsAbsentWithoutTagsOrWhereTheTagsPointAtNoJpeg) {
    ExifContent none;
    none.ifd0 = {Ascii(kMake, "Maker")};
    EXPECT_EQ(Read("none.jpg", BuildJpeg(none)), std::nullopt);

    ExifContent content;
    content.ifd0 = {Ascii(kMake, "Maker")};
    content.ifd1 = std::vector<Entry>{};
    content.thumbnail = thumbnail;
    const Built built = BuildJpeg(content);
    const std::uint32_t start = built.layout.thumbnail;
    const auto size = static_cast<std::uint32_t>(thumbnail.size());

    EXPECT_EQ(Read("zero.jpg", BuildJpeg(Claiming(0, size))), std::nullopt);
    EXPECT_EQ(Read("nosoi.jpg", BuildJpeg(Claiming(8, size))), std::nullopt);
    const auto fileSize = static_cast<std::uint32_t>(built.bytes.size());
    EXPECT_EQ(Read("past.jpg", BuildJpeg(Claiming(start, fileSize))), std::nullopt);
    EXPECT_EQ(Read("wrap.jpg", BuildJpeg(Claiming(0xFFFFFFF0u, 0x20))), std::nullopt);
    EXPECT_EQ(Read("huge.jpg", BuildJpeg(Claiming(start, shell::kMaxThumbnailBytes + 1))),
              std::nullopt);
    EXPECT_EQ(Read("short.jpg", BuildJpeg(Claiming(start, 1))), std::nullopt);
}

} // namespace
