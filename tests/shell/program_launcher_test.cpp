// The launcher of the main window: the window goes on while the program runs and the EXIF steps
// follow its end; the popup menu and "外部プログラム起動(&E)" start entries on the first selected
// file; a program that cannot start is named in a message box.

#include "exif/exif_block.h"
#include "apps/lumarouty/external_program_wiring.h"
#include "platform/codepage.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/program_launcher.h"
#include "tests/shell/ui/form_main_fixture.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/screenshot.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace shell;
namespace fs = std::filesystem;

namespace {

constexpr int kProgramWait = 30000; // milliseconds; the programs end at once when released

class RecordingPrompt : public LaunchPrompt {
public:
    explicit RecordingPrompt(std::vector<std::string>& messages) : messages_(messages) {}
    void Show(const std::string& message) override { messages_.push_back(message); }

private:
    std::vector<std::string>& messages_;
};

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool CarriesExif(const fs::path& file) {
    return exif::LoadExifBlock(file).has_value();
}

fixture::Built CameraFile() {
    fixture::ExifContent content;
    content.ifd0 = {fixture::Ascii(0x010F, "Maker"), fixture::Ascii(0x0132, "2001:02:03 04:05:06")};
    content.exif = std::vector<fixture::Entry>{};
    content.ifd1 = std::vector<fixture::Entry>{};
    content.thumbnail = fixture::EncodeJpeg(32, 24);
    return fixture::BuildJpeg(content);
}

// The editor's entry: it records its start in `record` and saves once `release` exists.
ExecEntry EditorEntry(const fs::path& record, const fs::path& release, std::string_view options) {
    return {"Editor", platform::PathToCp932(LUMARO_EDITOR_PROGRAM),
            platform::PathToCp932(record) + " $F " + platform::PathToCp932(release), "",
            ParseExecOptions(options)};
}

TEST(AProgramLauncher, LeavesTheWindowFreeWhileTheProgramRunsAndRestoresTheExifAfterIt) {
    fixture::Sandbox sandbox;
    const fs::path picture = sandbox.Path() / "DSCN0001.JPG";
    const fs::path record = sandbox.Path() / "record.txt";
    const fs::path release = sandbox.Path() / "release";
    fixture::WriteFile(picture, CameraFile().bytes);
    ExecTable table{};
    table[0] = EditorEntry(record, release, "E");
    std::vector<std::string> messages;
    int refreshes = 0;
    ProgramLauncher launcher(
        table, nullptr, [&refreshes] { ++refreshes; }, std::make_unique<RecordingPrompt>(messages));

    launcher.Launch('A', picture);
    // Launch has returned and the program waits for its release: the window's loop runs.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(record); }, kProgramWait));
    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(launcher.Run().WaitingToRestore());
    EXPECT_TRUE(CarriesExif(picture));

    // A second run with E would take the saved segment's name.
    launcher.Launch('A', picture);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages.front().find("終了していません"), std::string::npos) << messages.front();

    std::ofstream(release) << "go\n";
    ASSERT_TRUE(QTest::qWaitFor([&] { return refreshes == 1; }, kProgramWait));
    EXPECT_FALSE(launcher.Run().WaitingToRestore());
    EXPECT_TRUE(CarriesExif(picture));
    EXPECT_NE(ReadText(picture).find("saved by exif_dropping_editor"), std::string::npos);
    EXPECT_EQ(messages.size(), 1u);
}

// Answers every message box as it appears and keeps its text.
class MessageBoxAnswer : public QObject {
public:
    MessageBoxAnswer() { qApp->installEventFilter(this); }
    ~MessageBoxAnswer() override { qApp->removeEventFilter(this); }
    QStringList texts;
    QStringList titles;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            texts << box->text();
            titles << box->windowTitle();
            QTimer::singleShot(0, box, [box = QPointer(box)] {
                if (box) {
                    box->accept();
                }
            });
        }
        return false;
    }
};

TEST(AProgramLauncher, NamesAProgramThatCannotStartInAMessageBox) {
    fixture::Sandbox sandbox;
    const fs::path picture = sandbox.Path() / "DSCN0001.JPG";
    fixture::WriteFile(picture, CameraFile().bytes);
    ExecTable table{};
    table[3] = {"Gone", "/no/such/editor", "$F", "", {}};
    int refreshes = 0;
    ProgramLauncher launcher(table, nullptr, [&refreshes] { ++refreshes; });
    MessageBoxAnswer answer;
    launcher.Launch('D', picture);
    ASSERT_EQ(answer.texts.size(), 1);
    EXPECT_TRUE(answer.texts.front().contains("/no/such/editor"))
        << answer.texts.front().toStdString();
    EXPECT_EQ(answer.titles.front(), "LumaroUty");
    EXPECT_EQ(refreshes, 0);
}

class TheExternalProgramsMenu : public ::testing::Test, public fixture::MainWindowTest {
protected:
    TFormMain& WindowOnPhotos() {
        fixture::WritePhotoFolder(photos.Path());
        TFormMain& window = OpenWindow();
        launcher = lumarouty::WireExternalPrograms(window, live);
        window.show();
        window.OpenFolder(photos.Path());
        if (!fixture::WaitForList(window)) {
            throw std::runtime_error("the list was not filled");
        }
        return window;
    }
    static void SelectRow(TFormMain& window, int row) {
        window.IconView().selectionModel()->select(window.ListModel().index(row, 0),
                                                   QItemSelectionModel::Select |
                                                       QItemSelectionModel::Rows);
    }

    std::unique_ptr<ProgramLauncher> launcher;
    fixture::Sandbox work;
};

TEST_F(TheExternalProgramsMenu, StartsTheEntryOnTheFirstSelectedFileAndRefreshesTheListAfterIt) {
    const fs::path record = work.Path() / "record.txt";
    const fs::path release = work.Path() / "release";
    std::ofstream(release) << "go\n";
    live.exec[2] = EditorEntry(record, release, "E");
    TFormMain& window = WindowOnPhotos();
    SelectRow(window, 1);
    SelectRow(window, 0);

    QMenu* popup = window.PopupMenu();
    ASSERT_NE(popup, nullptr);
    QAction* execItem = window.Action(MenuCommand::Exec);
    EXPECT_EQ(execItem->menu(), popup);
    EXPECT_TRUE(execItem->isEnabled());
    ASSERT_EQ(popup->actions().size(), 1);
    EXPECT_EQ(popup->actions().front()->text(), "&C Editor");
    popup->popup(window.IconView().mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    EXPECT_FALSE(fixture::SaveScreenshot(*popup, "external_programs_popup").isEmpty());
    popup->hide();
    // The tool menu shows the item with its submenu's arrow.
    auto* toolMenu = qobject_cast<QMenu*>(execItem->parent());
    ASSERT_NE(toolMenu, nullptr);
    toolMenu->popup(window.mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(toolMenu));
    EXPECT_FALSE(fixture::SaveScreenshot(*toolMenu, "external_programs_tool_menu").isEmpty());
    toolMenu->hide();

    QSignalSpy filled(&window, &TFormMain::ListFilled);
    popup->actions().front()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return filled.count() >= 1; }, kProgramWait));
    const std::string recorded = ReadText(record);
    EXPECT_NE(recorded.find("\na.jpg\n"), std::string::npos) << recorded;
    EXPECT_TRUE(CarriesExif(photos.Path() / "a.jpg"));
    EXPECT_NE(ReadText(photos.Path() / "a.jpg").find("saved by exif_dropping_editor"),
              std::string::npos);
    EXPECT_TRUE(messages.empty());
}

TEST_F(TheExternalProgramsMenu, IsOffWithoutPrograms) {
    TFormMain& window = WindowOnPhotos();
    EXPECT_EQ(window.PopupMenu(), nullptr);
    EXPECT_EQ(window.Action(MenuCommand::Exec)->menu(), nullptr);
    EXPECT_FALSE(window.Action(MenuCommand::Exec)->isEnabled());
}

} // namespace
