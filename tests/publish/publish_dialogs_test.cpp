#include "exif/file_probes.h"
#include "publish/ui/csv_dlg.h"
#include "publish/ui/html_dlg.h"
#include "publish/ui/publish_message_box.h"
#include "tests/publish/publish_fixture.h"
#include "tests/support/screenshot.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace publish;
using fixture::Sjis;
namespace fs = std::filesystem;

namespace {

class PublishDialogs : public fixture::PublishTest, public ::testing::Test {
protected:
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    shell::LiveSettings live = shell::LiveSettings::Load(store);
    std::vector<fs::path> photos{Write("photos/DSCN0001.JPG", fixture::PhotoBytes(320, 240).bytes),
                                 Write("photos/DSCN0002.JPG", fixture::PhotoBytes(240, 320).bytes)};
    fs::path templates = fs::path(LUMARO_BIN_DIR) / "html";
};

void Show(QWidget& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

} // namespace

TEST_F(PublishDialogs, AlbumDialogListsTheTypesAndGeneratesOnOk) {
    THtmlDlg dialog(photos, store, live, templates, port, progress);
    dialog.FillAlbumTypes();
    Show(dialog);

    EXPECT_EQ(dialog.windowTitle(), "HTML作成");
    ASSERT_EQ(dialog.ComboBoxType->count(), 2);
    EXPECT_EQ(dialog.ComboBoxType->currentText(), "gallery");
    EXPECT_EQ(dialog.ComboBoxType->itemText(1), "viewer");
    EXPECT_EQ(dialog.EditWidth->text(), "640");
    EXPECT_EQ(dialog.EditWidthS->text(), "200");
    EXPECT_TRUE(dialog.RadioButtonImage1->isChecked());
    EXPECT_EQ(dialog.GroupBoxImage->title(), "すでに出力先に画像ファイルがあったとき");
    dialog.EditFolder->setText(QString::fromStdString((sandbox.Path() / "アルバム").string()));
    EXPECT_FALSE(fixture::SaveScreenshot(dialog, "html-dialog").isEmpty());

    port.answers = {true, true};
    dialog.OKBtn->click();

    EXPECT_EQ(port.asked.size(), 2u) << "the folder and its thumbnail folder";
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const fs::path album = sandbox.Path() / "アルバム";
    EXPECT_TRUE(fs::exists(album / "index.html"));
    EXPECT_TRUE(fs::exists(album / "DSCN0002.html"));
    EXPECT_EQ(exif::JpegImageSize(album / "thumbnail/DSCN0002.JPG"), (exif::ImageSize{200, 266}));
    EXPECT_EQ(store.ReadString("HTML", "EditFolder", ""), Sjis(album.string()));
}

TEST_F(PublishDialogs, AnEmptyFolderKeepsTheAlbumDialogOpen) {
    THtmlDlg dialog(photos, store, live, templates, port, progress);
    dialog.FillAlbumTypes();
    Show(dialog);
    dialog.RadioButtonImage3->click();
    dialog.OKBtn->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(port.told, std::vector<std::string>{"コピー先フォルダを指定してください"});
    EXPECT_FALSE(store.StoredText("HTML", "RBImage3"));
}

TEST_F(PublishDialogs, ListingDialogWritesTheFileItsSectionNames) {
    const fs::path output = sandbox.Path() / "一覧.csv";
    ASSERT_TRUE(store.WriteString("CSV", "EditFile", Sjis(output.string())).Ok());
    TCsvDlg dialog(photos, store, live, port);
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "CSV形式出力");
    EXPECT_EQ(dialog.EditFile->text().toStdString(), output.string());
    EXPECT_EQ(dialog.SaveDialog1->windowTitle(), "出力ファイル指定");
    EXPECT_FALSE(fixture::SaveScreenshot(dialog, "csv-dialog").isEmpty());

    dialog.OKBtn->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const std::string listing = Bytes(output);
    EXPECT_EQ(
        listing.substr(0, listing.find("\r\n")),
        Sjis("\"ファイル名\",\"ファイルサイズ\",\"メーカー\",\"モデル\",\"ソフトウェア\","
             "\"撮影日付\","
             "\"画像サイズ\",\"画質モード\",\"測光方式\",\"露出モード\",\"シャッター速度\","
             "\"絞り値\","
             "\"露出補正値\",\"感度変更モード\",\"ホワイトバランス\",\"スピードライト\","
             "\"焦点距離\","
             "\"電子ズーム\",\"フォーカスモード\",\"階調補正\",\"輪郭強調\",\"モノクロモード\","
             "\"コンバーター\",\"画像タイトル\",\"コメント\""))
        << "all 25 columns of a fresh user";
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 3);

    dialog.EditFile->clear();
    dialog.OKBtn->click();
    EXPECT_EQ(port.told, std::vector<std::string>{"出力先ファイル名を指定してください"});
}

TEST_F(PublishDialogs, TheFolderQuestionIsAYesNoBox) {
    PublishMessageBox box(nullptr);
    QTimer::singleShot(50, [] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->windowTitle(), "LumaroUty");
        EXPECT_FALSE(fixture::SaveScreenshot(*shown, "album-folder-question").isEmpty());
        shown->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(box.Ask("フォルダ /tmp/アルバム/ がありません。作成しますか？"));
}
