#include "exif/exif_writer.h"
#include "exif/file_probes.h"
#include "exif/imaging.h"
#include "platform/temp_names.h"
#include "tests/exif/writer_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"
#include "tests/support/thumbnail_probe.h"

#include <gtest/gtest.h>

using namespace writer_test;
using exif::RebuildDates;
using exif::RebuildThumbnail;

namespace {

constexpr std::uint16_t kThumbnailLength = 0x0202;

struct Rebuild {
    fixture::Sandbox box;
    fixture::Built source;
    Bytes picture = fixture::EncodeJpeg(320, 240);
    std::filesystem::path sourcePath = box.Path() / "camera.jpg";
    std::filesystem::path picturePath = box.Path() / "edited.jpg";
    std::filesystem::path target = box.Path() / "result.jpg";

    explicit Rebuild(const fixture::ExifContent& content) : source(fixture::BuildJpeg(content)) {
        fixture::WriteFile(sourcePath, source.bytes);
        fixture::WriteFile(picturePath, picture);
        fixture::WriteFile(target, Bytes{9, 9, 9});
    }

    void Run(RebuildDates dates = RebuildDates::FromDateTimeTag) const {
        exif::RebuildWithExif(target, picturePath, sourcePath, dates, RebuildThumbnail::Renew);
    }

    // The refused rebuild left the target and the folder as they were.
    void ExpectUntouched() const {
        EXPECT_EQ(ReadAll(target), (Bytes{9, 9, 9}));
        EXPECT_EQ(FilesIn(box.Path()).size(), 3u) << "a temporary file was left behind";
        EXPECT_FALSE(std::filesystem::exists(platform::TemporaryFileName("_Lumaro")));
        EXPECT_FALSE(std::filesystem::exists(platform::TemporaryFileName("_Thumb")));
    }
};

// The edited picture's JFIF header stays first and the EXIF segment follows it: the result
// without that header reads as if the segment came first, as in the camera's file.
Bytes WithoutPictureHeader(const Rebuild& rebuild) {
    Bytes result = ReadAll(rebuild.target);
    const auto header = static_cast<std::ptrdiff_t>(2 + BigEndian16(rebuild.picture, 4));
    EXPECT_TRUE(std::equal(rebuild.picture.begin(), rebuild.picture.begin() + 2 + header,
                           result.begin()));
    result.erase(result.begin() + 2, result.begin() + 2 + header);
    return result;
}

Bytes Tail(const Bytes& bytes, std::size_t from) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end());
}

// The embedded thumbnail as a picture.
std::optional<exif::Image> ThumbnailOf(const Bytes& file, std::uint32_t start, std::uint32_t length,
                                       const fixture::Sandbox& box) {
    const auto path = box.Path() / "thumbnail-check.jpg";
    fixture::WriteFile(path, Bytes(file.begin() + 12 + start, file.begin() + 12 + start + length));
    auto picture = exif::ExifLoadImage(path);
    std::filesystem::remove(path);
    return picture;
}

void ExpectRenewedThumbnail(const Rebuild& rebuild) {
    const Bytes result = WithoutPictureHeader(rebuild);
    const fixture::Layout& layout = rebuild.source.layout;
    const RawEntry length = EntryIn(result, layout.ifd1, kThumbnailLength);
    // The segment ends where the new thumbnail ends, and the picture's body follows.
    const std::size_t segmentEnd = 12 + layout.thumbnail + length.value;
    EXPECT_EQ(BigEndian16(result, 4) + 4u, segmentEnd);
    EXPECT_EQ(Tail(result, segmentEnd), Tail(rebuild.picture, 4 + BigEndian16(rebuild.picture, 4)));
    // Everything in front of the new thumbnail is the source's, but for the segment length and
    // the three patched value fields; the new thumbnail starts with its own SOI.
    Bytes front(rebuild.source.bytes.begin(), rebuild.source.bytes.begin() + 12 + layout.thumbnail);
    front[4] = result[4];
    front[5] = result[5];
    for (const RawEntry& patched : {length, EntryIn(result, layout.exif, kExifImageWidth),
                                    EntryIn(result, layout.exif, kExifImageLength)}) {
        std::copy_n(result.begin() + static_cast<std::ptrdiff_t>(patched.fileOffset + 8), 4,
                    front.begin() + static_cast<std::ptrdiff_t>(patched.fileOffset + 8));
    }
    EXPECT_TRUE(std::equal(front.begin(), front.end(), result.begin()));
    EXPECT_EQ(result[12 + layout.thumbnail], 0xFF);
    EXPECT_EQ(result[12 + layout.thumbnail + 1], 0xD8);
    EXPECT_EQ(result[12 + layout.thumbnail + length.value - 2], 0xFF);
    EXPECT_EQ(result[12 + layout.thumbnail + length.value - 1], 0xD9);
    const auto thumbnail = ThumbnailOf(result, layout.thumbnail, length.value, rebuild.box);
    ASSERT_TRUE(thumbnail);
    EXPECT_EQ(thumbnail->Width(), 160u);
    EXPECT_EQ(thumbnail->Height(), 120u);
    EXPECT_EQ(EntryIn(result, layout.exif, kExifImageWidth).value, 320u);
    EXPECT_EQ(EntryIn(result, layout.exif, kExifImageLength).value, 240u);
    EXPECT_EQ(exif::FileDateText(rebuild.target), "2001:02:03 04:05:06");
}

} // namespace

TEST(RebuildWithExif, RenewsALongerThumbnailAndTheSizeTags) {
    const Rebuild rebuild(CameraContent(8));
    rebuild.Run();
    ExpectRenewedThumbnail(rebuild);
    const std::uint32_t old =
        EntryIn(rebuild.source.bytes, rebuild.source.layout.ifd1, kThumbnailLength).value;
    EXPECT_GT(EntryIn(WithoutPictureHeader(rebuild), rebuild.source.layout.ifd1, kThumbnailLength).value,
              old);
    EXPECT_EQ(FilesIn(rebuild.box.Path()).size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(platform::TemporaryFileName("_Lumaro")));
    EXPECT_FALSE(std::filesystem::exists(platform::TemporaryFileName("_Thumb")));
}

TEST(RebuildWithExif, RenewsAShorterThumbnailAndCutsTheSegment) {
    const Rebuild rebuild(CameraContent(1600));
    rebuild.Run();
    ExpectRenewedThumbnail(rebuild);
    const std::uint32_t old =
        EntryIn(rebuild.source.bytes, rebuild.source.layout.ifd1, kThumbnailLength).value;
    EXPECT_LT(EntryIn(WithoutPictureHeader(rebuild), rebuild.source.layout.ifd1, kThumbnailLength).value,
              old);
}

TEST(RebuildWithExif, KeepsTheSegmentWithoutJpegInterchangeFormat) {
    fixture::ExifContent content = CameraContent();
    content.thumbnail.reset();
    const Rebuild rebuild(content);
    rebuild.Run();
    const Bytes result = WithoutPictureHeader(rebuild);
    const std::size_t segmentEnd = 4 + BigEndian16(rebuild.source.bytes, 4);
    Bytes expected(rebuild.source.bytes.begin(), rebuild.source.bytes.begin() + segmentEnd);
    for (const auto& [tag, value] :
         {std::pair{kExifImageWidth, 320}, std::pair{kExifImageLength, 240}}) {
        const RawEntry entry = EntryIn(expected, rebuild.source.layout.exif, tag);
        expected[entry.fileOffset + 8] = static_cast<std::uint8_t>(value & 0xFF);
        expected[entry.fileOffset + 9] = static_cast<std::uint8_t>(value >> 8);
    }
    const Bytes body = Tail(rebuild.picture, 4 + BigEndian16(rebuild.picture, 4));
    expected.insert(expected.end(), body.begin(), body.end());
    EXPECT_EQ(result, expected);
}

TEST(RebuildWithExif, RenewsTheThumbnailOfAFileInPlace) {
    const fixture::Sandbox box;
    const fixture::Built built = fixture::BuildJpeg(CameraContent(), {.width = 200, .height = 150});
    const auto file = box.Path() / "DSCN0001.JPG";
    fixture::WriteFile(file, built.bytes);
    exif::RebuildWithExif(file, file, file, RebuildDates::FromDateTimeTag, RebuildThumbnail::Renew);
    const Bytes result = ReadAll(file);
    const RawEntry length = EntryIn(result, built.layout.ifd1, kThumbnailLength);
    const std::size_t segmentEnd = 12 + built.layout.thumbnail + length.value;
    EXPECT_EQ(Tail(result, segmentEnd), Tail(built.bytes, 4 + BigEndian16(built.bytes, 4)));
    EXPECT_EQ(EntryIn(result, built.layout.exif, kExifImageWidth).value, 200u);
    EXPECT_EQ(exif::FileDateText(file), "2001:02:03 04:05:06");
    EXPECT_EQ(FilesIn(box.Path()).size(), 1u);
}

TEST(RebuildWithExif, TakesTheDatesFromThePictureFile) {
    const Rebuild rebuild(CameraContent());
    const auto time = AgeFile(rebuild.picturePath, 400);
    const std::string date = exif::FileDateText(rebuild.picturePath);
    rebuild.Run(RebuildDates::FromPictureFile);
    const Bytes result = WithoutPictureHeader(rebuild);
    const fixture::Layout& layout = rebuild.source.layout;
    EXPECT_EQ(ValueText(result, EntryIn(result, layout.ifd0, kDateTime)), date + '\0');
    EXPECT_EQ(ValueText(result, EntryIn(result, layout.exif, kDateTimeOriginal)), date + '\0');
    EXPECT_EQ(ValueText(result, EntryIn(result, layout.exif, kDateTimeDigitized)), date + '\0');
    EXPECT_EQ(std::filesystem::last_write_time(rebuild.target), time);
}

// A clockless camera's zero date, a blank one and none at all name no moment: the picture
// keeps its own time instead of taking the defaults of a partial date.
TEST(RebuildWithExif, KeepsThePictureTimeWhenDateTimeNamesNoMoment) {
    for (const char* date : {"0000:00:00 00:00:00", "    :  :     :  :  ", ""}) {
        fixture::ExifContent content = CameraContent();
        content.ifd0[3] = fixture::Ascii(kDateTime, date);
        const Rebuild rebuild(content);
        const auto time = AgeFile(rebuild.picturePath, 7);
        rebuild.Run();
        EXPECT_EQ(std::filesystem::last_write_time(rebuild.target), time) << '"' << date << '"';
    }
    fixture::ExifContent content = CameraContent();
    content.ifd0.erase(content.ifd0.begin() + 3);
    const Rebuild rebuild(content);
    const auto time = AgeFile(rebuild.picturePath, 7);
    rebuild.Run();
    EXPECT_EQ(std::filesystem::last_write_time(rebuild.target), time) << "no DateTime tag";
}

// A picture that an editor turned upright, its EXIF data dropped, lies the other way round
// from the camera's: a quarter-turn Orientation brought back with the data becomes 1, and a
// kept thumbnail is turned with it. That holds for a camera file as the source and for its
// segment kept alone while an external program had the file. Other turns cannot be told from
// the size and stay.
TEST(RebuildWithExif, GivesAPictureTurnedUprightSinceOrientation1) {
    struct Case {
        std::uint16_t orientation;
        int width, height; // the picture's, the camera's being 64 x 48
        std::string expected;
    };
    for (const bool segmentAlone : {false, true}) {
        for (const Case& c : {Case{6, 48, 64, "1"}, Case{8, 240, 320, "1"},
                              Case{6, 320, 240, "6"}, Case{3, 48, 64, "3"},
                              Case{6, 64, 64, "6"}}) {
            fixture::ExifContent content = CameraContent();
            content.ifd0.push_back(fixture::Short(0x0112, {c.orientation}));
            const Rebuild rebuild(content);
            fixture::WriteFile(rebuild.picturePath, fixture::EncodeJpeg(c.width, c.height));
            const auto segment = rebuild.box.Path() / "segment.jpg";
            ASSERT_TRUE(exif::ExtractExifSegment(segment, rebuild.sourcePath));
            exif::RebuildWithExif(rebuild.target, rebuild.picturePath,
                                  segmentAlone ? segment : rebuild.sourcePath,
                                  RebuildDates::FromDateTimeTag, RebuildThumbnail::Keep);
            const std::string where = std::to_string(c.orientation) + " onto " +
                                      std::to_string(c.width) + " x " + std::to_string(c.height) +
                                      (segmentAlone ? " from the segment alone" : "");
            EXPECT_EQ(exif::ReadTagText(rebuild.target, "Orientation"), c.expected) << where;
            const auto thumbnail = fixture::EmbeddedThumbnailSize(rebuild.target);
            ASSERT_TRUE(thumbnail) << where;
            EXPECT_EQ(thumbnail->width, c.expected == "1" ? 24u : 32u) << where;
        }
    }
}

// A renewed thumbnail has the picture's shape: a portrait picture's would be squashed in 160 x 120.
TEST(RebuildWithExif, RenewsAPortraitPictureWithAPortraitThumbnail) {
    for (const auto& [width, height] : {std::pair{240, 320}, std::pair{320, 240}}) {
        const Rebuild rebuild(CameraContent());
        fixture::WriteFile(rebuild.picturePath, fixture::EncodeJpeg(width, height));
        rebuild.Run();
        const auto thumbnail = fixture::EmbeddedThumbnailSize(rebuild.target);
        ASSERT_TRUE(thumbnail);
        EXPECT_EQ(thumbnail->width, width < height ? 120u : 160u) << width << " x " << height;
        EXPECT_EQ(thumbnail->height, width < height ? 160u : 120u) << width << " x " << height;
    }
}

TEST(RebuildWithExif, RefusesASourceWithoutAnExifSegment) {
    const Rebuild rebuild(CameraContent());
    fixture::WriteFile(rebuild.sourcePath, fixture::EncodeJpeg(32, 24));
    try {
        rebuild.Run();
        FAIL() << "no error";
    } catch (const platform::FileError& error) {
        EXPECT_EQ(error.path(), rebuild.sourcePath);
    }
    rebuild.ExpectUntouched();
}

TEST(RebuildWithExif, RefusesASegmentThatWouldExceed65535Bytes) {
    fixture::ExifContent content = CameraContent(8);
    content.ifd0.push_back(fixture::Undefined(0xC4A5, Bytes(63000, 0x55)));
    const Rebuild rebuild(content);
    ASSERT_LT(rebuild.source.bytes.size(), 65535u + 4 + 1000);
    try {
        rebuild.Run();
        FAIL() << "no error";
    } catch (const platform::FileError& error) {
        EXPECT_EQ(error.path(), rebuild.target);
        EXPECT_NE(std::string(error.what()).find("65535"), std::string::npos);
    }
    rebuild.ExpectUntouched();
}

TEST(RebuildWithExif, RefusesAThumbnailOutsideTheSegment) {
    fixture::ExifContent content = CameraContent();
    content.thumbnail.reset();
    content.ifd1->push_back(fixture::Raw(0x0201, fixture::kLong, 1, 60000));
    content.ifd1->push_back(fixture::Raw(0x0202, fixture::kLong, 1, 100));
    const Rebuild rebuild(content);
    EXPECT_THROW(rebuild.Run(), platform::FileError);
    rebuild.ExpectUntouched();
}

TEST(RebuildWithExif, WritesAWholeJpegOverAPlaceholderThumbnail) {
    fixture::ExifContent content = CameraContent();
    content.thumbnail = Bytes(3000, 0); // a camera's reserved space, not a JPEG
    const Rebuild rebuild(content);
    rebuild.Run();
    ExpectRenewedThumbnail(rebuild);
}

TEST(RebuildWithExif, RefusesAPictureItCannotRead) {
    const Rebuild rebuild(CameraContent());
    fixture::WriteFile(rebuild.picturePath, Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 1, 2, 3});
    try {
        rebuild.Run();
        FAIL() << "no error";
    } catch (const platform::FileError& error) {
        EXPECT_EQ(error.path(), rebuild.picturePath);
    }
    rebuild.ExpectUntouched();

    std::filesystem::remove(rebuild.picturePath);
    EXPECT_THROW(rebuild.Run(), platform::FileError);
    EXPECT_EQ(ReadAll(rebuild.target), (Bytes{9, 9, 9}));
}
