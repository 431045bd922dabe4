// Loading a block from a JPEG file: a block longer than the first read comes whole, a short one
// and a short file too, and the block knows the size and time of its file, which the summary
// shows without examining the file again.

#include "exif/exif_block.h"
#include "exif/file_probes.h"
#include "exif/summary_values.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using namespace fixture;

// A block of about `commentBytes` plus the IFDs, with its thumbnail behind the comment.
Built PhotoWithComment(std::size_t commentBytes) {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON"), Ascii(0x0110, "E990")};
    content.exif =
        std::vector<Entry>{Undefined(0x9286, std::vector<std::uint8_t>(commentBytes, 'x'))};
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6})};
    content.thumbnail = std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xD9};
    return BuildJpeg(content);
}

TEST(ALoadedBlock, HoldsTheWholeSegmentWhateverItsLength) {
    const Sandbox box;
    for (const std::size_t comment : {std::size_t{100}, std::size_t{8000}, std::size_t{20000}}) {
        const Built built = PhotoWithComment(comment);
        const fs::path file = box.Path() / ("photo" + std::to_string(comment) + ".jpg");
        WriteFile(file, built.bytes);
        const auto block = exif::LoadExifBlock(file);
        ASSERT_TRUE(block) << comment;
        // The block is the segment's TIFF data: its length field counts itself and "Exif\0\0".
        const std::size_t length = std::size_t{built.bytes[4]} << 8 | built.bytes[5];
        const auto expected = std::span(built.bytes).subspan(12, length - 8);
        ASSERT_EQ(block->Bytes().size(), expected.size()) << comment;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), block->Bytes().begin()))
            << comment;
        EXPECT_EQ(exif::SummaryValue(block, exif::SummaryFieldId::Model, file), "E990");
    }
}

TEST(ALoadedBlock, KnowsItsFileAndTheSummaryUsesIt) {
    const Sandbox box;
    const fs::path file = box.Path() / "DSCN0001.JPG";
    WriteFile(file, PhotoWithComment(3000).bytes);
    const auto block = exif::LoadExifBlock(file);
    ASSERT_TRUE(block && block->File());
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(block->File()->size, static_cast<std::uint64_t>(status.st_size));
    EXPECT_EQ(block->File()->lastWrite, status.st_mtime);

    const std::uint64_t kilobytes = (fs::file_size(file) + 512) / 1024;
    EXPECT_EQ(exif::SummaryValue(block, exif::SummaryFieldId::FileSize, file),
              std::to_string(kilobytes) + " KB");
    // Without DateTimeOriginal the shooting date is the file's time.
    EXPECT_EQ(exif::SummaryValue(block, exif::SummaryFieldId::ShotDate, file),
              exif::FileDateText(file));
    // A block made from bytes alone knows no file.
    EXPECT_FALSE(
        exif::ExifBlock(std::vector<std::uint8_t>(block->Bytes().begin(), block->Bytes().end()))
            .File());
}

} // namespace
