// EXIF copy, add and delete and thumbnail creation through scripted ports: how copy finds the
// camera original, the folder question of add, delete's stub in place, the template checks,
// and the renewed thumbnail, size tags and file time.

#include "commands/exif_add_delete.h"
#include "commands/exif_copy.h"
#include "commands/template_picture.h"
#include "commands/thumbnail_command.h"
#include "exif/exif_block.h"
#include "exif/exif_writer.h"
#include "exif/exif_writer_segments.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/sandbox.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace commands;
using namespace edit_test;

namespace {

namespace fs = std::filesystem;

std::uint64_t Tag(const fs::path& file, const char* name) {
    const auto block = exif::LoadExifBlock(file);
    return block ? exif::IntegerTag(*block, name).value_or(0) : 0;
}

class ASegmentCommand : public ::testing::Test {
protected:
    fixture::Sandbox box;
    fs::path originals = box.Path() / "camera";
    fs::path edited = box.Path() / "edited";
    Ports ports;

    void SetUp() override {
        fs::create_directories(originals);
        fs::create_directories(edited);
    }
};

TEST_F(ASegmentCommand, CopyFindsTheSameNameElseThePartBeforeTheLastDash) {
    WritePhoto(originals / "DSCN0001.JPG", {.make = "NIKON", .date = "2001:02:03 04:05:06"});
    WritePhoto(originals / "IMG-7.JPG", {.make = "Canon"});
    WritePhoto(originals / "DSCN0002.JPG");
    for (const char* name : {"DSCN0001-2.JPG", "DSCN0001.JPG", "IMG-7-crop-1.JPG", "IMG-7-1.JPG",
                             "dscn0002-small.jpg", "lost-1.JPG"}) {
        WritePlainJpeg(edited / name);
    }
    EXPECT_EQ(FindExifSource(originals, edited / "DSCN0001-2.JPG"), originals / "DSCN0001.JPG");
    EXPECT_EQ(FindExifSource(originals, edited / "IMG-7-1.JPG"), originals / "IMG-7.JPG");
    EXPECT_FALSE(FindExifSource(originals, edited / "IMG-7-crop-1.JPG")); // IMG-7-crop.JPG
    EXPECT_EQ(FindExifSource(originals, edited / "dscn0002-small.jpg"), originals / "DSCN0002.JPG");
    EXPECT_FALSE(FindExifSource(originals, edited / "lost-1.JPG"));

    const Selection files = {edited / "DSCN0001-2.JPG", edited / "DSCN0001.JPG",
                             edited / "lost-1.JPG"};
    const auto report = RunExifCopy(files, originals, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(report->processed, 2);
    const std::string source = (originals / "DSCN0001.JPG").string();
    const std::vector<ShownRow> expected = {
        {"DSCN0001-2.JPG", "Exif情報コピー", source, (edited / "DSCN0001-2.JPG").string(), true},
        {"DSCN0001.JPG", "Exif情報コピー", source, (edited / "DSCN0001.JPG").string(), true},
        {"lost-1.JPG", "処理せず", "", "", false},
    };
    EXPECT_EQ(Shown(*ports.confirm.shown), expected);
    EXPECT_EQ(platform::Cp932ToUtf8(ports.confirm.shown->OldCaption()), "コピー元ファイル");
    EXPECT_EQ(platform::Cp932ToUtf8(ports.confirm.shown->NewCaption()), "対象ファイル");
    for (const char* name : {"DSCN0001-2.JPG", "DSCN0001.JPG"}) {
        EXPECT_EQ(exif::ReadTagText(edited / name, "Make"), "NIKON");
        // The file's time comes from the copied DateTime.
        EXPECT_EQ(exif::FileDateText(edited / name), "2001:02:03 04:05:06");
    }
}

TEST_F(ASegmentCommand, CopyAsksForASourceFolderFirst) {
    WritePlainJpeg(edited / "a.jpg");
    EXPECT_FALSE(RunExifCopy({edited / "a.jpg"}, "", ports.Edit()));
    EXPECT_EQ(ports.prompt.tells, std::vector<std::string>{"コピー元フォルダを指定してください"});
    EXPECT_EQ(ports.confirm.calls, 0);
}

TEST_F(ASegmentCommand, AddMakesAMissingOutputFolderAfterYes) {
    const fs::path templateFile = box.Path() / "Hestrom.jpg";
    WritePhoto(templateFile, {.make = "Hestrom", .date = "2000:01:01 00:00:00"});
    WritePlainJpeg(edited / "scan.jpg", 200, 150);
    const auto scanTime = SetTime(edited / "scan.jpg", {2002, 3, 4, 5, 6, 7});
    const auto scan = ReadAll(edited / "scan.jpg");
    const fs::path output = box.Path() / "with exif" / "deeper";
    ports.prompt.answers = {true};

    const auto report = RunExifAdd({edited / "scan.jpg", edited / "notes.txt"}, {true, output},
                                   templateFile, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(ports.prompt.questions, std::vector<std::string>{"フォルダ " + output.string() +
                                                               "/ がありません。作成しますか？"});
    EXPECT_EQ(report->processed, 1);
    const std::vector<ShownRow> expected = {
        {"notes.txt", "処理せず", "", "", false},
        {"scan.jpg", "Exif情報追加", (edited / "scan.jpg").string(), (output / "scan.jpg").string(),
         true},
    };
    EXPECT_EQ(Shown(*ports.confirm.shown), expected);
    EXPECT_EQ(platform::Cp932ToUtf8(ports.confirm.shown->NewCaption()), "付加後のファイル");
    EXPECT_EQ(ReadAll(edited / "scan.jpg"), scan);
    const fs::path added = output / "scan.jpg";
    EXPECT_EQ(exif::ReadTagText(added, "Make"), "Hestrom");
    for (const char* tag : {"DateTime", "DateTimeOriginal", "DateTimeDigitized"}) {
        EXPECT_EQ(exif::ReadTagText(added, tag), "2002:03:04 05:06:07") << tag;
    }
    EXPECT_EQ(platform::LastWriteTime(added), scanTime);
    EXPECT_EQ(Tag(added, "ExifImageWidth"), 200u);
    EXPECT_EQ(Tag(added, "ExifImageLength"), 150u);
}

TEST_F(ASegmentCommand, AddAndDeleteRefuseWithoutAFolderOrAfterNo) {
    const fs::path templateFile = box.Path() / "Hestrom.jpg";
    WritePhoto(templateFile);
    WritePlainJpeg(edited / "a.jpg");
    const fs::path missing = box.Path() / "missing";

    EXPECT_FALSE(RunExifAdd({edited / "a.jpg"}, {true, ""}, templateFile, ports.Edit()));
    EXPECT_FALSE(RunExifDelete({edited / "a.jpg"}, {true, ""}, ports.Edit()));
    EXPECT_EQ(ports.prompt.tells,
              std::vector<std::string>(2, "コピー先フォルダを指定してください"));

    EXPECT_FALSE(RunExifAdd({edited / "a.jpg"}, {true, missing}, templateFile, ports.Edit()));
    EXPECT_FALSE(RunExifDelete({edited / "a.jpg"}, {true, missing}, ports.Edit()));
    EXPECT_EQ(ports.prompt.questions.size(), 2u);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(ports.confirm.calls, 0);
}

TEST_F(ASegmentCommand, AddWithAMissingOrUnusableTemplateNamesItAndProcessesNothing) {
    WritePlainJpeg(edited / "a.jpg");
    const auto before = ReadAll(edited / "a.jpg");
    const fs::path missing = box.Path() / "Hestrom.jpg";
    const fs::path noThumbnail = box.Path() / "bare.jpg";
    WritePhoto(noThumbnail, {.thumbnail = false});
    const fs::path jfif = box.Path() / "jfif.jpg";
    WritePlainJpeg(jfif);
    ports.prompt.answers = {true, true, true};

    for (const fs::path& file : {missing, noThumbnail, jfif}) {
        EXPECT_FALSE(
            RunExifAdd({edited / "a.jpg"}, {true, box.Path() / "out"}, file, ports.Edit()));
    }
    ASSERT_EQ(ports.prompt.warnings.size(), 3u);
    EXPECT_EQ(ports.prompt.warnings[0],
              "テンプレートファイル " + missing.string() + " がありません。");
    EXPECT_NE(ports.prompt.warnings[1].find(noThumbnail.string()), std::string::npos);
    EXPECT_NE(ports.prompt.warnings[2].find(jfif.string()), std::string::npos);
    EXPECT_TRUE(ports.prompt.questions.empty());
    EXPECT_FALSE(fs::exists(box.Path() / "out"));
    EXPECT_EQ(ports.confirm.calls, 0);
    EXPECT_EQ(ReadAll(edited / "a.jpg"), before);
}

TEST_F(ASegmentCommand, DeleteInPlaceLeavesTheStubTheBodyAndTheFileTime) {
    WritePhoto(edited / "a.jpg");
    const auto time = SetTime(edited / "a.jpg", {2001, 1, 2, 3, 4, 5});
    const auto before = ReadAll(edited / "a.jpg");
    const std::size_t bodyAt = 4 + ((std::size_t{before[4]} << 8) | before[5]);

    const auto report = RunExifDelete({edited / "a.jpg"}, {}, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(report->processed, 1);
    EXPECT_EQ(Shown(*ports.confirm.shown).at(0),
              (ShownRow{"a.jpg", "Exif情報削除", (edited / "a.jpg").string(),
                        (edited / "a.jpg").string(), true}));
    EXPECT_EQ(platform::Cp932ToUtf8(ports.confirm.shown->NewCaption()), "削除後のファイル");
    const auto after = ReadAll(edited / "a.jpg");
    ASSERT_GE(after.size(), 16u);
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + 16, std::begin(exif::kJfifStub)));
    EXPECT_TRUE(std::equal(after.begin() + 16, after.end(),
                           before.begin() + static_cast<std::ptrdiff_t>(bodyAt), before.end()));
    EXPECT_EQ(platform::LastWriteTime(edited / "a.jpg"), time);
}

TEST_F(ASegmentCommand, DeleteIntoAFolderKeepsTheOriginal) {
    WritePhoto(edited / "a.jpg");
    const auto before = ReadAll(edited / "a.jpg");
    const fs::path output = box.Path() / "plain";
    fs::create_directories(output);

    const auto report = RunExifDelete({edited / "a.jpg"}, {true, output}, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_TRUE(ports.prompt.questions.empty());
    EXPECT_EQ(ReadAll(edited / "a.jpg"), before);
    EXPECT_FALSE(exif::LoadExifBlock(output / "a.jpg"));
}

TEST_F(ASegmentCommand, ThumbnailRenewsTheThumbnailSizeTagsAndTheFileTime) {
    WritePhoto(edited / "a.jpg", {.date = "2004:05:06 07:08:09",
                                  .width = 400,
                                  .height = 300,
                                  .sizeTagWidth = 1600,
                                  .sizeTagHeight = 1200});
    WritePlainJpeg(edited / "b.png");
    SetTime(edited / "a.jpg", {2020, 1, 1, 0, 0, 0});
    const std::uint64_t oldLength = Tag(edited / "a.jpg", "JPEGInterchangeFormatLength");
    ports.confirm.beforeAnswer = [](ConfirmationList& list) { list.CheckAll(true); };

    const BatchReport report = RunThumbnails({edited / "a.jpg", edited / "b.png"}, ports.Edit());

    EXPECT_EQ(report.processed, 1);
    const std::vector<ShownRow> expected = {
        {"a.jpg", "サムネイル作成", (edited / "a.jpg").string(), (edited / "a.jpg").string(), true},
        {"b.png", "処理せず", "", "", false},
    };
    EXPECT_EQ(Shown(*ports.confirm.shown), expected);
    EXPECT_EQ(ports.progress.texts.at(0).at(0), Cp932("サムネイル作成中"));
    const fs::path file = edited / "a.jpg";
    EXPECT_EQ(Tag(file, "ExifImageWidth"), 400u);
    EXPECT_EQ(Tag(file, "ExifImageLength"), 300u);
    EXPECT_NE(Tag(file, "JPEGInterchangeFormatLength"), oldLength);
    EXPECT_EQ(exif::FileDateText(file), "2004:05:06 07:08:09");
    EXPECT_EQ(exif::ReadTagText(file, "DateTime"), "2004:05:06 07:08:09");
    // The new thumbnail is a 160 x 120 JPEG.
    const auto block = exif::LoadExifBlock(file);
    ASSERT_TRUE(block);
    const fs::path thumbnail = box.Path() / "thumbnail.jpg";
    exif::WriteJfifStub(thumbnail);
    ASSERT_TRUE(exif::SaveThumbnail(0, thumbnail, file, *block));
    EXPECT_EQ(exif::JpegImageSize(thumbnail), (exif::ImageSize{160, 120}));
}

TEST_F(ASegmentCommand, LooksForTheTemplateBesideTheProgramThenInTheInstallation) {
    const fs::path bin = box.Path() / "prefix" / "bin";
    const fs::path share = box.Path() / "prefix" / "share" / "lumarouty";
    fs::create_directories(bin);
    fs::create_directories(share);
    EXPECT_EQ(TemplatePicturePath(bin), bin / "Hestrom.jpg");

    WritePhoto(share / "Hestrom.jpg");
    EXPECT_EQ(TemplatePicturePath(bin), share / "Hestrom.jpg");
    WritePhoto(bin / "Hestrom.jpg");
    EXPECT_EQ(TemplatePicturePath(bin), bin / "Hestrom.jpg");
}

} // namespace
