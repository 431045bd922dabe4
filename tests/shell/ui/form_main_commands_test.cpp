// The main window's menus and commands: the items as the table gives them, the guard in front
// of every command, the registration of later commands, the preview, the settings dialog and
// the popup menu of the external programs.

#include "shell/ui/file_list_model.h"
#include "shell/ui/setup_dlg.h"
#include "tests/shell/ui/form_main_fixture.h"
#include "viewer/ui/preview_dlg.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>

using namespace shell;
using fixture::WaitForList;

namespace {

namespace fs = std::filesystem;

class AMainWindowCommand : public ::testing::Test, public fixture::MainWindowTest {
protected:
    TFormMain& WindowOnPhotos() {
        fixture::WritePhotoFolder(photos.Path());
        TFormMain& window = OpenWindow();
        window.show();
        window.OpenFolder(photos.Path());
        if (!WaitForList(window)) {
            throw std::runtime_error("the list was not filled");
        }
        return window;
    }
    void SelectRow(TFormMain& window, int row) {
        window.IconView().selectionModel()->select(window.ListModel().index(row, 0),
                                                   QItemSelectionModel::Select |
                                                       QItemSelectionModel::Rows);
    }
};

// Answers every window of a type as it is shown, and counts them.
template <typename Window> class WindowAnswer : public QObject {
public:
    explicit WindowAnswer(std::function<void(Window&)> answer) : answer_(std::move(answer)) {
        qApp->installEventFilter(this);
    }
    ~WindowAnswer() override { qApp->removeEventFilter(this); }
    std::vector<QString> titles;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = dynamic_cast<Window*>(watched);
        if (event->type() == QEvent::Show && window != nullptr) {
            titles.push_back(window->windowTitle());
            QTimer::singleShot(0, window, [this, window = QPointer<Window>(window)] {
                if (window) {
                    answer_(*window);
                }
            });
        }
        return false;
    }

private:
    std::function<void(Window&)> answer_;
};

QStringList MenuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->isVisible()) {
            texts.push_back(action->text() + (action->shortcut().isEmpty()
                                                  ? QString()
                                                  : " [" + action->shortcut().toString() + "]"));
        }
    }
    return texts;
}

TEST_F(AMainWindowCommand, MenusShowTheirItemsWithShortcutsAndHideTheOthers) {
    TFormMain& window = OpenWindow();
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 6);
    EXPECT_EQ(menus[0]->text(), "ファイル(&F)");
    EXPECT_EQ(
        MenuTexts(*menus[0]->menu()),
        (QStringList{"ファイルコピー(&C)...", "ファイル移動(&M)...", "ファイル削除(&D)... [Del]",
                     "ファイル名自動変名(&N)...", "HTML作成(&H)...", "CSV形式出力(&O)...",
                     "プレゼンテーション用ファイル作成(&P)...", "終了(&X)"}));
    EXPECT_EQ(MenuTexts(*menus[1]->menu()),
              (QStringList{"Exif情報コピー(&C)...", "Exif情報削除(&D)...", "Exif情報追加(&A)...",
                           "サムネイル作成(&S)...", "右に90°回転", "左に90°回転", "向きを自動補正",
                           "画像タイトル修正(&T)...", "コメント修正(&U)...", "日付修正(&V)...",
                           "すべて選択 [Ctrl+A]", "選択反転"}));
    EXPECT_EQ(MenuTexts(*menus[2]->menu()),
              (QStringList{"サムネイル表示", "リスト表示", "最新の情報に更新 [F5]"}));
    EXPECT_EQ(MenuTexts(*menus[3]->menu()),
              (QStringList{"プレビュー表示(&P)", "外部プログラム起動(&E)", "スライドショー(&S)"}));
    EXPECT_EQ(MenuTexts(*menus[4]->menu()), (QStringList{"設定(&S)..."}));
    EXPECT_EQ(MenuTexts(*menus[5]->menu()),
              (QStringList{"目次(&C) [F1]", "バージョン情報(&A)..."}));

    const auto* hidden = window.findChild<QAction*>("mnFileDelete2");
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_FALSE(window.findChild<QAction*>("mnFolder9")->isVisible());
}

TEST_F(AMainWindowCommand, AsksForAFolderThenForASelectionBeforeAFileCommandRuns) {
    TFormMain& window = OpenWindow();
    std::vector<std::vector<fs::path>> runs;
    window.SetCommandHandler(MenuCommand::FileCopy,
                             [&] { runs.push_back(window.SelectedFiles()); });
    window.show();
    window.Action(MenuCommand::FileCopy)->trigger();
    window.Action(MenuCommand::Slide)->trigger();
    EXPECT_EQ(messages, (std::vector<std::string>{"対象フォルダを指定してください",
                                                  "対象フォルダを指定してください"}));

    messages.clear();
    fixture::WritePhotoFolder(photos.Path());
    window.OpenFolder(photos.Path());
    ASSERT_TRUE(WaitForList(window));
    window.Action(MenuCommand::FileCopy)->trigger();
    window.Action(MenuCommand::Slide)->trigger();
    window.Action(MenuCommand::EditTitle)->trigger();
    EXPECT_EQ(messages, (std::vector<std::string>{"対象ファイルを選択してください",
                                                  "対象ファイルを選択してください"}));
    EXPECT_TRUE(runs.empty());

    messages.clear();
    SelectRow(window, 1);
    window.Action(MenuCommand::FileCopy)->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(runs, (std::vector<std::vector<fs::path>>{{photos.Path() / "B.JPG"}}));
}

TEST_F(AMainWindowCommand, KeepsTheKeyOfTheHiddenPermanentDelete) {
    TFormMain& window = OpenWindow();
    int deletes = 0;
    window.SetCommandHandler(MenuCommand::FileDelete2, [&] { ++deletes; });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window.IconView(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(messages, (std::vector<std::string>{"対象フォルダを指定してください"}));
    EXPECT_EQ(deletes, 0);
}

TEST_F(AMainWindowCommand, PreviewsTheSelectedFileOnEnter) {
    TFormMain& window = WindowOnPhotos();
    window.IconView().setFocus();
    QTest::keyClick(&window.IconView(), Qt::Key_Return);
    EXPECT_EQ(messages, (std::vector<std::string>{"対象ファイルを選択してください"}));

    WindowAnswer<viewer::TPreviewDlg> previews(
        [](viewer::TPreviewDlg& dialog) { dialog.reject(); });
    SelectRow(window, 1);
    QTest::keyClick(&window.IconView(), Qt::Key_Return);
    ASSERT_EQ(previews.titles.size(), 1u);
    EXPECT_TRUE(previews.titles[0].contains("B.JPG")) << previews.titles[0].toStdString();
}

TEST_F(AMainWindowCommand, ShowsTheAboutBoxWithNeitherFolderNorSelection) {
    TFormMain& window = OpenWindow();
    window.show();
    WindowAnswer<QDialog> dialogs([](QDialog& dialog) { dialog.reject(); });
    window.Action(MenuCommand::About)->trigger();
    EXPECT_EQ(dialogs.titles.size(), 1u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(AMainWindowCommand, OffersNoPopupMenuWithoutExternalPrograms) {
    TFormMain& window = WindowOnPhotos();
    EXPECT_EQ(window.PopupMenu(), nullptr);
    EXPECT_EQ(window.IconView().contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_EQ(window.ReportView().contextMenuPolicy(), Qt::NoContextMenu);
    QTest::keyClick(&window.IconView(), Qt::Key_Space);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

class RecordingLauncher : public ExternalProgramLauncher {
public:
    void Launch(char letter, const fs::path& file) override { launches.emplace_back(letter, file); }
    [[nodiscard]] bool WaitingToRestore() const override { return waiting; }
    std::vector<std::pair<char, fs::path>> launches;
    bool waiting = false;
};

TEST_F(AMainWindowCommand, StaysOpenWhileAProgramWithEStillHasToGetItsExifBack) {
    TFormMain& window = WindowOnPhotos();
    RecordingLauncher launcher;
    launcher.waiting = true;
    window.SetExternalProgramLauncher(&launcher);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages.front().find("終了していません"), std::string::npos) << messages.front();

    launcher.waiting = false;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(AMainWindowCommand, OffersTheTitledProgramsAndStartsTheChosenOneOnTheFirstSelectedFile) {
    live.exec[2].title = "Viewer";
    live.exec[4].title = "Editor";
    TFormMain& window = WindowOnPhotos();
    ASSERT_NE(window.PopupMenu(), nullptr);
    QStringList captions;
    for (const QAction* item : window.PopupMenu()->actions()) {
        captions.push_back(item->objectName() + " " + item->text());
    }
    EXPECT_EQ(captions, (QStringList{"mnPopC &C Viewer", "mnPopE &E Editor"}));
    EXPECT_EQ(window.IconView().contextMenuPolicy(), Qt::CustomContextMenu);

    // Without a launcher the items start nothing.
    window.PopupMenu()->actions()[0]->trigger();

    RecordingLauncher launcher;
    window.SetExternalProgramLauncher(&launcher);
    window.PopupMenu()->actions()[1]->trigger();
    EXPECT_TRUE(launcher.launches.empty()) << "nothing is selected";
    SelectRow(window, 2);
    SelectRow(window, 0);
    window.PopupMenu()->actions()[1]->trigger();
    EXPECT_EQ(launcher.launches,
              (std::vector<std::pair<char, fs::path>>{{'E', photos.Path() / "a.jpg"}}));
}

TEST_F(AMainWindowCommand, RereadsColumnsAfterTheSettingsDialogsOkButNotAfterCancel) {
    TFormMain& window = WindowOnPhotos();
    ASSERT_EQ(window.ListModel().columnCount(), 26);
    {
        // In the dialog's list of columns only the fourth row, モデル, stays ticked.
        WindowAnswer<TSetupDlg> settings([](TSetupDlg& dialog) {
            auto* columns = dialog.findChild<QListWidget*>("CheckListBoxList");
            for (int row = 0; row < columns->count(); ++row) {
                columns->item(row)->setCheckState(row == 3 ? Qt::Checked : Qt::Unchecked);
            }
            dialog.findChild<QPushButton*>("OKBtn")->click();
        });
        window.Action(MenuCommand::Setup)->trigger();
        ASSERT_EQ(settings.titles.size(), 1u);
        ASSERT_TRUE(WaitForList(window));
    }
    EXPECT_EQ(window.ListModel().Columns(), (QStringList{"ファイル名", "モデル"}));
    EXPECT_EQ(window.ListModel().index(0, 1).data().toString(), "Model A");

    WindowAnswer<TSetupDlg> cancelled([](TSetupDlg& dialog) {
        dialog.findChild<QListWidget*>("CheckListBoxList")->item(0)->setCheckState(Qt::Unchecked);
        dialog.findChild<QPushButton*>("CancelBtn")->click();
    });
    window.Action(MenuCommand::Setup)->trigger();
    ASSERT_EQ(cancelled.titles.size(), 1u);
    EXPECT_FALSE(window.IsFilling());
    EXPECT_EQ(window.ListModel().Columns(), (QStringList{"ファイル名", "モデル"}));
    EXPECT_EQ(window.ListModel().rowCount(), 3);
}

TEST_F(AMainWindowCommand, AppliesChangedSettingsToPopupMenuAndThumbnails) {
    TFormMain& window = WindowOnPhotos();
    EXPECT_EQ(window.IconView().iconSize(), QSize(80, 60));
    live.exec[0].title = "Tool";
    live.setup.largeThumbnails = false;
    window.ApplySettings();
    ASSERT_TRUE(WaitForList(window));
    ASSERT_NE(window.PopupMenu(), nullptr);
    EXPECT_EQ(window.PopupMenu()->actions()[0]->text(), "&A Tool");
    EXPECT_EQ(window.IconView().iconSize(), QSize(160, 120));
    ASSERT_TRUE(fixture::WaitForIcons(window));
    const auto icon = window.ListModel().index(0, 0).data(Qt::DecorationRole).value<QIcon>();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(40, 30), QSize(160, 120)}));
}

} // namespace
