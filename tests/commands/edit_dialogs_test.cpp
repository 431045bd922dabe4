// The EXIF editing dialogs: captions and controls, the preparation steps, the enabling rules,
// the folder browser, the registry values read at creation and written after OK, OK refused
// with the dialog left open, and a screenshot of each dialog.

#include "commands/edit_settings.h"
#include "commands/ui/edit_date_dlg.h"
#include "commands/ui/edit_text_dlg.h"
#include "commands/ui/exif_folder_dlg.h"
#include "commands/ui/message_box_edit_prompt.h"
#include "exif/exif_block.h"
#include "exif/file_probes.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/window_answer.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"
#include "tests/support/screenshot.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace commands;
using namespace edit_test;
using fixture::WindowAnswer;

namespace {

namespace fs = std::filesystem;

void ExpectScreenshot(QWidget& window, const char* name) {
    window.show();
    QApplication::processEvents();
    EXPECT_FALSE(fixture::SaveScreenshot(window, name).isEmpty()) << name;
}

class AnEditDialog : public ::testing::Test {
protected:
    fixture::MachineSandbox machine;
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    fixture::Sandbox box;
    fs::path folder = box.Path();
    Ports ports;
};

TEST_F(AnEditDialog, TitleStartsFromTheFirstJpegAndTakesNoMoreBytesThanItsRoom) {
    WritePlainJpeg(folder / "scan.png");
    WritePhoto(folder / "a.jpg", {.title = Cp932("春の"), .titleCount = 10});
    WritePhoto(folder / "b.jpg", {.title = "other"});
    TEditTitleDlg dialog({folder / "scan.png", folder / "a.jpg", folder / "b.jpg"}, ports.Edit());
    dialog.Prepare();

    EXPECT_EQ(dialog.windowTitle(), "画像タイトル修正");
    EXPECT_EQ(dialog.Label1->text(), "画像タイトル");
    EXPECT_EQ(dialog.EditTitle->text(), "春の");
    dialog.show();
    dialog.EditTitle->insert("花見");   // as an input method commits it
    dialog.EditTitle->insert("山の桜"); // no room left for it
    QTest::keyClicks(dialog.EditTitle, "ABCDE");
    // 9 bytes of room: 春の花見 takes 8, one letter fits.
    EXPECT_EQ(dialog.EditTitle->text(), "春の花見A");
    ExpectScreenshot(dialog, "edit-title-dialog");

    dialog.OKBtn->click();
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Report());
    EXPECT_EQ(dialog.Report()->processed, 2);
    EXPECT_EQ(exif::ReadTagText(folder / "b.jpg", "ImageDescription"), Cp932("春の花見A"));
}

TEST_F(AnEditDialog, CommentWithoutAJpegFileHasNoLimitAndCancelWritesNothing) {
    WritePlainJpeg(folder / "scan.png");
    TEditCommentDlg dialog({folder / "scan.png"}, ports.Edit());
    dialog.Prepare();
    EXPECT_EQ(dialog.windowTitle(), "コメント修正");
    EXPECT_EQ(dialog.Label1->text(), "コメント");
    dialog.EditComment->setText("夕焼けの海岸にて、家族と一緒に撮った一枚");
    ExpectScreenshot(dialog, "edit-comment-dialog");

    dialog.CancelBtn->click();
    EXPECT_FALSE(dialog.Report());
    EXPECT_EQ(ports.confirm.calls, 0);
}

TEST_F(AnEditDialog, DateEnablesTheInputsOfTheCheckedMethod) {
    TEditDateDlg dialog({}, store, ports.Edit());
    EXPECT_EQ(dialog.windowTitle(), "日付修正");
    EXPECT_EQ(dialog.GroupBox1->title(), "修正方法");
    EXPECT_EQ(dialog.GroupBox2->title(), "修正対象");
    EXPECT_EQ(dialog.RadioButton3->text(), "ベース日付を加算");
    EXPECT_TRUE(dialog.RadioButton1->isChecked());
    EXPECT_TRUE(dialog.CheckBox1->isChecked() && dialog.CheckBox2->isChecked() &&
                dialog.CheckBox3->isChecked());
    dialog.show();
    EXPECT_FALSE(dialog.DateTimePicker1->isEnabled());
    EXPECT_FALSE(dialog.EditOffset->isEnabled());

    dialog.RadioButton2->click();
    EXPECT_TRUE(dialog.DateTimePicker1->isEnabled() && dialog.EditTime->isEnabled());
    EXPECT_FALSE(dialog.EditOffset->isEnabled());
    dialog.RadioButton3->click();
    EXPECT_FALSE(dialog.DateTimePicker1->isEnabled() || dialog.EditTime->isEnabled());
    EXPECT_TRUE(dialog.EditOffset->isEnabled());
}

TEST_F(AnEditDialog, DateReadsItsSectionAndStartsAtTheFirstPhotosDate) {
    WriteDateEditSettings(store, {DateSource::Given, {true, false, true}});
    WritePhoto(folder / "a.jpg", {.date = "2001:02:03 04:05:06"});
    TEditDateDlg dialog({folder / "a.jpg"}, store, ports.Edit());
    dialog.Prepare();

    EXPECT_TRUE(dialog.RadioButton2->isChecked());
    EXPECT_FALSE(dialog.CheckBox2->isChecked());
    EXPECT_EQ(dialog.DateTimePicker1->date(), QDate(2001, 2, 3));
    EXPECT_EQ(dialog.EditTime->text(), "04:05:06");
    ExpectScreenshot(dialog, "edit-date-dialog");
}

TEST_F(AnEditDialog, DateKeepsItselfOpenOnABadShiftAndStoresItsChoicesAfterARun) {
    WritePhoto(folder / "a.jpg", {.date = "2000:01:31 23:30:00"});
    TEditDateDlg dialog({folder / "a.jpg"}, store, ports.Edit());
    dialog.show();
    dialog.RadioButton3->click();
    dialog.CheckBox3->click();
    dialog.EditOffset->setText("soon");
    dialog.OKBtn->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ports.prompt.tells.size(), 1u);
    EXPECT_FALSE(store.StoredText("EditDate", "RadioButton3"));

    dialog.EditOffset->setText("+1 01:00");
    ports.confirm.answer = Confirmation::Cancel;
    dialog.OKBtn->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ReadDateEditSettings(store).source, DateSource::Shift);
    EXPECT_FALSE(ReadDateEditSettings(store).targets.dateTimeDigitized);
    EXPECT_EQ(exif::ReadTagText(folder / "a.jpg", "DateTime"), "2000:01:31 23:30:00");

    ports.confirm.answer = Confirmation::Ok;
    dialog.show();
    dialog.OKBtn->click();
    EXPECT_EQ(exif::ReadTagText(folder / "a.jpg", "DateTime"), "2000:02:02 00:30:00");
    EXPECT_EQ(exif::ReadTagText(folder / "a.jpg", "DateTimeDigitized"), "2000:01:31 23:30:00");
}

TEST_F(AnEditDialog, CopyAsksForItsFolderThenBrowsesRunsAndStoresIt) {
    const fs::path originals = folder / "カメラ";
    fs::create_directories(originals);
    WritePhoto(originals / "a.jpg");
    WritePlainJpeg(folder / "a.jpg");
    TExifCopyDlg dialog({folder / "a.jpg"}, store, ports.Edit());
    EXPECT_EQ(dialog.windowTitle(), "Exif情報コピー");
    EXPECT_EQ(dialog.Label1->text(), "コピー元フォルダ(&F)");
    EXPECT_EQ(dialog.ButtonFolder->text(), "参照(&I)...");
    EXPECT_EQ(dialog.CheckBoxFolder, nullptr);
    EXPECT_EQ(dialog.SHBrowseForFolderEx1.Caption(), "コピー元フォルダを指定してください");
    dialog.show();
    dialog.OKBtn->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ports.prompt.tells, std::vector<std::string>{"コピー元フォルダを指定してください"});

    QString browserTitle;
    WindowAnswer<QFileDialog> browser([&](QFileDialog& window) {
        browserTitle = window.windowTitle();
        window.setDirectory(QString::fromStdString(originals.string()));
        static_cast<QDialog&>(window).accept(); // what the OK button does
    });
    dialog.ButtonFolder->click();
    EXPECT_EQ(browser.shown, 1);
    EXPECT_EQ(browserTitle, "コピー元フォルダを指定してください");
    EXPECT_EQ(dialog.EditFolder->text().toStdString(), originals.string());
    ExpectScreenshot(dialog, "exif-copy-dialog");

    dialog.OKBtn->click();
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Report());
    EXPECT_EQ(dialog.Report()->processed, 1);
    EXPECT_EQ(ReadExifCopyFolder(store), originals);
    EXPECT_TRUE(exif::LoadExifBlock(folder / "a.jpg"));
}

TEST_F(AnEditDialog, AddUsesItsFolderOnlyWhileTheBoxIsCheckedAndStoresOnlyAfterARun) {
    const fs::path templateFile = folder / "Hestrom.jpg";
    WritePhoto(templateFile);
    WritePlainJpeg(folder / "scan.jpg");
    const fs::path output = folder / "出力";
    WriteExifOutput(store, ExifOutputSection::Add, {false, folder / "earlier"});
    TExifAddDlg dialog({folder / "scan.jpg"}, store, templateFile, ports.Edit());
    EXPECT_EQ(dialog.windowTitle(), "Exif情報追加");
    EXPECT_EQ(dialog.Label1->text(), "出力先フォルダ(&F)");
    EXPECT_EQ(dialog.CheckBoxFolder->text(), "Exif情報追加後にコピーする");
    EXPECT_EQ(dialog.SHBrowseForFolderEx1.Caption(), "出力先フォルダを指定してください");
    EXPECT_EQ(dialog.EditFolder->text().toStdString(), (folder / "earlier").string());
    dialog.show();
    EXPECT_FALSE(dialog.EditFolder->isEnabled() || dialog.ButtonFolder->isEnabled());

    dialog.CheckBoxFolder->click();
    EXPECT_TRUE(dialog.EditFolder->isEnabled() && dialog.ButtonFolder->isEnabled());
    dialog.EditFolder->setText(QString::fromStdString(output.string()));
    dialog.OKBtn->click(); // the folder question, answered No
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ports.prompt.questions.size(), 1u);
    EXPECT_FALSE(ReadExifOutput(store, ExifOutputSection::Add).copyToFolder);
    ExpectScreenshot(dialog, "exif-add-dialog");

    ports.prompt.answers = {true};
    dialog.OKBtn->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(exif::LoadExifBlock(output / "scan.jpg"));
    const OutputChoice stored = ReadExifOutput(store, ExifOutputSection::Add);
    EXPECT_TRUE(stored.copyToFolder);
    EXPECT_EQ(stored.folder, output);
}

TEST_F(AnEditDialog, DeleteShowsItsOwnTextsAndSection) {
    WriteExifOutput(store, ExifOutputSection::Delete, {true, folder / "plain"});
    WritePhoto(folder / "a.jpg");
    TExifDelDlg dialog({folder / "a.jpg"}, store, ports.Edit());
    EXPECT_EQ(dialog.windowTitle(), "Exif情報削除");
    EXPECT_EQ(dialog.CheckBoxFolder->text(), "Exif情報削除後にコピーする");
    EXPECT_TRUE(dialog.CheckBoxFolder->isChecked());
    ExpectScreenshot(dialog, "exif-delete-dialog");

    dialog.CheckBoxFolder->click();
    dialog.OKBtn->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(exif::LoadExifBlock(folder / "a.jpg"));
    EXPECT_FALSE(ReadExifOutput(store, ExifOutputSection::Delete).copyToFolder);
}

TEST(EditMessageBoxes, AskWithTheQuestionIconAndCaptionAndAnswerYesOrNo) {
    QWidget owner;
    MessageBoxEditPrompt prompt(&owner);
    std::vector<QMessageBox::Icon> icons;
    bool yes = true;
    WindowAnswer<QMessageBox> answer([&](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "LumaroUty");
        icons.push_back(box.icon());
        if (box.text().startsWith("フォルダ")) {
            EXPECT_FALSE(fixture::SaveScreenshot(box, "edit-folder-question").isEmpty());
        }
        QAbstractButton* button = box.button(QMessageBox::Ok);
        if (button == nullptr) {
            button = box.button(yes ? QMessageBox::Yes : QMessageBox::No);
        }
        button->click();
    });
    EXPECT_TRUE(prompt.Ask("フォルダ /写真/出力/ がありません。作成しますか？"));
    yes = false;
    EXPECT_FALSE(prompt.Ask("フォルダ /写真/別/ がありません。作成しますか？"));
    prompt.Tell("コピー先フォルダを指定してください");
    prompt.Warn("処理を中止しました。");
    EXPECT_EQ(icons, (std::vector<QMessageBox::Icon>{QMessageBox::Question, QMessageBox::Question,
                                                     QMessageBox::Question, QMessageBox::Warning}));
}

} // namespace
