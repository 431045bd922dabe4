// Pictures of the main window for a person to look at: both views of a folder of photos with
// thumbnails, and the detail pane of a Nikon E990 file.

#include "shell/ui/file_list_model.h"
#include "tests/shell/ui/form_main_fixture.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/screenshot.h"

#include <QAction>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace shell;
using fixture::WaitForList;

namespace {

namespace fs = std::filesystem;

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kDateTimeOriginal = 0x9003,
                        kFNumber = 0x829D, kExposureTime = 0x829A;

// An E990 file of the builder's, for a clone without the camera samples: its maker note in the
// headerless layout with a few of the values the pane decodes.
fixture::Built FixtureE990() {
    constexpr std::uint16_t kQuality = 0x0004, kWhiteBalance = 0x0005, kSharpness = 0x0006;
    fixture::ExifContent content;
    content.ifd0 = {fixture::Ascii(kMake, "NIKON"), fixture::Ascii(kModel, "E990")};
    content.exif = std::vector<fixture::Entry>{
        fixture::Rational(kExposureTime, 1, 344), fixture::Rational(kFNumber, 70, 10),
        fixture::Ascii(kDateTimeOriginal, "2000:12:30 10:18:16")};
    content.makerNote = fixture::MakerNote{fixture::MakerNoteLayout::Headerless,
                                           {fixture::Ascii(kQuality, "FINE  "),
                                            fixture::Ascii(kWhiteBalance, "AUTO        "),
                                            fixture::Ascii(kSharpness, "AUTO  ")}};
    content.ifd1 = std::vector<fixture::Entry>{};
    content.thumbnail = fixture::EncodeJpeg(160, 120);
    return fixture::BuildJpeg(content, {640, 480});
}

class AMainWindowPicture : public ::testing::Test, public fixture::MainWindowTest {
protected:
    // A folder like a camera's card: several makes with thumbnails, one file without EXIF,
    // and the Nikon E990 sample when the samples are there.
    void WriteCard() {
        const std::vector<std::pair<std::string, std::string>> cameras{
            {"NIKON", "E950"},
            {"Canon", "Canon PowerShot S40"},
            {"FUJIFILM", "FinePix6800"},
            {"NIKON", "E800"},
            {"OLYMPUS", "C-3040Z"}};
        int number = 1;
        for (const auto& [make, model] : cameras) {
            fixture::ExifContent content;
            content.ifd0 = {fixture::Ascii(kMake, make), fixture::Ascii(kModel, model)};
            content.exif = std::vector<fixture::Entry>{
                fixture::Rational(kExposureTime, 1, 125), fixture::Rational(kFNumber, 56, 10),
                fixture::Ascii(kDateTimeOriginal, "2001:05:0" + std::to_string(number) + " 10:2" +
                                                      std::to_string(number) + ":00")};
            content.ifd1 = std::vector<fixture::Entry>{};
            content.thumbnail = fixture::EncodeJpeg(160, 120 - 8 * number);
            const std::string name = "DSCN000" + std::to_string(number++) + ".JPG";
            fixture::WriteFile(photos.Path() / name, fixture::BuildJpeg(content).bytes);
        }
        // Taken with the camera held upright: picture and thumbnail stored on their side.
        fixture::ExifContent portrait;
        portrait.ifd0 = {fixture::Ascii(kMake, "Canon"), fixture::Short(0x0112, {6})};
        portrait.ifd1 = std::vector<fixture::Entry>{};
        portrait.thumbnail = fixture::EncodeMarkedJpeg(160, 120);
        fixture::WriteFile(photos.Path() / "IMG_0112.JPG", fixture::BuildJpeg(portrait).bytes);
        // The same turned upright without loss: a portrait thumbnail at Orientation 1.
        portrait.ifd0 = {fixture::Ascii(kMake, "Canon"), fixture::Short(0x0112, {1})};
        portrait.thumbnail = fixture::EncodeMarkedJpeg(120, 160);
        fixture::WriteFile(photos.Path() / "IMG_0113.JPG",
                           fixture::BuildJpeg(portrait, {48, 64}).bytes);
        fixture::WriteFile(photos.Path() / "scan.jpg", fixture::EncodeJpeg(640, 480));
        if (fixture::SamplesDir()) {
            photos.CopySample("real/Nikon_E990.jpg");
        } else {
            fixture::WriteFile(photos.Path() / "Nikon_E990.jpg", FixtureE990().bytes);
        }
    }
    TFormMain& WindowOnCard() {
        WriteCard();
        TFormMain& window = OpenWindow();
        window.resize(1000, 640);
        window.show();
        window.OpenFolder(photos.Path());
        if (!WaitForList(window) || !fixture::WaitForIcons(window)) {
            throw std::runtime_error("the list was not filled");
        }
        return window;
    }
};

TEST_F(AMainWindowPicture, InBothViews) {
    TFormMain& window = WindowOnCard();
    ASSERT_FALSE(fixture::SaveScreenshot(window, "main_window_thumbnails").isEmpty());
    window.Action(MenuCommand::DispList)->trigger();
    ASSERT_TRUE(fixture::WaitForIcons(window));
    ASSERT_FALSE(fixture::SaveScreenshot(window, "main_window_report").isEmpty());
}

TEST_F(AMainWindowPicture, WithTheDetailPaneOfANikonFile) {
    live.setup.largeThumbnails = false;
    // A user who widened the left panel to read the pane.
    ASSERT_TRUE(store.WriteInteger("Display", "LeftW", 330).Ok());
    TFormMain& window = WindowOnCard();
    int nikon = -1;
    for (std::size_t row = 0; row < window.ListModel().Items().size(); ++row) {
        if (window.ListModel().Items()[row].name == "Nikon_E990.jpg") {
            nikon = static_cast<int>(row);
        }
    }
    ASSERT_GE(nikon, 0);
    QListView& view = window.IconView();
    const QModelIndex index = window.ListModel().index(nikon, 0);
    view.scrollTo(index);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
    EXPECT_TRUE(window.DetailPane().toPlainText().contains("E990"));
    ASSERT_TRUE(fixture::WaitForIcons(window));
    EXPECT_EQ(window.ListModel().IconOf(nikon), RowIcon::Thumbnail);
    ASSERT_FALSE(fixture::SaveScreenshot(window, "main_window_detail_nikon").isEmpty());
}

} // namespace
