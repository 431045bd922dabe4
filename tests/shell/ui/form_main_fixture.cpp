#include "tests/shell/ui/form_main_fixture.h"

#include "shell/ui/file_list_model.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

namespace fixture {

namespace {

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kFNumber = 0x829D;

ExifContent CameraWithThumbnail(std::string_view make, std::string_view model) {
    ExifContent content;
    content.ifd0 = {Ascii(kMake, make), Ascii(kModel, model)};
    content.exif = std::vector<Entry>{Rational(kFNumber, 28, 10)};
    content.ifd1 = std::vector<Entry>{};
    content.thumbnail = EncodeJpeg(160, 120);
    return content;
}

} // namespace

void WritePhotoFolder(const std::filesystem::path& folder) {
    WriteFile(folder / "a.jpg", BuildJpeg(CameraWithThumbnail("Maker", "Model A")).bytes);
    WriteFile(folder / "B.JPG", EncodeJpeg(320, 240));
    WriteFile(folder / "c.Tif", BuildTiff(CameraWithThumbnail("Maker", "Model C")).bytes);
    WriteFile(folder / "d.tiff", BuildTiff(CameraWithThumbnail("Maker", "Model D")).bytes);
    WriteFile(folder / "e.png", std::vector<std::uint8_t>{0x89, 'P', 'N', 'G'});
}

QStringList Captions(const TFormMain& form) {
    QStringList captions;
    for (const shell::FileListItem& item : form.ListModel().Items()) {
        captions.push_back(item.Caption());
    }
    return captions;
}

bool WaitForList(TFormMain& form) {
    return QTest::qWaitFor([&form] { return !form.IsFilling(); }, 20000);
}

bool WaitForIcons(TFormMain& form) {
    auto* view = static_cast<QAbstractItemView*>(
        form.findChild<QStackedWidget*>("FileList")->currentWidget());
    const auto allRead = [&form, view] {
        const shell::FileListModel& model = form.ListModel();
        for (int row = 0; row < model.rowCount(); ++row) {
            const bool shown =
                view->viewport()->rect().intersects(view->visualRect(model.index(row, 0)));
            if (shown && !model.IconOf(row)) {
                return false;
            }
        }
        return true;
    };
    return QTest::qWaitFor(allRead, 20000);
}

TFormMain& MainWindowTest::OpenWindow() {
    form = std::make_unique<TFormMain>(store, live);
    form->SetGuardPrompt(std::make_unique<RecordingPrompt>(messages));
    return *form;
}

} // namespace fixture
