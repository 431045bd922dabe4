#include "exif/exif_block.h"
#include "exif/file_probes.h"
#include "platform/file_error.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace exif;
using namespace fixture;

namespace {

class AReader : public ::testing::Test {
protected:
    std::filesystem::path Write(const std::string& name, const Built& built) {
        const auto path = sandbox.Path() / name;
        WriteFile(path, built.bytes);
        return path;
    }
    ExifBlock Load(const std::string& name, const Built& built) {
        auto block = LoadExifBlock(Write(name, built));
        if (!block) {
            throw std::runtime_error("no block in " + name);
        }
        return std::move(*block);
    }
    Sandbox sandbox;
};

std::int64_t Integer(const ExifBlock& block, std::string_view name,
                     ValuePart part = ValuePart::First,
                     TagDictionary dictionary = TagDictionary::Standard) {
    const auto entry = FindEntry(block, dictionary, name);
    if (!entry) {
        throw std::runtime_error("no entry " + std::string(name));
    }
    return std::get<std::int64_t>(EntryValue(block, *entry, part).value());
}

std::string Text(const ExifBlock& block, std::string_view name, ValuePart part = ValuePart::First,
                 TagDictionary dictionary = TagDictionary::Standard) {
    const auto entry = FindEntry(block, dictionary, name);
    if (!entry) {
        throw std::runtime_error("no entry " + std::string(name));
    }
    return std::get<std::string>(EntryValue(block, *entry, part).value());
}

ExifContent CameraContent() {
    ExifContent content;
    content.ifd0 = {Ascii(0x010F, "NIKON"), Ascii(0x0110, "E990"), Rational(0x011A, 72, 1),
                    Ascii(0x0132, "2000:12:31 09:05:07")};
    content.exif = std::vector<Entry>{Rational(0x829A, 1, 125), Rational(0x829D, 28, 10),
                                      Ascii(0x9003, "2000:12:30 10:18:16")};
    content.ifd1 = std::vector<Entry>{Short(0x0103, {6}), Rational(0x011A, 300, 1)};
    content.thumbnail = EncodeJpeg(16, 12);
    return content;
}

} // namespace

TEST_F(AReader, RecognisesJpegNamesWithoutRegardToCase) {
    EXPECT_TRUE(IsJpegName("a/DSCN0001.JPG"));
    EXPECT_TRUE(IsJpegName("a/dscn0001.jpg"));
    EXPECT_TRUE(IsJpegName("a/x.Jpg"));
    EXPECT_FALSE(IsJpegName("a/x.jpeg"));
    EXPECT_FALSE(IsJpegName("a/x.tif"));
    EXPECT_FALSE(IsJpegName("a/JPG"));
    EXPECT_TRUE(IsJpegName("x.JPG"));
    // A name of only a leading dot and JPG has no extension.
    EXPECT_FALSE(IsJpegName("a/.JPG"));
    EXPECT_FALSE(IsJpegName(".jpg"));
}

TEST_F(AReader, TakesTheTiffDataOfTheFirstExifSegmentOrElse8192Bytes) {
    const Built built = BuildJpeg(CameraContent());
    const std::size_t app1Length = built.bytes[4] << 8 | built.bytes[5];
    EXPECT_EQ(Load("exif.jpg", built).Bytes().size(), app1Length - 8) << "without \"Exif\\0\\0\"";

    // An APP1 that is not "Exif" is passed by, even with a TIFF header where one would be.
    Built notExif = built;
    notExif.bytes[6] = 'X';
    EXPECT_FALSE(LoadExifBlock(Write("notexif.jpg", notExif)));
    // The first "Exif" segment that opens with a TIFF header is the one.
    JpegOptions noHeaderFirst;
    noHeaderFirst.segmentsBeforeExif = {Segment(0xE1, std::string("Exif\0\0XX\0\0", 10))};
    EXPECT_EQ(Text(Load("second.jpg", BuildJpeg(CameraContent(), noHeaderFirst)), "Model"), "E990");
    JpegOptions emptyFirst;
    emptyFirst.segmentsBeforeExif = {Segment(0xE1, std::string("Exif\0\0II\x2A\0\x08\0\0\0", 14))};
    EXPECT_TRUE(Load("first.jpg", BuildJpeg(CameraContent(), emptyFirst)).StandardEntries().empty());

    // A bare TIFF, and a ".jpeg" name, are read from offset 0.
    EXPECT_EQ(Load("bare.tif", BuildTiff(CameraContent())).Bytes().size(), 8192u);
    EXPECT_EQ(Text(Load("bare.jpeg", BuildTiff(CameraContent())), "Model"), "E990");
    EXPECT_FALSE(LoadExifBlock(Write("picture.jpeg", built)));
}

TEST_F(AReader, RefusesOldVersionsAndSegmentsThatDoNotHoldATiffHeader) {
    ExifContent oldVersion = CameraContent();
    oldVersion.version = 41;
    EXPECT_FALSE(LoadExifBlock(Write("v41.jpg", BuildJpeg(oldVersion))));

    // An "Exif" segment too short for a TIFF header, a segment running past the end, a start of
    // scan before any APP1.
    std::vector<std::uint8_t> tooShort{0xFF, 0xD8};
    for (const auto& segment : {Segment(0xE1, std::string("Exif\0\0II", 8)), Segment(0xDA, "")}) {
        tooShort.insert(tooShort.end(), segment.begin(), segment.end());
    }
    EXPECT_FALSE(LoadExifBlock(Write("short.jpg", Built{tooShort, {}, 0})));
    const std::vector<std::uint8_t> runsPast{0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xF0, 'E', 'x', 'i', 'f',
                                             0,    0,    'M',  'M',  0,    42,   0,   0,   0,   8};
    const auto runsPastBlock = LoadExifBlock(Write("past.jpg", Built{runsPast, {}, 12}));
    ASSERT_TRUE(runsPastBlock) << "a short file is read as far as it goes";
    EXPECT_EQ(runsPastBlock->StandardEntries().size(), 0u);
    ExifContent outOfRange = CameraContent();
    outOfRange.bigEndian = true;
    outOfRange.ifd0.front() = Raw(0x010F, fixture::kAscii, 6, 0xFFFFFFF0);
    outOfRange.ifd1Next = 0xFFFFFFF0;
    const ExifBlock motorola = Load("range.jpg", BuildJpeg(outOfRange));
    EXPECT_FALSE(EntryValue(motorola, *FindEntry(motorola, TagDictionary::Standard, "Make"),
                            ValuePart::First));
    EXPECT_EQ(Text(motorola, "Model"), "E990");
    const std::vector<std::uint8_t> scanFirst{0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x08, 0xFF, 0xE1,
                                              0x00, 0x10, 'E',  'x',  'i',  'f',  0,    0};
    EXPECT_FALSE(LoadExifBlock(Write("scan.jpg", Built{scanFirst, {}, 0})));

    const std::vector<std::uint8_t> empty;
    WriteFile(sandbox.Path() / "empty.jpg", empty);
    EXPECT_FALSE(LoadExifBlock(sandbox.Path() / "empty.jpg"));
}

TEST_F(AReader, ReportsFilesThatCannotBeOpened) {
    const auto missing = sandbox.Path() / "missing.jpg";
    try {
        (void)LoadExifBlock(missing);
        FAIL() << "no error";
    } catch (const platform::FileError& error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos);
    }
    EXPECT_THROW((void)LoadExifBlock(sandbox.Path()), platform::FileError);
    EXPECT_EQ(FileDateText(missing), "");
}

TEST_F(AReader, SearchesIfd0ThenIfd1ThenTheExifIfd) {
    const Built built = BuildJpeg(CameraContent());
    const ExifBlock block = Load("camera.jpg", built);

    EXPECT_EQ(Integer(block, "XResolution"), 72); // IFD0 wins over IFD1's 300
    EXPECT_EQ(Integer(block, "Compression"), 6);  // only in IFD1
    EXPECT_EQ(Integer(block, "JPEGInterchangeFormat"), built.layout.thumbnail);
    EXPECT_EQ(Integer(block, "JPEGInterchangeFormatLength"),
              static_cast<std::int64_t>(CameraContent().thumbnail->size()));
    EXPECT_EQ(Text(block, "DateTimeOriginal"), "2000:12:30 10:18:16");
    EXPECT_FALSE(FindEntry(block, TagDictionary::Standard, "GPSInfo"));
    EXPECT_FALSE(FindEntry(block, TagDictionary::Standard, "make")); // names are case-sensitive
    EXPECT_FALSE(FindEntry(block, TagDictionary::Standard, "NoSuchTag"));

    // Without an ExifOffset entry the Exif IFD cannot be reached.
    Built unlinked = built;
    const std::size_t ifd0 = built.tiffStart + built.layout.ifd0;
    const std::size_t entries = built.bytes[ifd0] | built.bytes[ifd0 + 1] << 8;
    for (std::size_t i = 0; i < entries; ++i) {
        auto* tag = &unlinked.bytes[ifd0 + 2 + 12 * i];
        if ((tag[0] | tag[1] << 8) == 0x8769) {
            tag[0] = 0x68; // 0x8768: a tag nobody knows
        }
    }
    const ExifBlock withoutLink = Load("unlinked.jpg", unlinked);
    EXPECT_TRUE(FindEntry(withoutLink, TagDictionary::Standard, "Make"));
    EXPECT_FALSE(FindEntry(withoutLink, TagDictionary::Standard, "DateTimeOriginal"));
}

TEST_F(AReader, ReadsEachValueTypeByItsRule) {
    ExifContent content;
    content.ifd0 = {
        Byte(0x0001, {0x12, 0x34}),
        Ascii(0x0002, "ABC"),   // count 4: inside the entry
        Ascii(0x0003, "NIKON"), // count 6: at the offset
        Short(0x0004, {7}),
        Short(0x0005, {8, 9}),       // the second value
        Short(0x0006, {1, 2, 3, 4}), // the last value
        Long(0x0007, {70000}),
        Long(0x0008, {5, 6, 70001}),
        Rational(0x0009, 28, 10),
        SByte(0x000A, {-1}),
        Undefined(0x000B, {'A', 'S', 'C', 'I', 'I', 0, 0, 0, 'h', 'e', 'l', 'l', 'o', 0}),
        SShort(0x000C, {-5}),
        SShort(0x000D, {3, -4, -6}),
        SLong(0x000E, {-70000}),
        SRational(0x000F, -3, 10),
        Raw(0x0010, fixture::kFloat, 1, 0x3F800000),
        Undefined(0x0011, {'0', '2', '1', '0'}),
        AsciiFixed(0x0012, "LONG TEXT", 300),
    };
    const Built built = BuildTiff(content);
    const ExifBlock block = Load("types.tif", built);
    auto value = [&](std::uint16_t tag, ValuePart part = ValuePart::First) {
        IfdEntry entry{};
        const std::size_t at = built.layout.ifd0 + 2 + 12 * (tag - 1);
        entry.position = static_cast<std::uint32_t>(at);
        entry.tag = tag;
        entry.type = static_cast<std::uint16_t>(built.bytes[at + 2] | built.bytes[at + 3] << 8);
        std::memcpy(&entry.count, &built.bytes[at + 4], 4);
        std::memcpy(&entry.value, &built.bytes[at + 8], 4);
        return EntryValue(block, entry, part).value();
    };
    EXPECT_EQ(value(1), TagValue(std::int64_t{0x12}));
    EXPECT_EQ(value(2), TagValue(std::string("ABC")));
    EXPECT_EQ(value(3), TagValue(std::string("NIKON")));
    EXPECT_EQ(value(4), TagValue(std::int64_t{7}));
    EXPECT_EQ(value(5), TagValue(std::int64_t{9}));
    EXPECT_EQ(value(6), TagValue(std::int64_t{4}));
    EXPECT_EQ(value(7), TagValue(std::int64_t{70000}));
    EXPECT_EQ(value(8), TagValue(std::int64_t{70001}));
    EXPECT_EQ(value(9), TagValue(std::int64_t{28}));
    EXPECT_EQ(value(9, ValuePart::Second), TagValue(std::int64_t{10}));
    EXPECT_EQ(value(10), TagValue(std::int64_t{255}));
    EXPECT_EQ(value(11, ValuePart::Second), TagValue(std::string("ASCII")));
    EXPECT_EQ(value(12), TagValue(std::int64_t{-5}));
    EXPECT_EQ(value(13), TagValue(std::int64_t{-6}));
    EXPECT_EQ(value(14), TagValue(std::int64_t{-70000}));
    EXPECT_EQ(value(15), TagValue(std::int64_t{-3}));
    EXPECT_EQ(value(15, ValuePart::Second), TagValue(std::int64_t{10}));
    EXPECT_EQ(value(16), TagValue(std::int64_t{0x3F800000}));
    // A short UNDEFINED text lies inside the entry, like a short ASCII text.
    EXPECT_EQ(value(17, ValuePart::Second), TagValue(std::string("0210")));
    EXPECT_EQ(value(17), TagValue(std::int64_t{0x30313230}));
    // Texts stop after 257 bytes.
    EXPECT_EQ(std::get<std::string>(value(18)), "LONG TEXT");
}

TEST_F(AReader, TellsTheMakerNoteLayoutByMakeAndModel) {
    auto kind = [&](std::string make, std::optional<std::string> model) {
        ExifContent content;
        content.ifd0 = {Ascii(0x010F, make)};
        if (model) {
            content.ifd0.push_back(Ascii(0x0110, *model));
        }
        return GetMakerNoteKind(Load("kind.jpg", BuildJpeg(content)));
    };
    EXPECT_EQ(kind("NIKON", "E950"), MakerNoteKind::Kind2);
    EXPECT_EQ(kind("NIKON", "E700"), MakerNoteKind::Kind2);
    EXPECT_EQ(kind("NIKON", "E800"), MakerNoteKind::Kind2);
    EXPECT_EQ(kind("NIKON", "E990"), MakerNoteKind::Kind3);
    EXPECT_EQ(kind("NIKON", "E995"), MakerNoteKind::None);
    EXPECT_EQ(kind("NIKON", std::nullopt), MakerNoteKind::None);
    EXPECT_EQ(kind("Nikon", "E990"), MakerNoteKind::None);
    EXPECT_EQ(kind("NIKON CORPORATION", "E990"), MakerNoteKind::None);
    EXPECT_EQ(kind("NIKON", "E990 "), MakerNoteKind::None);
}

TEST_F(AReader, FindsMakerNoteTagsInBothNikonLayouts) {
    ExifContent kind2 = CameraContent();
    kind2.ifd0[1] = Ascii(0x0110, "E950");
    kind2.makerNote =
        MakerNote{MakerNoteLayout::NikonHeader,
                  {Short(0x0003, {20}), Ascii(0x0007, "SUNNY"), Rational(0x0008, 15, 10)}};
    const ExifBlock block2 = Load("e950.jpg", BuildJpeg(kind2));
    EXPECT_EQ(Integer(block2, "SizeQuality", ValuePart::First, TagDictionary::MakerNote2), 20);
    EXPECT_EQ(Text(block2, "WhiteBalance", ValuePart::First, TagDictionary::MakerNote2), "SUNNY");
    EXPECT_EQ(Integer(block2, "FocusMode", ValuePart::Second, TagDictionary::MakerNote2), 10);
    EXPECT_FALSE(FindEntry(block2, TagDictionary::MakerNote2, "Converter"));

    ExifContent kind3 = CameraContent();
    kind3.makerNote = MakerNote{MakerNoteLayout::Headerless,
                                {Short(0x0002, {0, 200}), Ascii(0x0005, "FLUORESCENT ")}};
    const ExifBlock block3 = Load("e990.jpg", BuildJpeg(kind3));
    EXPECT_EQ(Integer(block3, "ISOValue", ValuePart::First, TagDictionary::MakerNote3), 200);
    EXPECT_EQ(Text(block3, "WhiteBalance", ValuePart::First, TagDictionary::MakerNote3),
              "FLUORESCENT ");
}

TEST_F(AReader, ReadsTagTextAndCountFromAFile) {
    const auto path = Write("camera.jpg", BuildJpeg(CameraContent()));
    EXPECT_EQ(ReadTagText(path, "Make"), "NIKON");
    EXPECT_EQ(ReadTagText(path, "FNumber"), "10"); // the second part: the denominator
    EXPECT_EQ(ReadTagCount(path, "DateTime"), 20u);
    EXPECT_EQ(ReadTagText(path, "Artist"), "");
    EXPECT_EQ(ReadTagCount(path, "Artist"), 0u);

    const auto plain = sandbox.Path() / "plain.jpg";
    WriteFile(plain, EncodeJpeg(8, 8));
    EXPECT_EQ(ReadTagText(plain, "Make"), "");
    EXPECT_EQ(ReadTagCount(plain, "Make"), 0u);
}

TEST_F(AReader, FormatsTheFileDateInLocalTime) {
    const auto path = Write("dated.jpg", BuildJpeg(CameraContent()));
    std::tm local{};
    local.tm_year = 2001 - 1900;
    local.tm_mon = 1;
    local.tm_mday = 3;
    local.tm_hour = 4;
    local.tm_min = 5;
    local.tm_sec = 6;
    local.tm_isdst = -1;
    const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(FileDateText(path), "2001:02:03 04:05:06");
}
