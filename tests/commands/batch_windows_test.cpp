#include "commands/ui/exec_disp_dialog.h"
#include "commands/ui/executing_window.h"
#include "tests/support/screenshot.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace commands;

namespace {

ConfirmationList Rows() {
    ConfirmationList list;
    list.Clear("\x95\xCF\x96\xBC\x91\x4F", "\x95\xCF\x96\xBC\x8C\xE3"); // 変名前 / 変名後
    list.AddRow({"dscn0002.jpg", "\x83\x8A\x83\x6C\x81\x5B\x83\x80", "dscn0002.jpg",
                 "20001231_002.jpg", true});
    list.AddRow({"dscn0001.jpg", "\x83\x8A\x83\x6C\x81\x5B\x83\x80", "dscn0001.jpg",
                 "20001231_001.jpg", true});
    return list;
}

// Runs `act` once the dialog's own event loop is running.
void WhenShown(TFormExecDisp& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        if (dialog.isVisible()) {
            act();
        }
    });
}

} // namespace

TEST(ConfirmationWindow, UntickingAllThenOkLeavesNothingToDo) {
    TFormExecDisp dialog;
    ConfirmationList list = Rows();
    WhenShown(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), "処理確認");
        EXPECT_EQ(dialog.ListView1->headerItem()->text(2), "変名前");
        EXPECT_EQ(dialog.ListView1->topLevelItem(0)->text(0), "dscn0001.jpg");
        EXPECT_GE(dialog.ListView1->columnWidth(3),
                  dialog.fontMetrics().horizontalAdvance("20001231_001.jpg"));
        EXPECT_FALSE(fixture::SaveScreenshot(dialog, "confirmation-list").isEmpty());
        dialog.ButtonNone->click();
        dialog.ButtonOk->click();
    });
    EXPECT_EQ(dialog.Confirm(list), Confirmation::Ok);
    EXPECT_EQ(list.CheckedCount(), 0u);
}

TEST(ConfirmationWindow, CancelLeavesTheTicksAsTheyWere) {
    TFormExecDisp dialog;
    ConfirmationList list = Rows();
    WhenShown(dialog, [&] {
        dialog.ListView1->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        dialog.ButtonCancel->click();
    });
    EXPECT_EQ(dialog.Confirm(list), Confirmation::Cancel);
    EXPECT_EQ(list.CheckedCount(), 2u);

    WhenShown(dialog, [&] {
        dialog.ListView1->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        dialog.ButtonOk->click();
    });
    EXPECT_EQ(dialog.Confirm(list), Confirmation::Ok);
    EXPECT_TRUE(list.Rows()[0].checked);
    EXPECT_FALSE(list.Rows()[1].checked);
}

TEST(ProgressWindow, ShowsTheTextsAndStepsAndRefusesToClose) {
    TFormExecuting window;
    window.Start(4);
    EXPECT_TRUE(window.isVisible());
    window.SetTexts("\x83\x52\x83\x73\x81\x5B", "/photos/dscn0001.jpg", "/backup/dscn0001.jpg");
    window.Step();
    window.Step();
    EXPECT_EQ(window.windowTitle(), "実行中");
    EXPECT_EQ(window.Label1->text(), "コピー");
    EXPECT_EQ(window.Label3->text(), "/backup/dscn0001.jpg");
    EXPECT_EQ(window.ProgressBar1->value(), 2);
    EXPECT_EQ(window.ProgressBar1->maximum(), 4);
    EXPECT_FALSE(fixture::SaveScreenshot(window, "progress-window").isEmpty());

    window.close();
    EXPECT_TRUE(window.isVisible());
    window.Finish();
    EXPECT_FALSE(window.isVisible());
}
