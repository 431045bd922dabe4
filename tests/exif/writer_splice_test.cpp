#include "exif/exif_block.h"
#include "exif/exif_writer.h"
#include "exif/imaging.h"
#include "tests/exif/writer_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace writer_test;
using exif::kJfifStub;

namespace {

const Bytes kStub(std::begin(kJfifStub), std::end(kJfifStub));

// Everything after SOI and the first segment.
Bytes BodyOf(const Bytes& file) {
    return Bytes(file.begin() + 4 + BigEndian16(file, 4), file.end());
}

Bytes Joined(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::filesystem::path Write(const fixture::Sandbox& box, const std::string& name,
                            const Bytes& bytes) {
    const auto path = box.Path() / name;
    fixture::WriteFile(path, bytes);
    return path;
}

} // namespace

TEST(StripExif, WritesTheStubAndTheBodyWithTheSourceTime) {
    const fixture::Sandbox box;
    const fixture::Built built = fixture::BuildJpeg(CameraContent());
    const auto source = Write(box, "a.jpg", built.bytes);
    const auto time = AgeFile(source, 10);
    exif::StripExif(box.Path() / "b.jpg", source);
    EXPECT_EQ(ReadAll(box.Path() / "b.jpg"), Joined(kStub, BodyOf(built.bytes)));
    EXPECT_EQ(std::filesystem::last_write_time(box.Path() / "b.jpg"), time);
    EXPECT_EQ(ReadAll(source), built.bytes);
}

TEST(StripExif, DropsEveryExifAndXmpSegmentAndKeepsJfifIccAndThePicture) {
    const fixture::Sandbox box;
    const Bytes xmp = fixture::XmpSegment();
    const fixture::Built built = fixture::BuildJpeg(
        CameraContent(), {.app0First = true,
                          .segmentsBeforeExif = {fixture::IccProfileSegment(), xmp,
                                                 fixture::Segment(0xE1, "Exif\0\0 a second one")}});
    const std::size_t app1 = built.tiffStart - 10;
    const std::size_t app1End = app1 + 2 + BigEndian16(built.bytes, app1 + 2);
    const std::size_t xmpStart = app1 - 4 - std::string_view("Exif\0\0 a second one").size() - xmp.size();
    const auto file = Write(box, "jfif.jpg", built.bytes);
    const auto time = AgeFile(file, 3);
    exif::StripExif(file, file); // in place
    Bytes expected(built.bytes.begin(), built.bytes.begin() + static_cast<long>(xmpStart));
    expected.insert(expected.end(), built.bytes.begin() + static_cast<long>(app1End),
                    built.bytes.end());
    EXPECT_EQ(ReadAll(file), expected);
    EXPECT_EQ(std::filesystem::last_write_time(file), time);
    EXPECT_EQ(FilesIn(box.Path()).size(), 1u) << "a temporary file was left behind";
}

TEST(StripExif, RefusesASourceThatIsNoJpeg) {
    const fixture::Sandbox box;
    const auto source = Write(box, "text.jpg", Bytes{'a', 'b', 'c', 'd', 'e', 'f', 'g'});
    const auto target = Write(box, "target.jpg", Bytes{1, 2, 3});
    EXPECT_THROW(exif::StripExif(target, source), platform::FileError);
    EXPECT_EQ(ReadAll(target), (Bytes{1, 2, 3}));
}

TEST(ExtractExifSegment, CopiesSoiAndTheWholeApp1) {
    const fixture::Sandbox box;
    const fixture::Built built = fixture::BuildJpeg(CameraContent());
    const auto source = Write(box, "a.jpg", built.bytes);
    const auto destination = Write(box, "exif.jpg", Bytes{1});
    const auto time = AgeFile(destination, 4);
    ASSERT_TRUE(exif::ExtractExifSegment(destination, source));
    EXPECT_EQ(std::filesystem::last_write_time(destination), time);
    const Bytes segment = ReadAll(destination);
    EXPECT_EQ(segment.size(), BigEndian16(built.bytes, 4) + 4u);
    EXPECT_TRUE(std::equal(segment.begin(), segment.end(), built.bytes.begin()));
}

TEST(ExtractExifSegment, TakesTheExifSegmentWhereverItLies) {
    const fixture::Sandbox box;
    const fixture::Built behind = fixture::BuildJpeg(
        CameraContent(), {.app0First = true, .segmentsBeforeExif = {fixture::XmpSegment()}});
    const auto jfif = Write(box, "jfif.jpg", behind.bytes);
    ASSERT_TRUE(exif::ExtractExifSegment(box.Path() / "out.jpg", jfif));
    const std::size_t app1 = behind.tiffStart - 10;
    Bytes expected{0xFF, 0xD8};
    expected.insert(expected.end(), behind.bytes.begin() + static_cast<long>(app1),
                    behind.bytes.begin() + static_cast<long>(app1 + 2 + BigEndian16(behind.bytes, app1 + 2)));
    EXPECT_EQ(ReadAll(box.Path() / "out.jpg"), expected);

    const auto otherName = Write(box, "a.jpeg", fixture::BuildJpeg(CameraContent()).bytes);
    const auto stripped = Write(box, "stripped.jpg", fixture::EncodeJpeg(16, 16));
    EXPECT_FALSE(exif::ExtractExifSegment(box.Path() / "out1.jpg", otherName));
    EXPECT_FALSE(exif::ExtractExifSegment(box.Path() / "out2.jpg", stripped));
    EXPECT_FALSE(std::filesystem::exists(box.Path() / "out1.jpg"));
    EXPECT_FALSE(std::filesystem::exists(box.Path() / "out2.jpg"));
}

TEST(AppendBody, WritesTheBodyAtTheEndOrAtAPosition) {
    const fixture::Sandbox box;
    const fixture::Built built = fixture::BuildJpeg(CameraContent());
    const auto source = Write(box, "a.jpg", built.bytes);
    const auto destination = box.Path() / "b.jpg";
    exif::WriteJfifStub(destination);
    const auto time = AgeFile(destination, 5);
    const Bytes body = BodyOf(built.bytes);
    EXPECT_EQ(exif::AppendBody(0, destination, source), body.size());
    EXPECT_EQ(ReadAll(destination), Joined(kStub, body));
    EXPECT_EQ(std::filesystem::last_write_time(destination), time);

    // At a position inside: the body replaces everything from there on.
    EXPECT_EQ(exif::AppendBody(6, destination, source), body.size());
    EXPECT_EQ(ReadAll(destination), Joined(Bytes(kStub.begin(), kStub.begin() + 6), body));
}

TEST(WriteJfifStub, CreatesOrReplacesTheFile) {
    const fixture::Sandbox box;
    const auto path = Write(box, "a.jpg", Bytes(1000, 7));
    const auto time = AgeFile(path, 9);
    exif::WriteJfifStub(path);
    EXPECT_EQ(ReadAll(path), kStub);
    EXPECT_EQ(std::filesystem::last_write_time(path), time);
    exif::WriteJfifStub(box.Path() / "new.jpg");
    EXPECT_EQ(ReadAll(box.Path() / "new.jpg"), kStub);
}

TEST(SaveThumbnail, AppendsTheIfd1ThumbnailWithoutItsSoi) {
    const fixture::Sandbox box;
    const fixture::ExifContent content = CameraContent();
    const auto source = Write(box, "a.jpg", fixture::BuildJpeg(content).bytes);
    const auto block = exif::LoadExifBlock(source);
    ASSERT_TRUE(block);
    const auto destination = box.Path() / "thumb.jpg";
    exif::WriteJfifStub(destination);
    const auto time = AgeFile(destination, 2);
    EXPECT_TRUE(exif::SaveThumbnail(0, destination, source, *block));
    EXPECT_EQ(std::filesystem::last_write_time(destination), time);
    const Bytes& thumbnail = *content.thumbnail;
    EXPECT_EQ(ReadAll(destination), Joined(kStub, Bytes(thumbnail.begin() + 2, thumbnail.end())));
    const auto picture = exif::ExifLoadImage(destination);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 32u);
}

TEST(SaveThumbnail, FallsBackToTheMakerNoteThumbnail) {
    const fixture::Sandbox box;
    fixture::ExifContent content = CameraContent();
    const Bytes thumbnail = fixture::EncodeJpeg(40, 30);
    content.thumbnail.reset();
    content.makerNote = fixture::MakerNote{fixture::MakerNoteLayout::Headerless,
                                           {fixture::Undefined(0x0100, thumbnail)}};
    const auto source = Write(box, "e990.jpg", fixture::BuildJpeg(content).bytes);
    const auto block = exif::LoadExifBlock(source);
    ASSERT_TRUE(block);
    const auto destination = box.Path() / "thumb.jpg";
    exif::WriteJfifStub(destination);
    EXPECT_TRUE(exif::SaveThumbnail(0, destination, source, *block));
    EXPECT_EQ(ReadAll(destination), Joined(kStub, Bytes(thumbnail.begin() + 2, thumbnail.end())));
}

TEST(SaveThumbnail, DoesNothingWithoutAThumbnailInsideTheFile) {
    const fixture::Sandbox box;
    fixture::ExifContent content = CameraContent();
    content.thumbnail.reset();
    const auto none = Write(box, "none.jpg", fixture::BuildJpeg(content).bytes);
    content.ifd1->push_back(fixture::Raw(0x0201, fixture::kLong, 1, 0x7FFFFFF0));
    content.ifd1->push_back(fixture::Raw(0x0202, fixture::kLong, 1, 5000));
    const auto outside = Write(box, "outside.jpg", fixture::BuildJpeg(content).bytes);
    const auto destination = box.Path() / "thumb.jpg";
    exif::WriteJfifStub(destination);
    for (const auto& source : {none, outside}) {
        const auto block = exif::LoadExifBlock(source);
        ASSERT_TRUE(block);
        EXPECT_FALSE(exif::SaveThumbnail(0, destination, source, *block));
    }
    EXPECT_EQ(ReadAll(destination), kStub);
}
