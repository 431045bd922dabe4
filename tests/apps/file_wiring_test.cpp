#include "apps/lumarouty/batch_windows.h"
#include "apps/lumarouty/edit_commands_wiring.h"
#include "apps/lumarouty/file_commands_wiring.h"
#include "commands/ui/exec_disp_dialog.h"
#include "commands/ui/executing_window.h"
#include "commands/ui/file_transfer_dlg.h"
#include "exif/file_probes.h"
#include "publish/ui/csv_dlg.h"
#include "publish/ui/presentation_dlg.h"
#include "shell/settings_live.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/form_main.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"
#include "tests/support/window_answer.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;

namespace {

using fixture::WindowAnswer;

class FileMenu : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a.jpg", "b.jpg"}) {
            fixture::ExifContent content;
            content.ifd0 = {fixture::Ascii(0x010F, "NIKON")};
            fixture::WriteFile(photos.Path() / name, fixture::BuildJpeg(content).bytes);
        }
        lumarouty::WireFileCommands(form, store, live, batchWindows);
        form.show();
        form.OpenFolder(photos.Path());
        ASSERT_TRUE(QTest::qWaitFor([this] { return !form.IsFilling(); }, 20000));
        form.RunCommand(shell::MenuCommand::SelectAll);
    }

    [[nodiscard]] int Rows() const { return static_cast<int>(form.ListModel().Items().size()); }

    fixture::MachineSandbox machine;
    fixture::Sandbox photos;
    fixture::Sandbox elsewhere;
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    shell::LiveSettings live = shell::LiveSettings::Load(store);
    TFormMain form{store, live};
    lumarouty::BatchWindows batchWindows{form};
};

} // namespace

TEST_F(FileMenu, ThePermanentDeleteConfirmsDeletesAndRefillsTheList) {
    ASSERT_EQ(Rows(), 2);
    WindowAnswer<commands::TFormExecDisp> confirm(
        [](commands::TFormExecDisp& window) { window.ButtonOk->click(); });

    form.RunCommand(shell::MenuCommand::FileDelete2);

    EXPECT_EQ(confirm.shown, 1);
    EXPECT_FALSE(fs::exists(photos.Path() / "a.jpg"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form.IsFilling(); }, 20000));
    EXPECT_EQ(Rows(), 0) << "the list was filled again";
}

TEST_F(FileMenu, CopyRunsItsDialogAndTheConfirmationList) {
    const fs::path out = elsewhere.Path() / "copies";
    WindowAnswer<commands::TFileCopyDlg> dialog([&](commands::TFileCopyDlg& window) {
        window.EditFolder->setText(QString::fromStdString(out.string()));
        window.OKBtn->click();
    });
    WindowAnswer<commands::TFormExecDisp> confirm(
        [](commands::TFormExecDisp& window) { window.ButtonOk->click(); });

    form.RunCommand(shell::MenuCommand::FileCopy);

    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(confirm.shown, 1);
    EXPECT_TRUE(fs::exists(out / "a.jpg") && fs::exists(out / "b.jpg"));
    EXPECT_TRUE(fs::exists(photos.Path() / "a.jpg"));
}

TEST_F(FileMenu, TheListingDialogOpensWithItsSection) {
    const fs::path list = elsewhere.Path() / "list.csv";
    ASSERT_TRUE(store.WriteString("CSV", "EditFile", list.string()).Ok());
    WindowAnswer<publish::TCsvDlg> dialog([](publish::TCsvDlg& window) { window.OKBtn->click(); });

    form.RunCommand(shell::MenuCommand::CsvOut);

    EXPECT_EQ(dialog.shown, 1);
    EXPECT_TRUE(fs::exists(list));
}

TEST_F(FileMenu, PresentationFilesAreWrittenFromTheMenuWithTheShippedTemplate) {
    const fs::path slides = elsewhere.Path() / "slides";
    fs::create_directories(slides);
    ASSERT_TRUE(store.WriteString("CrePrezen", "EditFolder", slides.string()).Ok());
    WindowAnswer<publish::TCrePrezenDlg> dialog(
        [](publish::TCrePrezenDlg& window) { window.OKBtn->click(); });
    WindowAnswer<commands::TFormExecDisp> confirm(
        [](commands::TFormExecDisp& window) { window.ButtonOk->click(); });

    form.RunCommand(shell::MenuCommand::Prezen);

    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(confirm.shown, 1);
    EXPECT_EQ(exif::JpegImageSize(slides / "DSCN0001.JPG"), (exif::ImageSize{640, 480}));
    EXPECT_EQ(exif::JpegImageSize(slides / "DSCN0002.JPG"), (exif::ImageSize{640, 480}));
}

TEST_F(FileMenu, EditAndFileCommandsShareOneConfirmationListAndProgressWindow) {
    lumarouty::WireEditCommands(form, store, batchWindows);
    const fs::path out = elsewhere.Path() / "copies";
    WindowAnswer<commands::TFileCopyDlg> dialog([&](commands::TFileCopyDlg& window) {
        window.EditFolder->setText(QString::fromStdString(out.string()));
        window.OKBtn->click();
    });
    std::set<const QWidget*> lists;
    WindowAnswer<commands::TFormExecDisp> confirm([&](commands::TFormExecDisp& window) {
        lists.insert(&window);
        window.ButtonOk->click();
    });

    form.RunCommand(shell::MenuCommand::FileCopy);
    // The copy refilled the list, which drops the selection.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form.IsFilling(); }, 20000));
    form.RunCommand(shell::MenuCommand::SelectAll);
    form.RunCommand(shell::MenuCommand::AddThumb);

    EXPECT_EQ(confirm.shown, 2);
    EXPECT_EQ(lists.size(), 1u) << "both commands filled the same confirmation list";
    EXPECT_EQ(form.findChildren<commands::TFormExecDisp*>().size(), 1);
    EXPECT_EQ(form.findChildren<commands::TFormExecuting*>().size(), 1);
}
