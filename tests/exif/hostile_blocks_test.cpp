// Blocks whose offsets and counts point anywhere: every read stays inside, nothing crashes.

#include "exif/detail_report.h"
#include "exif/file_probes.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace exif;
using namespace fixture;

namespace {

class AHostileBlock : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::vector<std::uint8_t>& bytes,
                                const char* name = "hostile.jpg") {
        const auto path = sandbox.Path() / name;
        WriteFile(path, bytes);
        return path;
    }
    Sandbox sandbox;
};

int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace

TEST_F(AHostileBlock, ValuesOutsideTheBlockAreAbsentAndPrintTheirHeadOnly) {
    ExifContent content;
    content.ifd0 = {Raw(0x010F, fixture::kAscii, 0xFFFFFFFF, 0xFFFFFFF0),
                    Raw(0x0102, fixture::kShort, 0x80000000, 8),
                    Raw(0x011A, fixture::kRational, 1, 0xFFFFFFFC),
                    Raw(0x0111, fixture::kLong, 3, 0xFFFFFFFE),
                    Raw(0x0003, fixture::kSShort, 0xFFFFFFFF, 0xFFFFFFFF),
                    Raw(0x0110, fixture::kAscii, 300, 8000)};
    const auto path = Write(BuildJpeg(content).bytes);
    const auto block = LoadExifBlock(path);
    ASSERT_TRUE(block);
    for (const char* name : {"Make", "BitsPerSample", "XResolution", "StripOffsets", "Model"}) {
        const auto entry = FindEntry(*block, TagDictionary::Standard, name);
        ASSERT_TRUE(entry) << name;
        EXPECT_FALSE(EntryValue(*block, *entry, ValuePart::First)) << name;
        EXPECT_FALSE(EntryValue(*block, *entry, ValuePart::Second)) << name;
    }
    EXPECT_EQ(BuildDetailReport(block), "== IFD ==\r\n"
                                        "Make(A:4294967295):\r\n"
                                        "BitsPerSample(S:2147483648):\r\n"
                                        "XResolution(R:1):\r\n"
                                        "StripOffsets(L:3):\r\n"
                                        "$3(SS:4294967295):\r\n"
                                        "Model(A:300):\r\n");
    EXPECT_EQ(GetMakerNoteKind(*block), MakerNoteKind::None);
}

TEST_F(AHostileBlock, IfdChainsThatLoopEndAtTheFirstRepeat) {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON")};
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6})};
    content.ifd1Next = 8; // back to IFD0
    const std::string report = BuildDetailReport(LoadExifBlock(Write(BuildJpeg(content).bytes)));
    EXPECT_EQ(Count(report, "== IFD =="), 2);
    EXPECT_FALSE(FindEntry(*LoadExifBlock(Write(BuildJpeg(content).bytes)), TagDictionary::Standard,
                           "Artist"));

    Built selfLoop = BuildJpeg(content);
    content.ifd1Next = selfLoop.layout.ifd1;
    selfLoop = BuildJpeg(content);
    EXPECT_EQ(
        Count(BuildDetailReport(LoadExifBlock(Write(selfLoop.bytes, "self.jpg"))), "== IFD =="), 2);
}

TEST_F(AHostileBlock, IfdsAndSubIfdsOutsideTheBlockAreAbsent) {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON"), Ascii(0x0110, "E990")};
    content.exif = std::vector<Entry>{Rational(0x829D, 28, 10)};
    content.makerNote = MakerNote{MakerNoteLayout::Headerless, {Ascii(0x0004, "FINE  ")}};
    Built built = BuildJpeg(content);

    // The maker note pointing past the end: no maker-note section, no maker-note tag.
    Built farMakerNote = built;
    const std::size_t exifIfd = built.tiffStart + built.layout.exif;
    for (std::size_t i = 0; i < farMakerNote.bytes[exifIfd]; ++i) {
        const std::size_t entry = exifIfd + 2 + 12 * i;
        if (farMakerNote.bytes[entry] == 0x7C && farMakerNote.bytes[entry + 1] == 0x92) {
            PutU32(farMakerNote.bytes, entry + 8, 0xFFFFFFFF);
        }
    }
    const auto block = LoadExifBlock(Write(farMakerNote.bytes, "far-makernote.jpg"));
    ASSERT_TRUE(block);
    EXPECT_FALSE(FindEntry(*block, TagDictionary::MakerNote3, "Quality"));
    EXPECT_EQ(BuildDetailReport(block).find("== MakerNote =="), std::string::npos);

    // IFD0 past the end: nothing at all.
    Built farIfd0 = built;
    PutU32(farIfd0.bytes, built.tiffStart + 4, 0xFFFFFFF0);
    EXPECT_EQ(BuildDetailReport(LoadExifBlock(Write(farIfd0.bytes, "far-ifd0.jpg"))), "");

    // An entry count far beyond the block keeps the entries that lie inside.
    Built hugeCount = built;
    hugeCount.bytes[built.tiffStart + built.layout.ifd0] = 0xFF;
    hugeCount.bytes[built.tiffStart + built.layout.ifd0 + 1] = 0xFF;
    const std::string report = BuildDetailReport(LoadExifBlock(Write(hugeCount.bytes, "n.jpg")));
    EXPECT_EQ(report.substr(0, 29), "== IFD ==\r\nMake(A:6): NIKON\r\n");
}

TEST_F(AHostileBlock, EveryTruncationOfAFileIsReadWithoutHarm) {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON"), Ascii(0x0110, "E950")};
    content.exif =
        std::vector<Entry>{Rational(0x829D, 28, 10), Ascii(0x9003, "2000:01:01 00:00:00")};
    content.makerNote = MakerNote{MakerNoteLayout::NikonHeader, {Short(0x0003, {5})}};
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6})};
    content.thumbnail = EncodeJpeg(8, 8);
    const Built built = BuildJpeg(content, {.width = 16, .height = 8});
    const std::string full = BuildDetailReport(LoadExifBlock(Write(built.bytes, "full.jpg")));
    ASSERT_NE(full.find("SizeQuality(S:1): 5"), std::string::npos);

    for (std::size_t size = 0; size < built.bytes.size(); ++size) {
        const std::vector<std::uint8_t> cut(built.bytes.begin(),
                                            built.bytes.begin() + static_cast<long>(size));
        const auto path = Write(cut, "cut.jpg");
        const auto block = LoadExifBlock(path);
        const std::string report = BuildDetailReport(block);
        // Each entry line stands for 12 bytes of the block, each IFD header for 2 more, and a
        // cut link that points the Exif IFD back at the header lists IFD0's three entries
        // again: a walk that repeated itself or read outside would print more.
        const auto lines = static_cast<std::size_t>(Count(report, "\r\n"));
        EXPECT_LE(lines, block ? block->Bytes().size() / 12 + 8 : 0) << size;
        const auto imageSize = JpegImageSize(path);
        if (imageSize) {
            EXPECT_EQ(*imageSize, (ImageSize{16, 8})) << size;
        }
    }
}
