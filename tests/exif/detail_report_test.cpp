#include "exif/detail_report.h"
#include "exif/tag_tables.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

using namespace exif;
using namespace fixture;

namespace {

std::vector<std::string> Lines(const std::string& report) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < report.size()) {
        const std::size_t end = report.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(report.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(report.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class ADetailReport : public ::testing::Test {
protected:
    std::string Report(const Built& built, const char* name = "photo.jpg") {
        const auto path = sandbox.Path() / name;
        WriteFile(path, built.bytes);
        return BuildDetailReport(LoadExifBlock(path));
    }
    Sandbox sandbox;
};

} // namespace

TEST(TagTables, HaveTheirRowsWithUniqueNames) {
    const std::pair<TagDictionary, std::size_t> tables[] = {{TagDictionary::Standard, 105},
                                                            {TagDictionary::MakerNote2, 12},
                                                            {TagDictionary::MakerNote3, 17}};
    for (const auto& [dictionary, size] : tables) {
        std::set<std::string_view> names;
        std::set<std::uint16_t> ids;
        for (const TagRow& row : TTagTable(dictionary)) {
            EXPECT_TRUE(names.insert(row.name).second) << row.name;
            EXPECT_TRUE(ids.insert(row.id).second) << row.name;
        }
        EXPECT_EQ(names.size(), size);
    }
    EXPECT_EQ(TagNameOf(TagDictionary::Standard, 0x8769), "ExifOffset");
    EXPECT_EQ(TagNameOf(TagDictionary::Standard, 0xA20E), "E FocalPlaneXResolution");
    EXPECT_EQ(TagNameOf(TagDictionary::MakerNote2, 0x0F00), "$f00 ???");
    EXPECT_EQ(TagNameOf(TagDictionary::MakerNote3, 0x0007), "AF-MODE");
    EXPECT_EQ(TagNameOf(TagDictionary::MakerNote3, 0x0F00), "");
    EXPECT_EQ(TagIdOf(TagDictionary::Standard, "IPTC/NAA"), 0x83BB);
    EXPECT_EQ(TagIdOf(TagDictionary::Standard, "SizeQuality"), std::nullopt);
}

TEST_F(ADetailReport, PrintsEachEntryWithNameTypeCountAndValues) {
    ExifContent content;
    content.ifd0 = {Short(0x0102, {8, 8, 8}),
                    Ascii(0x010F, "NIKON"),
                    Rational(0x011A, 300, 1),
                    Short(0x0128, {2}),
                    Short(0x0212, {2, 1}),
                    Long(0x0111, {5, 300}),
                    Byte(0x0001, {0xAB}),
                    SShort(0x0002, {-1}),
                    SShort(0x0003, {-1, 2, -3}),
                    SLong(0x0004, {-7}),
                    SLong(0x0005, {-7, 8}),
                    SRational(0x9204, -3, 10),
                    SByte(0x0006, {-2}),
                    Raw(0x0007, fixture::kFloat, 1, 0x3F800000),
                    Undefined(0xC4A5, {1, 2, 3, 4, 5, 6, 7, 8}),
                    Raw(0x0008, fixture::kShort, 0, 0),
                    Raw(0x0009, 99, 1, 0x10)};
    const std::vector<std::string> lines = Lines(Report(BuildJpeg(content)));
    const std::vector<std::string> expected = {
        "== IFD ==",
        "BitsPerSample(S:3): 8($8) 8($8) 8($8)",
        "Make(A:6): NIKON",
        "XResolution(R:1): 300/1",
        "ResolutionUnit(S:1): 2",
        "YCbCrSubSampling(S:2): 2 1",
        "StripOffsets(L:2): 5($5) 300($12c)",
        "$1(B:1): $ab",
        "$2(SS:1): 65535",
        "$3(SS:3): -1($ffffffff) 2($2) -3($fffffffd)",
        "$4(SL:1): -7",
        "$5(SL:2): -7($fffffff9) 8($8)",
        "ExposureBiasValue(SR:1): -3/10",
        "$6(SB:1): 254",
        "$7(F:1): $3f800000",
        "$c4a5(U:8): " + lines.at(15).substr(12),
        "$8(S:0):",
        "$9(?:1): $10",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(lines.at(15).substr(0, 13), "$c4a5(U:8): $");
}

TEST_F(ADetailReport, ShowsTheSectionsAFileHolds) {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON"), Ascii(0x0110, "E990")};
    content.exif = std::vector<Entry>{Rational(0x829D, 28, 10)};
    content.makerNote =
        MakerNote{MakerNoteLayout::Headerless,
                  {Ascii(0x0004, "FINE  "), Raw(0x0001, fixture::kUndefined, 4, 0x100)}};
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6})};
    content.thumbnail = EncodeJpeg(8, 8);
    const Built built = BuildJpeg(content);
    char makerNoteOffset[16];
    std::snprintf(makerNoteOffset, sizeof makerNoteOffset, "$%x", built.layout.makerNote);
    const std::vector<std::string> expected = {
        "== IFD ==",
        "Make(A:6): NIKON",
        "Model(A:5): E990",
        "ExifOffset(L:1): " + std::to_string(built.layout.exif),
        "== IFD ==",
        "Compression(S:1): 6",
        "JPEGInterchangeFormat(L:1): " + std::to_string(built.layout.thumbnail),
        "JPEGInterchangeFormatLength(L:1): " + std::to_string(content.thumbnail->size()),
        "== Exif ==",
        "FNumber(R:1): 28/10",
        "MakerNote",
        "== MakerNote ==",
        "Quality(A:7): FINE  ",
        "$1 ???"
        "(U:4): $100",
    };
    std::vector<std::string> lines = Lines(Report(built));
    ASSERT_EQ(lines.size(), expected.size());
    // The maker note's byte count is the builder's business; its offset is not.
    EXPECT_EQ(lines[10].substr(0, 12), "MakerNote(U:");
    EXPECT_EQ(lines[10].substr(lines[10].find("): ") + 3), makerNoteOffset);
    lines[10] = "MakerNote";
    EXPECT_EQ(lines, expected);

    // The E950 layout: 8 header bytes, then the IFD; named from the kind-2 dictionary.
    content.ifd0[1] = Ascii(0x0110, "E950");
    content.makerNote = MakerNote{MakerNoteLayout::NikonHeader, {Short(0x0003, {20})}};
    const std::vector<std::string> e950 = Lines(Report(BuildJpeg(content), "e950.jpg"));
    EXPECT_EQ(e950.at(e950.size() - 2), "== MakerNote ==");
    EXPECT_EQ(e950.back(), "SizeQuality(S:1): 20");

    // Another model's maker note is not decoded.
    content.ifd0[1] = Ascii(0x0110, "E995");
    const std::string e995 = Report(BuildJpeg(content), "e995.jpg");
    EXPECT_EQ(e995.find("== MakerNote =="), std::string::npos);
    EXPECT_NE(e995.find("== Exif =="), std::string::npos);
}

TEST_F(ADetailReport, IsEmptyWithoutABlockAndHasNoExifSectionWithoutTheLink) {
    EXPECT_EQ(BuildDetailReport(std::nullopt), "");
    const auto plain = sandbox.Path() / "plain.jpg";
    WriteFile(plain, EncodeJpeg(8, 8));
    EXPECT_EQ(BuildDetailReport(LoadExifBlock(plain)), "");

    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "Canon")};
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6})};
    const std::vector<std::string> lines = Lines(Report(BuildJpeg(content)));
    EXPECT_EQ(lines, (std::vector<std::string>{"== IFD ==", "Make(A:6): Canon",
                                               "== IFD ==", "Compression(S:1): 6"}));
}
