// The batch pattern every editing command shares, run through scripted ports: the rows and
// captions, rows left alone, the progress window's texts, the refresh rule, and a run that an
// input/output error stops at the file that caused it.

#include "commands/text_tag_edit.h"
#include "commands/thumbnail_command.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace commands;
using namespace edit_test;

namespace {

class ABatch : public ::testing::Test {
protected:
    void SetUp() override {
        WritePhoto(folder / "b.jpg", {.title = "old b"});
        WritePhoto(folder / "a.JPG", {.title = "old a"});
        WritePlainJpeg(folder / "c.jpeg");
        WritePlainJpeg(folder / "d.png");
    }
    std::string Title(const std::string& name) const {
        return exif::ReadTagText(folder / name, "ImageDescription");
    }

    fixture::Sandbox box;
    std::filesystem::path folder = box.Path();
    Selection selection = {folder / "b.jpg", folder / "d.png", folder / "a.JPG", folder / "c.jpeg"};
    Ports ports;
};

TEST_F(ABatch, ShowsOneRowPerFileSortedByNameWithOtherFilesNotProcessed) {
    const BatchReport report = RunTextEdit(selection, TextTag::Title, "new", ports.Edit());

    ASSERT_TRUE(ports.confirm.shown);
    EXPECT_EQ(platform::Cp932ToUtf8(ports.confirm.shown->OldCaption()), "旧タイトル");
    EXPECT_EQ(platform::Cp932ToUtf8(ports.confirm.shown->NewCaption()), "新タイトル");
    const std::vector<ShownRow> expected = {
        {"a.JPG", "画像タイトル修正", "old a", "new", true},
        {"b.jpg", "画像タイトル修正", "old b", "new", true},
        {"c.jpeg", "処理せず", "", "", false},
        {"d.png", "処理せず", "", "", false},
    };
    EXPECT_EQ(Shown(*ports.confirm.shown), expected);
    EXPECT_TRUE(report.confirmed);
    EXPECT_EQ(report.processed, 2);
    EXPECT_TRUE(report.NeedsRefresh());
    EXPECT_EQ(Title("a.JPG"), "new");
    EXPECT_EQ(Title("b.jpg"), "new");
}

TEST_F(ABatch, LeavesUntickedAndNotProcessedRowsAlone) {
    ports.confirm.beforeAnswer = [](ConfirmationList& list) {
        list.Rows()[1].checked = false; // b.jpg
        list.Rows()[3].checked = true;  // d.png, "処理せず"
    };
    const auto png = ReadAll(folder / "d.png");

    const BatchReport report = RunTextEdit(selection, TextTag::Title, "new", ports.Edit());

    EXPECT_EQ(report.processed, 1);
    EXPECT_EQ(Title("a.JPG"), "new");
    EXPECT_EQ(Title("b.jpg"), "old b");
    EXPECT_EQ(ReadAll(folder / "d.png"), png);
    EXPECT_EQ(ports.progress.starts, std::vector<int>{1});
}

TEST_F(ABatch, TellsTheProgressWindowTheActionTheFileAndTheNewValue) {
    (void)RunTextEdit(selection, TextTag::Comment, Cp932("海"), ports.Edit());

    ASSERT_EQ(ports.progress.texts.size(), 2u);
    EXPECT_EQ(ports.progress.texts[0],
              (std::vector<std::string>{Cp932("コメント修正"),
                                        platform::PathToCp932(folder / "a.JPG"), Cp932("海")}));
    EXPECT_EQ(ports.progress.steps, 2);
    EXPECT_EQ(ports.progress.finishes, 1);
}

TEST_F(ABatch, CancelledOrAllUntickedChangesNothingAndNeedsNoRefresh) {
    const auto before = ReadAll(folder / "a.JPG");
    ports.confirm.answer = Confirmation::Cancel;
    const BatchReport cancelled = RunTextEdit(selection, TextTag::Title, "new", ports.Edit());
    EXPECT_FALSE(cancelled.confirmed);
    EXPECT_FALSE(cancelled.NeedsRefresh());
    EXPECT_TRUE(ports.progress.starts.empty());

    ports.confirm.answer = Confirmation::Ok;
    ports.confirm.beforeAnswer = [](ConfirmationList& list) { list.CheckAll(false); };
    const BatchReport none = RunTextEdit(selection, TextTag::Title, "new", ports.Edit());
    EXPECT_TRUE(none.confirmed);
    EXPECT_EQ(none.processed, 0);
    EXPECT_FALSE(none.NeedsRefresh());
    EXPECT_EQ(ReadAll(folder / "a.JPG"), before);
}

TEST_F(ABatch, ARefusedRebuildStopsAtThatFileAndKeepsTheFilesBefore) {
    WritePhoto(folder / "b2.jpg");
    // A read-only file is refused: the rebuild does not replace it.
    std::filesystem::permissions(folder / "b2.jpg",
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    WritePhoto(folder / "b3.jpg");
    const auto b3 = ReadAll(folder / "b3.jpg");
    const auto a = ReadAll(folder / "a.JPG");

    const BatchReport report =
        RunThumbnails({folder / "b3.jpg", folder / "b2.jpg", folder / "a.JPG"}, ports.Edit());

    EXPECT_EQ(report.processed, 1);
    EXPECT_TRUE(report.NeedsRefresh());
    ASSERT_TRUE(report.failure);
    EXPECT_NE(report.failure->find((folder / "b2.jpg").string()), std::string::npos);
    ASSERT_EQ(ports.prompt.warnings.size(), 1u);
    EXPECT_NE(ports.prompt.warnings[0].find("b2.jpg"), std::string::npos);
    EXPECT_NE(ReadAll(folder / "a.JPG"), a); // processed before the failure
    EXPECT_EQ(ReadAll(folder / "b3.jpg"), b3);
    EXPECT_EQ(ports.progress.finishes, 1);
}

} // namespace
