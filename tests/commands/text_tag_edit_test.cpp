// Title and comment editing: the edit limit from the first selected JPEG file, texts cut to
// the reserved room, a comment then shown by ReadTagText and the summary, unchanged file times.

#include "commands/text_tag_edit.h"
#include "exif/exif_block.h"
#include "exif/file_probes.h"
#include "exif/summary_values.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace commands;
using namespace edit_test;

namespace {

class ATextEdit : public ::testing::Test {
protected:
    fixture::Sandbox box;
    std::filesystem::path folder = box.Path();
    Ports ports;
};

TEST_F(ATextEdit, TakesTheLimitAndTextFromTheFirstSelectedJpegFile) {
    WritePlainJpeg(folder / "first.png");
    WritePhoto(folder / "second.jpg", {.title = "Fuji", .titleCount = 20});
    WritePhoto(folder / "third.jpg", {.title = "longer room"});

    const TextEditStart start = PrepareTextEdit(
        {folder / "first.png", folder / "second.jpg", folder / "third.jpg"}, TextTag::Title);
    EXPECT_EQ(start.text, "Fuji");
    EXPECT_EQ(start.maxBytes, 19);

    // The comment's room is less its 8-byte character code.
    const TextEditStart comment = PrepareTextEdit({folder / "third.jpg"}, TextTag::Comment);
    EXPECT_EQ(comment.maxBytes, 116);
}

TEST_F(ATextEdit, HasNoUsableLimitWithoutAJpegFileOrWithoutTheTag) {
    WritePlainJpeg(folder / "only.png");
    WritePlainJpeg(folder / "plain.jpg");

    EXPECT_EQ(PrepareTextEdit({folder / "only.png"}, TextTag::Title).maxBytes, -1);
    const TextEditStart plain = PrepareTextEdit({folder / "plain.jpg"}, TextTag::Title);
    EXPECT_EQ(plain.maxBytes, -1);
    EXPECT_EQ(plain.text, "");
}

TEST_F(ATextEdit, CutsATooLongTextToEachFilesRoomAndKeepsTheFileTimes) {
    WritePhoto(folder / "wide.jpg");
    WritePhoto(folder / "narrow.jpg", {.titleCount = 8});
    const auto wideTime = SetTime(folder / "wide.jpg", {2001, 5, 6, 7, 8, 9});
    const auto narrowTime = SetTime(folder / "narrow.jpg", {1999, 12, 31, 23, 59, 58});
    const std::string text = Cp932("富士山と湖 2024年の夏の朝です。");

    const BatchReport report = RunTextEdit({folder / "wide.jpg", folder / "narrow.jpg"},
                                           TextTag::Title, text, ports.Edit());

    EXPECT_EQ(report.processed, 2);
    EXPECT_EQ(report.notes,
              (std::vector<FileNote>{{folder / "narrow.jpg", "cut to 6 bytes"}}));
    EXPECT_EQ(exif::ReadTagText(folder / "wide.jpg", "ImageDescription"), text.substr(0, 31));
    // 7 bytes of room: three double-byte characters, never half of the fourth.
    EXPECT_EQ(exif::ReadTagText(folder / "narrow.jpg", "ImageDescription"), Cp932("富士山"));
    EXPECT_EQ(platform::LastWriteTime(folder / "wide.jpg"), wideTime);
    EXPECT_EQ(platform::LastWriteTime(folder / "narrow.jpg"), narrowTime);
}

TEST_F(ATextEdit, WritesACommentThatTheReaderAndTheSummaryShow) {
    WritePhoto(folder / "photo.jpg", {.comment = "camera text"});
    const std::string comment = Cp932("夕焼けの海岸にて");

    const BatchReport report =
        RunTextEdit({folder / "photo.jpg"}, TextTag::Comment, comment, ports.Edit());

    ASSERT_EQ(report.processed, 1);
    ASSERT_TRUE(ports.confirm.shown);
    EXPECT_EQ(Shown(*ports.confirm.shown).at(0).oldValue, "camera text");
    // Behind the undefined character code, which stands for the system code page.
    const std::string stored = exif::ReadTagText(folder / "photo.jpg", "UserComment");
    EXPECT_EQ(stored, "");
    const auto block = exif::LoadExifBlock(folder / "photo.jpg");
    EXPECT_EQ(exif::SummaryValue(block, exif::SummaryFieldId::Comment, folder / "photo.jpg"),
              comment);
}

} // namespace
