#include "commands/ui/file_command_windows.h"
#include "commands/ui/file_rename_dlg.h"
#include "commands/ui/file_transfer_dlg.h"
#include "tests/commands/file_command_fixture.h"
#include "tests/support/screenshot.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace commands;
using fixture::Sjis;
namespace fs = std::filesystem;

namespace {

class FileDialogs : public fixture::FileCommandTest, public ::testing::Test {
protected:
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    shell::LiveSettings live = shell::LiveSettings::Load(store);
    fs::path in = sandbox.Path() / "in";
    fs::path out = sandbox.Path() / "out";
};

void Show(QWidget& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

// Presses a button of the next message box once it is shown, after saving its picture.
void AnswerMessageBox(const QString& buttonText, const QString& screenshot) {
    QTimer::singleShot(50, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box is shown";
        if (!screenshot.isEmpty()) {
            EXPECT_FALSE(fixture::SaveScreenshot(*box, screenshot).isEmpty());
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << buttonText.toStdString();
        box->reject();
    });
}

} // namespace

TEST_F(FileDialogs, CopyDialogShowsItsSectionAndCopiesOnOk) {
    const fs::path a = WritePhoto("in/a.jpg", "2001:01:01 00:00:00");
    ASSERT_TRUE(store.WriteString("FileCopy", "EditFolder", Sjis(out.string())).Ok());
    ASSERT_TRUE(store.WriteString("FileCopy", "RadioButton3", "1").Ok());
    ASSERT_TRUE(store.WriteString("FileCopy", "EditDCF", "IMG_").Ok());
    TFileCopyDlg dialog(Context({a}), store, live, ports);
    Show(dialog);

    EXPECT_EQ(dialog.windowTitle(), "ファイルコピー");
    EXPECT_EQ(dialog.EditFolder->text().toStdString(), out.string());
    EXPECT_TRUE(dialog.RadioButton3->isChecked());
    EXPECT_TRUE(dialog.EditDCF->isEnabled());
    EXPECT_EQ(dialog.EditDCF->text(), "IMG_");
    EXPECT_FALSE(dialog.RadioButton4->isVisible()) << "the fourth choice stays hidden";
    EXPECT_FALSE(dialog.EditName->isVisible());
    EXPECT_EQ(dialog.GroupBox1->title(), "自動ファイル変名");
    EXPECT_FALSE(fixture::SaveScreenshot(dialog, "file-copy-dialog").isEmpty());

    dialog.RadioButton1->click();
    EXPECT_FALSE(dialog.EditDCF->isEnabled());
    dialog.OKBtn->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(fs::exists(out / "a.jpg"));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(store.ReadString("FileCopy", "RadioButton1", ""), "1");
    EXPECT_EQ(store.ReadString("FileCopy", "RadioButton3", ""), "0");
}

TEST_F(FileDialogs, MoveDialogWithoutAFolderTellsAndStaysOpen) {
    const fs::path a = WritePhoto("in/a.jpg", "2001:01:01 00:00:00");
    TFileMoveDlg dialog(Context({a}), store, live, ports);
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "ファイル移動");
    EXPECT_TRUE(dialog.RadioButton1->isChecked()) << "the section's default";
    EXPECT_FALSE(dialog.EditDCF->isEnabled());
    EXPECT_FALSE(fixture::SaveScreenshot(dialog, "file-move-dialog").isEmpty());

    dialog.OKBtn->click();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.told, std::vector<std::string>{"移動先フォルダを指定してください"});
    EXPECT_TRUE(fs::exists(a));
}

TEST_F(FileDialogs, RenameDialogRenamesByDate) {
    const fs::path a = WritePhoto("in/DSCN0001.JPG", "2000:12:31 09:05:07");
    TFileRenameDlg dialog(Context({a}), store, live, ports);
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "ファイル自動変名");
    EXPECT_TRUE(dialog.RadioButton3->isChecked()) << "DCF names by default";
    EXPECT_EQ(dialog.EditDCF->text(), "DSCN");
    EXPECT_FALSE(dialog.RadioButton4->isVisible());
    EXPECT_FALSE(fixture::SaveScreenshot(dialog, "file-rename-dialog").isEmpty());

    dialog.RadioButton2->click();
    EXPECT_FALSE(dialog.EditDCF->isEnabled());
    dialog.OKBtn->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    // The default date names: YYYYMMDD, "_", HHMM, "_", two digits.
    EXPECT_EQ(Names(in), std::vector<std::string>{"20001231_0905_01.jpg"});
    EXPECT_EQ(store.ReadString("FileRename", "RadioButton2", ""), "1");
}

TEST_F(FileDialogs, TheOverwriteQuestionHasItsFourAnswers) {
    OverwriteQuestionBox question(nullptr);
    AnswerMessageBox("すべてはい(&A)", "overwrite-question");
    EXPECT_EQ(question.AskOverwrite(in / "写真.jpg", out / "写真.jpg"),
              platform::OverwriteAnswer::YesToAll);
    AnswerMessageBox("キャンセル", "");
    EXPECT_EQ(question.AskOverwrite(in / "a.jpg", out / "a.jpg"),
              platform::OverwriteAnswer::Cancel);

    FileMessageBox box(nullptr);
    AnswerMessageBox("OK", "file-command-message");
    box.Tell("次のファイルは処理できませんでした。\ncannot copy a.jpg to b.jpg: it is a folder");
}
