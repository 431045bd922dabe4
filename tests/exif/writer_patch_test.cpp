#include "exif/exif_writer.h"
#include "tests/exif/writer_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace writer_test;
using exif::WriteTagShort;
using exif::WriteTagText;

namespace {

struct PatchFile {
    fixture::Sandbox box;
    fixture::Built built;
    std::filesystem::path path;
    std::filesystem::file_time_type time;

    explicit PatchFile(const fixture::ExifContent& content,
                       const fixture::JpegOptions& options = {})
        : built(fixture::BuildJpeg(content, options)), path(box.Path() / "DSCN0001.JPG") {
        fixture::WriteFile(path, built.bytes);
        time = AgeFile(path, 30);
    }

    // Every byte outside [from, from + length) is as built, and the file's time is kept.
    void ExpectOnlyChanged(std::size_t from, std::size_t length) const {
        const Bytes now = ReadAll(path);
        ASSERT_EQ(now.size(), built.bytes.size());
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (i < from || i >= from + length) {
                ASSERT_EQ(now[i], built.bytes[i]) << "byte " << i << " changed";
            }
        }
        EXPECT_EQ(std::filesystem::last_write_time(path), time);
    }
};

} // namespace

TEST(WriteTagText, CutsTheTextToCountMinusOneAndKeepsTheTerminator) {
    const PatchFile file(CameraContent());
    const RawEntry date = EntryIn(file.built.bytes, file.built.layout.ifd0, kDateTime);
    ASSERT_EQ(date.count, 20u);
    EXPECT_TRUE(WriteTagText(file.path, "DateTime", "2024:12:31 23:59:58 and thirty more"));
    const Bytes now = ReadAll(file.path);
    EXPECT_EQ(ValueText(now, date), std::string("2024:12:31 23:59:58\0", 20));
    file.ExpectOnlyChanged(12 + date.value, 19);
}

TEST(WriteTagText, EmptyTextZeroFillsTheValue) {
    const PatchFile file(CameraContent());
    const RawEntry title = EntryIn(file.built.bytes, file.built.layout.ifd0, kImageDescription);
    EXPECT_TRUE(WriteTagText(file.path, "ImageDescription", ""));
    EXPECT_EQ(ValueText(ReadAll(file.path), title), std::string(32, '\0'));
    file.ExpectOnlyChanged(12 + title.value, 31);
}

TEST(WriteTagText, NeverSplitsADoubleByteCharacter) {
    fixture::ExifContent content = CameraContent();
    content.ifd0[0] = fixture::AsciiFixed(kImageDescription, "", 6);
    const PatchFile file(content);
    const RawEntry title = EntryIn(file.built.bytes, file.built.layout.ifd0, kImageDescription);
    // "ab" + two double-byte characters is 6 bytes; 5 fit, so the second character goes whole.
    EXPECT_TRUE(WriteTagText(file.path, "ImageDescription", "ab\x93\xFA\x96\x7B"));
    EXPECT_EQ(ValueText(ReadAll(file.path), title), std::string("ab\x93\xFA\0\0", 6));
}

TEST(WriteTagText, WritesValuesLongerThan256Bytes) {
    fixture::ExifContent content = CameraContent();
    content.ifd0[0] = fixture::AsciiFixed(kImageDescription, "", 300);
    const PatchFile file(content);
    const RawEntry title = EntryIn(file.built.bytes, file.built.layout.ifd0, kImageDescription);
    const std::string text(400, 'x');
    EXPECT_TRUE(WriteTagText(file.path, "ImageDescription", text));
    EXPECT_EQ(ValueText(ReadAll(file.path), title), std::string(299, 'x') + '\0');
    file.ExpectOnlyChanged(12 + title.value, 299);
}

TEST(WriteTagText, PatchesAShortValueInsideItsEntry) {
    fixture::ExifContent content = CameraContent();
    content.ifd0[0] = fixture::Ascii(kImageDescription, "abc"); // count 4: in the value field
    const PatchFile file(content);
    const RawEntry title = EntryIn(file.built.bytes, file.built.layout.ifd0, kImageDescription);
    EXPECT_TRUE(WriteTagText(file.path, "ImageDescription", "wxyz12"));
    const RawEntry patched = EntryIn(ReadAll(file.path), file.built.layout.ifd0, kImageDescription);
    EXPECT_EQ(patched.type, title.type);
    EXPECT_EQ(patched.count, 4u);
    EXPECT_EQ(patched.value, 0x0079'7877u); // "wxy\0"
    file.ExpectOnlyChanged(title.fileOffset + 8, 3);
}

TEST(WriteTagText, WritesTheUserCommentOfTheExifIfd) {
    const PatchFile file(CameraContent());
    const RawEntry comment = EntryIn(file.built.bytes, file.built.layout.exif, kUserComment);
    EXPECT_TRUE(WriteTagText(file.path, "UserComment", "hello"));
    EXPECT_EQ(ValueText(ReadAll(file.path), comment), "hello" + std::string(35, '\0'));
}

TEST(WriteTagText, DoesNothingWithoutBlockOrTag) {
    const PatchFile file(CameraContent());
    EXPECT_FALSE(WriteTagText(file.path, "Artist", "nobody"));
    EXPECT_FALSE(WriteTagText(file.path, "NoSuchTag", "nobody"));
    EXPECT_FALSE(WriteTagText(file.path, "ExifImageWidth", "a number, not a text"));
    file.ExpectOnlyChanged(0, 0);
}

TEST(TheInPlacePatches, WriteInTheFilesOwnOrderWhereverItsExifSegmentLies) {
    const fixture::JpegOptions behind{
        .app0First = true,
        .segmentsBeforeExif = {fixture::IccProfileSegment(), fixture::XmpSegment()}};
    for (const bool bigEndian : {false, true}) {
        for (const fixture::JpegOptions& options : {fixture::JpegOptions{}, behind}) {
            fixture::ExifContent content = CameraContent();
            content.bigEndian = bigEndian;
            const PatchFile file(content, options);
            EXPECT_TRUE(WriteTagText(file.path, "DateTime", "2024:12:31 23:59:58"));
            EXPECT_TRUE(WriteTagShort(file.path, "ExifImageWidth", 0x1234));
            EXPECT_TRUE(WriteTagShort(file.path, "ExifImageLength", 0x5678));
            // The builder, which shares no code with the writer, makes the file expected.
            content.ifd0.back() = fixture::Ascii(kDateTime, "2024:12:31 23:59:58");
            content.exif->at(3) = fixture::Short(kExifImageWidth, {0x1234});
            content.exif->at(4) = fixture::Long(kExifImageLength, {0x5678});
            EXPECT_EQ(ReadAll(file.path), fixture::BuildJpeg(content, options).bytes)
                << (bigEndian ? "MM" : "II") << " with " << options.segmentsBeforeExif.size()
                << " segments before";
        }
    }
}

TEST(TheInPlacePatches, NeverWriteBehindTheEndOfAShortFile) {
    const PatchFile file(CameraContent());
    const RawEntry date = EntryIn(file.built.bytes, file.built.layout.ifd0, kDateTime);
    std::filesystem::resize_file(file.path, 12 + date.value + 5);
    const Bytes before = ReadAll(file.path);
    EXPECT_FALSE(WriteTagText(file.path, "DateTime", "2024:12:31 23:59:58"));
    EXPECT_EQ(ReadAll(file.path), before);
}

TEST(WriteTagText, ReportsAFileThatCannotBeOpened) {
    const fixture::Sandbox box;
    try {
        (void)WriteTagText(box.Path() / "missing.jpg", "DateTime", "x");
        FAIL() << "no error";
    } catch (const platform::FileError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.jpg"), std::string::npos);
    }
}

TEST(WriteTagShort, SetsShortAndLongValuesZeroExtended) {
    fixture::ExifContent content = CameraContent();
    content.exif->back() = fixture::Long(kExifImageLength, {0x12345678});
    const PatchFile file(content);
    const std::uint32_t exif = file.built.layout.exif;
    EXPECT_TRUE(WriteTagShort(file.path, "ExifImageWidth", 0xBEEF));
    EXPECT_TRUE(WriteTagShort(file.path, "ExifImageLength", 480));
    const Bytes now = ReadAll(file.path);
    const RawEntry width = EntryIn(now, exif, kExifImageWidth);
    const RawEntry length = EntryIn(now, exif, kExifImageLength);
    EXPECT_EQ(width.value, 0xBEEFu);
    EXPECT_EQ(width.type, fixture::kShort);
    EXPECT_EQ(length.value, 480u);
    EXPECT_EQ(length.type, fixture::kLong);
    EXPECT_EQ(std::filesystem::last_write_time(file.path), file.time);
}

TEST(WriteTagShort, DoesNothingForOtherKindsOfEntry) {
    fixture::ExifContent content = CameraContent();
    content.exif->back() = fixture::Short(kExifImageLength, {1, 2});
    const PatchFile file(content);
    EXPECT_FALSE(WriteTagShort(file.path, "ExifImageLength", 5)); // two values
    EXPECT_FALSE(WriteTagShort(file.path, "DateTime", 5));        // a text
    EXPECT_FALSE(WriteTagShort(file.path, "Artist", 5));          // absent
    file.ExpectOnlyChanged(0, 0);
}
