#include "commands/console_ports.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace commands;

namespace {

ConfirmationList ThreeRows() {
    ConfirmationList list;
    list.Clear("\x83\x52\x83\x73\x81\x5B\x8C\xB3", "\x83\x52\x83\x73\x81\x5B\x90\xE6"); // コピー元/先
    list.AddRow({"DSCN0003.JPG", "copy", "a", "b", true});
    list.AddRow({"DSCN0001.JPG", "copy", "c", "d", false});
    list.AddRow({"DSCN0002.JPG", "copy", "e", "f", true});
    return list;
}

} // namespace

TEST(ConfirmationList, KeepsRowsSortedByFileNameAndCountsTicks) {
    ConfirmationList list = ThreeRows();
    ASSERT_EQ(list.Rows().size(), 3u);
    EXPECT_EQ(list.Rows()[0].fileName, "DSCN0001.JPG");
    EXPECT_EQ(list.Rows()[1].fileName, "DSCN0002.JPG");
    EXPECT_EQ(list.Rows()[2].fileName, "DSCN0003.JPG");
    EXPECT_EQ(list.CheckedCount(), 2u);
    list.CheckAll(false);
    EXPECT_EQ(list.CheckedCount(), 0u);
    list.CheckAll(true);
    EXPECT_EQ(list.CheckedCount(), 3u);
    list.Clear("old", "new");
    EXPECT_TRUE(list.Rows().empty());
    EXPECT_EQ(list.OldCaption(), "old");
}

TEST(ConsolePorts, DryRunPrintsTheTableAndDeclines) {
    ConfirmationList list = ThreeRows();
    std::ostringstream out;
    ConsoleConfirm dryRun(out, true);
    EXPECT_EQ(dryRun.Confirm(list), Confirmation::Cancel);
    EXPECT_EQ(out.str(), "\tファイル名\t処理\tコピー元\tコピー先\n"
                         "[ ]\tDSCN0001.JPG\tcopy\tc\td\n"
                         "[x]\tDSCN0002.JPG\tcopy\te\tf\n"
                         "[x]\tDSCN0003.JPG\tcopy\ta\tb\n");

    std::ostringstream silent;
    ConsoleConfirm yes(silent, false);
    EXPECT_EQ(yes.Confirm(list), Confirmation::Ok);
    EXPECT_EQ(silent.str(), "");
}

TEST(ConsolePorts, ProgressCountsOnTheErrorStream) {
    std::ostringstream err;
    ConsoleProgress progress(err);
    progress.Start(2);
    progress.SetTexts("\x83\x52\x83\x73\x81\x5B", "a.jpg", "b.jpg");
    progress.Step();
    progress.SetTexts("delete", "c.jpg", "");
    progress.Step();
    progress.Finish();
    EXPECT_EQ(err.str(), "[1/2] コピー a.jpg -> b.jpg\n[2/2] delete c.jpg\n");
}
