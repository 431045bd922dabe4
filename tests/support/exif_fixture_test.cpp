#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <sys/wait.h>

using namespace fixture;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint16_t U16(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

std::uint32_t U32(const Bytes& bytes, std::size_t at) {
    return U16(bytes, at) | (static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16);
}

std::string Text(const Bytes& bytes, std::size_t at, std::size_t size) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + size)};
}

// Offset of entry `index` of the IFD at `ifd`.
std::size_t EntryAt(std::uint32_t ifd, std::size_t index) {
    return ifd + 2 + 12 * index;
}

// Tag name to value, as `exiftool -n -s` prints them ("Make      : NIKON").
std::map<std::string, std::string> ExiftoolTags(const std::filesystem::path& file) {
    const ToolRun run = RunTool("exiftool -n -s " + Quoted(file) + " 2>&1");
    std::map<std::string, std::string> tags;
    std::size_t start = 0;
    while (start < run.output.size()) {
        std::size_t end = run.output.find('\n', start);
        end = end == std::string::npos ? run.output.size() : end;
        const std::string line = run.output.substr(start, end - start);
        const std::size_t colon = line.find(" : ");
        if (colon != std::string::npos) {
            tags[line.substr(0, line.find(' '))] = line.substr(colon + 3);
        }
        start = end + 1;
    }
    return tags;
}

Bytes Chars(std::string_view text) {
    return {text.begin(), text.end()};
}

// A camera file as a Nikon of the given model writes it, with the tags exiftool -validate
// wants in a JPEG, every IFD in tag order.
ExifContent CameraContent(std::string_view model, MakerNote note) {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON"),
                    Ascii(0x0110, model),
                    Short(0x0112, {1}),
                    Rational(0x011A, 300, 1),
                    Rational(0x011B, 300, 1),
                    Short(0x0128, {2}),
                    Ascii(0x0132, "2001:02:03 04:05:06"),
                    Short(0x0213, {2})};
    content.exif = std::vector<Entry>{Rational(0x829A, 1, 125),
                                      Rational(0x829D, 28, 10),
                                      Undefined(0x9000, Chars("0220")),
                                      Ascii(0x9003, "2001:02:03 04:05:06"),
                                      Ascii(0x9004, "2001:02:03 04:05:06"),
                                      Undefined(0x9101, {1, 2, 3, 0}),
                                      Undefined(0xA000, Chars("0100")),
                                      Short(0xA001, {1}),
                                      Long(0xA002, {64}),
                                      Long(0xA003, {48})};
    content.makerNote = std::move(note);
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6}), Rational(0x011A, 72, 1),
                                      Rational(0x011B, 72, 1), Short(0x0128, {2})};
    content.thumbnail = EncodeJpeg(16, 12);
    return content;
}

MakerNote E950MakerNote() {
    return {MakerNoteLayout::NikonHeader,
            {Short(0x0003, {2}), Short(0x0004, {1}), Short(0x0007, {3}), Rational(0x000A, 150, 100),
             Ascii(0x0F00, "some longer text")}};
}

MakerNote E990MakerNote() {
    return {MakerNoteLayout::Headerless,
            {Short(0x0002, {0, 100}), Ascii(0x0003, "COLOR"), Ascii(0x0004, "FINE  "),
             Ascii(0x0005, "AUTO        "), Rational(0x0085, 2590, 100)}};
}

} // namespace

TEST(BuildTiff, WritesHeaderAndEntriesInGivenOrderValuesInlineOrBehindTheIfd) {
    ExifContent content;
    content.ifd0 = {Ascii(0x0131, "ABC"), Ascii(0x010F, "NIKON"), Short(0x0112, {6})};
    const Built built = BuildTiff(content);
    const Bytes& bytes = built.bytes;

    EXPECT_EQ(Text(bytes, 0, 2), "II");
    EXPECT_EQ(U16(bytes, 2), 42);
    EXPECT_EQ(U32(bytes, 4), 8u);
    EXPECT_EQ(built.layout.ifd0, 8u);
    EXPECT_EQ(built.tiffStart, 0u);
    ASSERT_EQ(U16(bytes, 8), 3);

    // Software "ABC" with its NUL fits in the value field.
    EXPECT_EQ(U16(bytes, EntryAt(8, 0)), 0x0131);
    EXPECT_EQ(U16(bytes, EntryAt(8, 0) + 2), kAscii);
    EXPECT_EQ(U32(bytes, EntryAt(8, 0) + 4), 4u);
    EXPECT_EQ(Text(bytes, EntryAt(8, 0) + 8, 4), std::string("ABC\0", 4));

    // Make "NIKON" (6 bytes) lies behind the IFD: 8 + 2 + 3 * 12 + 4 = 50.
    EXPECT_EQ(U16(bytes, EntryAt(8, 1)), 0x010F);
    EXPECT_EQ(U32(bytes, EntryAt(8, 1) + 4), 6u);
    EXPECT_EQ(U32(bytes, EntryAt(8, 1) + 8), 50u);
    EXPECT_EQ(Text(bytes, 50, 6), std::string("NIKON\0", 6));

    EXPECT_EQ(U16(bytes, EntryAt(8, 2)), 0x0112);
    EXPECT_EQ(U16(bytes, EntryAt(8, 2) + 2), kShort);
    EXPECT_EQ(U32(bytes, EntryAt(8, 2) + 8), 6u);
    EXPECT_EQ(U32(bytes, EntryAt(8, 3)), 0u); // no next IFD
    EXPECT_EQ(bytes.size(), 56u);
}

TEST(BuildTiff, AlignsValuesAndEncodesEveryNumberType) {
    ExifContent content;
    content.ifd0 = {Byte(0x0001, {1, 2, 3, 4, 5}),
                    Short(0x0002, {8, 8, 8}),
                    SShort(0x0003, {-2, 3}),
                    SLong(0x0004, {-1}),
                    Rationals(0x0005, {{1, 2}, {3, 4}}),
                    SRational(0x0006, -5, 7),
                    SByte(0x0007, {-1})};
    const Bytes bytes = BuildTiff(content).bytes;
    const std::uint32_t bytesAt = U32(bytes, EntryAt(8, 0) + 8);
    EXPECT_EQ(Text(bytes, bytesAt, 5), "\x01\x02\x03\x04\x05");
    const std::uint32_t shortsAt = U32(bytes, EntryAt(8, 1) + 8);
    EXPECT_EQ(shortsAt % 2, 0u) << "5 bytes of BYTE values must be followed by a pad byte";
    EXPECT_EQ(shortsAt, bytesAt + 6);
    EXPECT_EQ(U16(bytes, shortsAt + 4), 8);
    EXPECT_EQ(U32(bytes, EntryAt(8, 2) + 8), 0x0003FFFEu);
    EXPECT_EQ(U32(bytes, EntryAt(8, 3) + 8), 0xFFFFFFFFu);
    const std::uint32_t rationalsAt = U32(bytes, EntryAt(8, 4) + 8);
    EXPECT_EQ(U32(bytes, EntryAt(8, 4) + 4), 2u);
    EXPECT_EQ(U32(bytes, rationalsAt + 12), 4u);
    EXPECT_EQ(U32(bytes, EntryAt(8, 5) + 4), 1u);
    EXPECT_EQ(U32(bytes, U32(bytes, EntryAt(8, 5) + 8)), static_cast<std::uint32_t>(-5));
    EXPECT_EQ(U32(bytes, EntryAt(8, 6) + 8), 0xFFu);
}

TEST(BuildTiff, LinksExifIfdMakerNotesIfd1AndThumbnail) {
    for (const MakerNote& note : {E950MakerNote(), E990MakerNote()}) {
        const ExifContent content = CameraContent("E950", note);
        const Built built = BuildTiff(content);
        const Bytes& bytes = built.bytes;
        const Layout& layout = built.layout;

        // ExifOffset goes in tag order: after YCbCrPositioning (0x213), the last of 8 entries.
        ASSERT_EQ(U16(bytes, 8), 9);
        EXPECT_EQ(U16(bytes, EntryAt(8, 8)), kExifOffsetTag);
        EXPECT_EQ(U32(bytes, EntryAt(8, 8) + 8), layout.exif);
        EXPECT_EQ(U32(bytes, EntryAt(8, 9)), layout.ifd1) << "IFD0 links to IFD1";

        // MakerNote (0x927C) goes between ExposureTime.. DateTimeDigitized.. and FlashPixVersion.
        ASSERT_EQ(U16(bytes, layout.exif), 11);
        const std::size_t makerEntry = EntryAt(layout.exif, 6);
        EXPECT_EQ(U16(bytes, makerEntry), kMakerNoteTag);
        EXPECT_EQ(U16(bytes, makerEntry + 2), kUndefined);
        EXPECT_EQ(U32(bytes, makerEntry + 8), layout.makerNote);
        EXPECT_EQ(U32(bytes, EntryAt(layout.exif, 11)), 0u);

        const bool header = note.layout == MakerNoteLayout::NikonHeader;
        if (header) {
            EXPECT_EQ(Text(bytes, layout.makerNote, 8), std::string("Nikon\0\1\0", 8));
        }
        const std::uint32_t makerIfd = layout.makerNote + (header ? 8 : 0);
        ASSERT_EQ(U16(bytes, makerIfd), 5);
        // The last maker entry's value lies inside the maker note, its offset counted from the
        // TIFF header; the note's count covers IFD and values.
        const std::uint32_t lastValue = U32(bytes, EntryAt(makerIfd, 4) + 8);
        const std::uint32_t makerEnd = layout.makerNote + U32(bytes, makerEntry + 4);
        EXPECT_GT(lastValue, EntryAt(makerIfd, 5));
        EXPECT_LE(lastValue + 8, makerEnd);
        EXPECT_LE(makerEnd, layout.ifd1);

        EXPECT_EQ(U16(bytes, layout.ifd1), 6);
        EXPECT_EQ(U16(bytes, EntryAt(layout.ifd1, 4)), kThumbnailOffsetTag);
        EXPECT_EQ(U32(bytes, EntryAt(layout.ifd1, 4) + 8), layout.thumbnail);
        EXPECT_EQ(U16(bytes, EntryAt(layout.ifd1, 5)), kThumbnailLengthTag);
        EXPECT_EQ(U32(bytes, EntryAt(layout.ifd1, 5) + 8), content.thumbnail->size());
        EXPECT_EQ(U32(bytes, EntryAt(layout.ifd1, 6)), 0u);
        EXPECT_EQ(Bytes(bytes.begin() + layout.thumbnail, bytes.end()), *content.thumbnail);
    }
}

TEST(BuildTiff, WritesHostileFieldsVerbatim) {
    ExifContent content;
    content.ifd0 = {Raw(0x010F, kAscii, 6, 0xFFFFFFF0), AsciiFixed(0x0110, "E990", 4),
                    AsciiFixed(0x0131, "AB", 6)};
    content.ifd1 = std::vector<Entry>{};
    content.ifd1Next = 8;
    content.version = 41;
    const Built built = BuildTiff(content);
    const Bytes& bytes = built.bytes;

    EXPECT_EQ(Text(bytes, 0, 4), std::string("II\x29\0", 4));
    EXPECT_EQ(U32(bytes, EntryAt(8, 0) + 4), 6u);
    EXPECT_EQ(U32(bytes, EntryAt(8, 0) + 8), 0xFFFFFFF0u);
    EXPECT_EQ(Text(bytes, EntryAt(8, 1) + 8, 4), "E990") << "no room for a terminator";
    EXPECT_EQ(Text(bytes, U32(bytes, EntryAt(8, 2) + 8), 6), std::string("AB\0\0\0\0", 6));
    EXPECT_EQ(U16(bytes, built.layout.ifd1), 0);
    EXPECT_EQ(U32(bytes, built.layout.ifd1 + 2), 8u) << "IFD1 loops back to IFD0";
}

TEST(BuildTiff, TurnsEveryNumberButNoTextInABigEndianBlock) {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON"), Short(0x0112, {6}), Long(0x0100, {0x01020304}),
                    Rational(0x011A, 300, 1), Undefined(0x9000, {'0', '2', '2', '0'})};
    content.bigEndian = true;
    const Bytes bytes = BuildTiff(content).bytes;
    const auto big16 = [&](std::size_t at) { return bytes.at(at) << 8 | bytes.at(at + 1); };
    const auto big32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(big16(at)) << 16 | static_cast<std::uint32_t>(big16(at + 2));
    };
    EXPECT_EQ(Text(bytes, 0, 8), std::string("MM\0\x2A\0\0\0\x08", 8));
    EXPECT_EQ(big16(8), 5);
    EXPECT_EQ(big16(EntryAt(8, 1)), 0x0112);
    EXPECT_EQ(big16(EntryAt(8, 1) + 2), kShort);
    EXPECT_EQ(big32(EntryAt(8, 1) + 4), 1u);
    EXPECT_EQ(big16(EntryAt(8, 1) + 8), 6) << "a SHORT lies in the field's first two bytes";
    EXPECT_EQ(big32(EntryAt(8, 2) + 8), 0x01020304u);
    const std::uint32_t rational = big32(EntryAt(8, 3) + 8);
    EXPECT_EQ(big32(rational), 300u);
    EXPECT_EQ(big32(rational + 4), 1u);
    EXPECT_EQ(Text(bytes, big32(EntryAt(8, 0) + 8), 6), std::string("NIKON\0", 6));
    EXPECT_EQ(Text(bytes, EntryAt(8, 4) + 8, 4), "0220") << "UNDEFINED bytes stay as given";
}

TEST(BuildTiff, RefusesPartsWithNothingToHoldThem) {
    ExifContent makerNoteAlone;
    makerNoteAlone.makerNote = E990MakerNote();
    EXPECT_THROW((void)BuildTiff(makerNoteAlone), std::invalid_argument);
    ExifContent thumbnailAlone;
    thumbnailAlone.thumbnail = Bytes{0xFF, 0xD8};
    EXPECT_THROW((void)BuildTiff(thumbnailAlone), std::invalid_argument);
    EXPECT_THROW((void)AsciiFixed(0x010F, "NIKON", 4), std::invalid_argument);
}

TEST(BuildJpeg, PutsTheTiffBlockInAnApp1SegmentAtOffset12) {
    const ExifContent content = CameraContent("E950", E950MakerNote());
    const Bytes tiff = BuildTiff(content).bytes;
    const Built jpeg = BuildJpeg(content);
    const Bytes& bytes = jpeg.bytes;

    EXPECT_EQ(Text(bytes, 0, 4), "\xFF\xD8\xFF\xE1");
    EXPECT_EQ((bytes[4] << 8) | bytes[5], static_cast<int>(tiff.size() + 8));
    EXPECT_EQ(Text(bytes, 6, 6), std::string("Exif\0\0", 6));
    EXPECT_EQ(jpeg.tiffStart, 12u);
    EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 12 + tiff.size()), tiff);
    EXPECT_EQ(jpeg.layout.exif, BuildTiff(content).layout.exif);
    EXPECT_EQ(bytes[12 + tiff.size()], 0xFF) << "the next segment follows the APP1 at once";
    EXPECT_NE(bytes[12 + tiff.size() + 1], 0xE0) << "the encoder's APP0 is dropped";
}

TEST(BuildJpeg, PutsApp0FirstOrFillBytesBeforeMarkersOnRequest) {
    const ExifContent content = CameraContent("E950", E950MakerNote());
    const std::size_t tiffSize = BuildTiff(content).bytes.size();

    const Built app0First = BuildJpeg(content, {.app0First = true});
    const Bytes& withApp0 = app0First.bytes;
    EXPECT_EQ(Text(withApp0, 0, 4), "\xFF\xD8\xFF\xE0");
    EXPECT_EQ(Text(withApp0, 6, 5), std::string("JFIF\0", 5));
    const std::size_t app1 = 4 + ((withApp0[4] << 8) | withApp0[5]);
    EXPECT_EQ(Text(withApp0, app1, 2), "\xFF\xE1");
    EXPECT_EQ(app0First.tiffStart, app1 + 10);

    const Bytes filled = BuildJpeg(content, {.fillBytesBeforeMarkers = true}).bytes;
    EXPECT_EQ(Text(filled, 0, 4), "\xFF\xD8\xFF\xE1") << "no fill byte before the APP1";
    EXPECT_EQ(Text(filled, 12 + tiffSize, 3), "\xFF\xFF\xDB");
}

class BuiltFilesInterop : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"exiftool", "djpeg"}) {
            if (!HaveTool(tool)) {
                GTEST_SKIP() << tool << " is not installed (scripts/deps installs it)";
            }
        }
    }

    std::filesystem::path Write(const std::string& name, const Built& built) {
        const std::filesystem::path path = sandbox_.Path() / name;
        WriteFile(path, built.bytes);
        return path;
    }

    Sandbox sandbox_;
};

TEST_F(BuiltFilesInterop, ExiftoolReadsStandardTagsAndHeaderMakerNote) {
    const auto file = Write("e950.jpg", BuildJpeg(CameraContent("E950", E950MakerNote())));
    auto tags = ExiftoolTags(file);
    EXPECT_EQ(tags["Make"], "NIKON");
    EXPECT_EQ(tags["Model"], "E950");
    EXPECT_EQ(tags["XResolution"], "300");
    EXPECT_EQ(tags["DateTimeOriginal"], "2001:02:03 04:05:06");
    EXPECT_EQ(tags["ExposureTime"], "0.008");
    EXPECT_EQ(tags["FNumber"], "2.8");
    EXPECT_EQ(tags["WhiteBalance"], "3");
    EXPECT_EQ(tags["DigitalZoom"], "1.5") << "a maker value behind the maker IFD";
    EXPECT_EQ(tags["ImageWidth"], "64");
    EXPECT_EQ(tags.count("Warning"), 0u) << tags["Warning"];
}

TEST_F(BuiltFilesInterop, ExiftoolReadsHeaderlessMakerNote) {
    const auto file = Write("e990.jpg", BuildJpeg(CameraContent("E990", E990MakerNote())));
    auto tags = ExiftoolTags(file);
    EXPECT_EQ(tags["Model"], "E990");
    EXPECT_EQ(tags["ISO"], "0 100");
    EXPECT_EQ(tags["Quality"], "FINE");
    EXPECT_EQ(tags["WhiteBalance"], "AUTO");
    EXPECT_EQ(tags["ManualFocusDistance"], "25.9") << "a maker value behind the maker IFD";
    EXPECT_EQ(tags.count("Warning"), 0u) << tags["Warning"];
}

TEST_F(BuiltFilesInterop, ExiftoolExtractsTheThumbnailBytes) {
    const ExifContent content = CameraContent("E990", E990MakerNote());
    const auto file = Write("thumb.jpg", BuildJpeg(content));
    const ToolRun run = RunTool("exiftool -b -ThumbnailImage " + Quoted(file));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(Bytes(run.output.begin(), run.output.end()), *content.thumbnail);
}

TEST_F(BuiltFilesInterop, ExiftoolValidatesWellFormedFilesWithoutComplaint) {
    for (const MakerNote& note : {E950MakerNote(), E990MakerNote()}) {
        const auto file = Write("valid.jpg", BuildJpeg(CameraContent("E950", note)));
        const ToolRun run =
            RunTool("exiftool -validate -warning -error -a -s " + Quoted(file) + " 2>&1");
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, "Validate                        : OK\n");
    }
}

TEST_F(BuiltFilesInterop, DjpegDecodesEveryVariantWithoutWarnings) {
    const ExifContent content = CameraContent("E950", E950MakerNote());
    const std::vector<std::pair<std::string, JpegOptions>> variants = {
        {"plain.jpg", {.width = 40, .height = 30}},
        {"app0.jpg", {.app0First = true}},
        {"filled.jpg", {.fillBytesBeforeMarkers = true}},
    };
    for (const auto& [name, options] : variants) {
        const auto file = Write(name, BuildJpeg(content, options));
        const ToolRun run = RunTool("djpeg -pnm " + Quoted(file) + " 2>&1 >/dev/null");
        EXPECT_EQ(run.exitCode, 0) << name;
        EXPECT_EQ(run.output, "") << name;
        const ToolRun header = RunTool("djpeg -pnm " + Quoted(file) + " | head -c 15");
        EXPECT_EQ(header.output.substr(0, header.output.find('\n', 3)),
                  "P6\n" + std::to_string(options.width) + " " + std::to_string(options.height))
            << name;
        EXPECT_EQ(ExiftoolTags(file)["Make"], "NIKON") << name;
    }
}

TEST(Sandbox, CopiesSamplesWritableAndRemovesItselfWithTheCopies) {
    const std::optional<std::filesystem::path> samples = SamplesDir();
    if (!samples) {
        GTEST_SKIP() << "no sample folder beside the checkout";
    }
    std::filesystem::path root;
    {
        const Sandbox sandbox;
        root = sandbox.Path();
        const std::filesystem::path copy = sandbox.CopySample("real/Nikon_E990.jpg");
        EXPECT_EQ(copy, root / "Nikon_E990.jpg");
        EXPECT_EQ(std::filesystem::file_size(copy),
                  std::filesystem::file_size(*samples / "real/Nikon_E990.jpg"));
        const auto permissions = std::filesystem::status(copy).permissions();
        EXPECT_NE(permissions & std::filesystem::perms::owner_write, std::filesystem::perms::none);
        EXPECT_THROW((void)sandbox.CopySample("real/no such file.jpg"),
                     std::filesystem::filesystem_error);
    }
    EXPECT_FALSE(std::filesystem::exists(root));
}
