// The edit menu of the main window with the editing commands wired in: each item behind the
// guard opens its dialog on the selection, a run goes through the shared confirmation list and
// progress window under the hourglass, and the list is refilled only after files were processed.

#include "apps/lumarouty/batch_windows.h"
#include "apps/lumarouty/edit_commands_wiring.h"
#include "commands/ui/edit_date_dlg.h"
#include "commands/ui/edit_text_dlg.h"
#include "commands/ui/exec_disp_dialog.h"
#include "commands/ui/executing_window.h"
#include "exif/exif_block.h"
#include "exif/file_probes.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/form_main.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"
#include "tests/support/screenshot.h"
#include "tests/support/window_answer.h"

#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace edit_test;
using fixture::WindowAnswer;
using shell::MenuCommand;

namespace {

namespace fs = std::filesystem;

class GuardMessages : public shell::GuardPrompt {
public:
    explicit GuardMessages(std::vector<std::string>& messages) : messages_(messages) {}
    void Show(const std::string& message) override { messages_.push_back(message); }

private:
    std::vector<std::string>& messages_;
};

// Notes whether the hourglass is up when the progress window appears.
class CursorAtProgress : public QObject {
public:
    CursorAtProgress() { qApp->installEventFilter(this); }
    ~CursorAtProgress() override { qApp->removeEventFilter(this); }
    std::vector<bool> hourglass;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show &&
            dynamic_cast<commands::TFormExecuting*>(watched) != nullptr) {
            const QCursor* cursor = QApplication::overrideCursor();
            hourglass.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
        }
        return false;
    }
};

// The main window over a fresh registry with the editing commands wired in.
class EditMenuWindow : public ::testing::Test {
protected:
    void OpenOn(const fs::path& folder) {
        form = std::make_unique<TFormMain>(store, live);
        form->SetGuardPrompt(std::make_unique<GuardMessages>(messages));
        batchWindows = std::make_unique<lumarouty::BatchWindows>(*form);
        lumarouty::WireEditCommands(*form, store, *batchWindows);
        form->show();
        form->OpenFolder(folder);
        ASSERT_TRUE(ListComplete());
    }
    bool ListComplete() {
        return QTest::qWaitFor([this] { return !form->IsFilling(); }, 20000);
    }
    void Select(int row) {
        form->IconView().selectionModel()->select(form->ListModel().index(row, 0),
                                                  QItemSelectionModel::Select |
                                                      QItemSelectionModel::Rows);
    }

    fixture::MachineSandbox machine;
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    shell::LiveSettings live = shell::LiveSettings::Load(store);
    fixture::Sandbox photos;
    std::vector<std::string> messages;
    std::unique_ptr<TFormMain> form;
    std::unique_ptr<lumarouty::BatchWindows> batchWindows; // goes before the window
};

class TheEditMenu : public EditMenuWindow {
protected:
    void SetUp() override {
        WritePhoto(photos.Path() / "a.jpg", {.title = "old a"});
        WritePhoto(photos.Path() / "b.jpg", {.title = "old b"});
        WritePlainJpeg(photos.Path() / "c.jpg");
        OpenOn(photos.Path());
    }
};

TEST_F(TheEditMenu, TitleRunsFromItsDialogThroughTheSharedWindowsAndRefillsTheList) {
    Select(0);
    Select(1);
    WindowAnswer<commands::TEditTitleDlg> title([](commands::TEditTitleDlg& dialog) {
        dialog.EditTitle->setText("湖畔の朝");
        dialog.OKBtn->click();
    });
    QStringList rows;
    WindowAnswer<commands::TFormExecDisp> confirm([&](commands::TFormExecDisp& list) {
        for (int i = 0; i < list.ListView1->topLevelItemCount(); ++i) {
            rows.push_back(list.ListView1->topLevelItem(i)->text(0) + " " +
                           list.ListView1->topLevelItem(i)->text(3));
        }
        EXPECT_FALSE(fixture::SaveScreenshot(list, "edit-title-confirmation").isEmpty());
        list.ButtonOk->click();
    });
    const CursorAtProgress cursor;
    QSignalSpy filled(form.get(), &TFormMain::ListFilled);

    form->RunCommand(MenuCommand::EditTitle);

    EXPECT_EQ(title.shown, 1);
    EXPECT_EQ(rows, (QStringList{"a.jpg 湖畔の朝", "b.jpg 湖畔の朝"}));
    EXPECT_EQ(cursor.hourglass, std::vector<bool>{true});
    EXPECT_EQ(exif::ReadTagText(photos.Path() / "b.jpg", "ImageDescription"), Cp932("湖畔の朝"));
    ASSERT_TRUE(ListComplete());
    EXPECT_EQ(filled.count(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the run's and the refill's both gone
}

TEST_F(TheEditMenu, ThumbnailCreationGoesStraightToTheListAndRefreshesOnlyAfterWork) {
    Select(0);
    WindowAnswer<commands::TFormExecDisp> none([](commands::TFormExecDisp& list) {
        list.ButtonNone->click();
        list.ButtonOk->click();
    });
    QSignalSpy filled(form.get(), &TFormMain::ListFilled);
    const auto before = ReadAll(photos.Path() / "a.jpg");

    form->RunCommand(MenuCommand::AddThumb);
    EXPECT_EQ(none.shown, 1);
    EXPECT_FALSE(form->IsFilling());
    EXPECT_EQ(ReadAll(photos.Path() / "a.jpg"), before);
    EXPECT_EQ(filled.count(), 0);
}

// The three turns sit in the edit menu and go straight to the confirmation list.
TEST_F(TheEditMenu, TurnsRightFromTheMenuThroughTheConfirmationListAndRefillsTheList) {
    auto* menu = qobject_cast<QMenu*>(form->Action(MenuCommand::RotateRight)->parent());
    ASSERT_NE(menu, nullptr);
    menu->popup(form->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    EXPECT_FALSE(fixture::SaveScreenshot(*menu, "edit-menu-rotation").isEmpty());
    menu->hide();
    EXPECT_EQ(form->Action(MenuCommand::RotateLeft)->text(), "左に90°回転");
    EXPECT_EQ(form->Action(MenuCommand::AutoRotate)->text(), "向きを自動補正");
    Select(0);
    Select(2);
    QStringList rows;
    WindowAnswer<commands::TFormExecDisp> confirm([&](commands::TFormExecDisp& list) {
        for (int i = 0; i < list.ListView1->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list.ListView1->topLevelItem(i);
            rows.push_back(row->text(0) + " " + row->text(1) + " " + row->text(3));
        }
        EXPECT_FALSE(fixture::SaveScreenshot(list, "rotate-right-confirmation").isEmpty());
        list.ButtonOk->click();
    });
    QSignalSpy filled(form.get(), &TFormMain::ListFilled);

    form->RunCommand(MenuCommand::RotateRight);

    EXPECT_EQ(rows, (QStringList{"a.jpg 右に90°回転 1", "c.jpg 右に90°回転 -"}));
    EXPECT_EQ(exif::JpegImageSize(photos.Path() / "a.jpg"), (exif::ImageSize{240, 320}));
    EXPECT_EQ(exif::JpegImageSize(photos.Path() / "c.jpg"), (exif::ImageSize{240, 320}));
    ASSERT_TRUE(ListComplete());
    EXPECT_EQ(filled.count(), 1);
}

TEST_F(TheEditMenu, EveryEditItemOpensItsDialogOnTheSelection) {
    Select(2);
    QStringList captions;
    WindowAnswer<QDialog> cancel([&](QDialog& dialog) {
        captions.push_back(dialog.windowTitle());
        dialog.reject();
    });
    for (const MenuCommand command :
         {MenuCommand::CopyExif, MenuCommand::DeleteExif, MenuCommand::AddExif,
          MenuCommand::AddThumb, MenuCommand::EditTitle, MenuCommand::EditComment,
          MenuCommand::UpdateDate}) {
        form->RunCommand(command);
    }
    EXPECT_EQ(captions, (QStringList{"Exif情報コピー", "Exif情報削除", "Exif情報追加", "処理確認",
                                     "画像タイトル修正", "コメント修正", "日付修正"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(TheEditMenu, NothingOpensWithoutASelection) {
    WindowAnswer<QDialog> any([](QDialog& dialog) { dialog.reject(); });
    form->RunCommand(MenuCommand::UpdateDate);
    form->RunCommand(MenuCommand::AddThumb);
    EXPECT_EQ(any.shown, 0);
    EXPECT_EQ(messages, std::vector<std::string>(2, "対象ファイルを選択してください"));
}

// A camera clock that was wrong by a day and nine and a half hours, put right for a whole
// folder of the demonstration photos in one step; the scan without EXIF data is left alone.
TEST_F(EditMenuWindow, ShiftsTheClockOfAWholeFolderOfDemonstrationPhotos) {
    for (const auto& entry : fs::directory_iterator(LUMARO_DEMO_DIR)) {
        photos.CopyIn(entry.path());
    }
    OpenOn(photos.Path());
    const fs::path scan = photos.Path() / "scan0001.jpg";
    const auto scanBefore = ReadAll(scan);
    const std::string before = exif::ReadTagText(photos.Path() / "DSCN0002.JPG", "DateTime");
    form->RunCommand(MenuCommand::SelectAll);
    const int listed = form->ListModel().rowCount();
    WindowAnswer<commands::TEditDateDlg> date([](commands::TEditDateDlg& dialog) {
        dialog.RadioButton3->click();
        dialog.EditOffset->setText("-1 09:30");
        EXPECT_FALSE(fixture::SaveScreenshot(dialog, "edit-date-shift").isEmpty());
        dialog.OKBtn->click();
    });
    int ticked = 0;
    WindowAnswer<commands::TFormExecDisp> confirm([&](commands::TFormExecDisp& list) {
        for (int i = 0; i < list.ListView1->topLevelItemCount(); ++i) {
            ticked += list.ListView1->topLevelItem(i)->checkState(0) == Qt::Checked ? 1 : 0;
        }
        EXPECT_FALSE(fixture::SaveScreenshot(list, "edit-date-shift-confirmation").isEmpty());
        list.ButtonOk->click();
    });

    form->RunCommand(MenuCommand::UpdateDate);

    ASSERT_EQ(before, "2000:01:01 06:58:12");
    EXPECT_EQ(exif::ReadTagText(photos.Path() / "DSCN0002.JPG", "DateTime"), "1999:12:30 21:28:12");
    EXPECT_EQ(exif::ReadTagText(photos.Path() / "DSCN0002.JPG", "DateTimeOriginal"),
              "1999:12:30 21:28:12");
    EXPECT_EQ(ticked, listed - 1);
    EXPECT_EQ(ReadAll(scan), scanBefore);
    ASSERT_TRUE(ListComplete());
    EXPECT_FALSE(fixture::SaveScreenshot(*form, "edit-date-shift-main-window").isEmpty());
}

} // namespace
