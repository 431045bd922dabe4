// The presentation-file dialog: the stored section shown at creation, the batch on OK, the
// section written after the run and not after a refused request.

#include "exif/file_probes.h"
#include "platform/codepage.h"
#include "publish/ui/presentation_dlg.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"
#include "tests/support/screenshot.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace publish;
using namespace edit_test;
namespace fs = std::filesystem;

namespace {

class PresentationDialog : public ::testing::Test {
protected:
    fixture::Sandbox box;
    fixture::MachineSandbox machine; // a fresh registry for each test
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    Ports ports;
    commands::Selection photos{box.Path() / "DSCN0001.JPG", box.Path() / "DSCN0002.JPG"};

    void SetUp() override {
        WritePhoto(photos[0]);
        WritePlainJpeg(photos[1], 240, 320);
    }
};

TEST_F(PresentationDialog, ShowsTheSectionAndWritesItAfterTheRun) {
    TCrePrezenDlg dialog(photos, store, LUMARO_TEMPLATE_PICTURE, ports.Edit());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "プレゼンテーション用ファイル作成");
    EXPECT_EQ(dialog.EditFolder->text(), "");
    EXPECT_EQ(dialog.EditDCF->text(), "DSCN");

    const fs::path slides = box.Path() / "発表用";
    dialog.EditFolder->setText(QString::fromStdString(slides.string()));
    dialog.EditDCF->setText("写真");
    EXPECT_FALSE(fixture::SaveScreenshot(dialog, "presentation-dialog").isEmpty());
    ports.prompt.answers = {true};
    dialog.OKBtn->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.Report());
    EXPECT_EQ(dialog.Report()->processed, 2);
    // Two double-byte characters take four of the name's eight bytes.
    EXPECT_EQ(exif::JpegImageSize(slides / "写真0001.JPG"), (exif::ImageSize{640, 480}));
    EXPECT_EQ(exif::JpegImageSize(slides / "写真0002.JPG"), (exif::ImageSize{640, 480}));

    const TCrePrezenDlg reopened(photos, store, LUMARO_TEMPLATE_PICTURE, ports.Edit());
    EXPECT_EQ(reopened.EditFolder->text().toStdString(), slides.string());
    EXPECT_EQ(reopened.EditDCF->text(), "写真");
}

TEST_F(PresentationDialog, ARefusedRequestKeepsTheDialogOpenAndTheSectionAsItWas) {
    TCrePrezenDlg dialog(photos, store, LUMARO_TEMPLATE_PICTURE, ports.Edit());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.EditDCF->setText("SLID");
    dialog.OKBtn->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ports.prompt.tells, std::vector<std::string>{"コピー先フォルダを指定してください"});
    EXPECT_FALSE(store.StoredText("CrePrezen", "EditDCF"));
}

} // namespace
