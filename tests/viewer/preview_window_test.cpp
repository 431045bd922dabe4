#include "exif/imaging_jpeg.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"
#include "tests/support/screenshot.h"
#include "viewer/ui/preview_dlg.h"
#include "viewer/ui/preview_windows.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

using namespace viewer;

namespace {

using DialogStep = std::function<void(TPreviewDlg&)>;

// Plays one scripted step on every preview window as it appears, records the captions, and
// answers message boxes with OK, recording their texts.
class WindowScript : public QObject {
public:
    explicit WindowScript(std::deque<DialogStep> steps) : steps_(std::move(steps)) {
        qApp->installEventFilter(this);
    }
    ~WindowScript() override { qApp->removeEventFilter(this); }

    std::vector<QString> captions;
    std::vector<QString> messages;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) {
            return false;
        }
        if (auto* dialog = qobject_cast<TPreviewDlg*>(watched)) {
            captions.push_back(dialog->windowTitle());
            DialogStep step =
                steps_.empty() ? DialogStep([](TPreviewDlg& d) { d.reject(); }) : steps_.front();
            if (!steps_.empty()) {
                steps_.pop_front();
            }
            QTimer::singleShot(0, dialog, [dialog = QPointer(dialog), step] {
                if (dialog) {
                    step(*dialog);
                }
            });
        } else if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            messages.push_back(box->text());
            QTimer::singleShot(0, box, [box = QPointer(box)] {
                if (box) {
                    box->accept();
                }
            });
        }
        return false;
    }

private:
    std::deque<DialogStep> steps_;
};

DialogStep Press(Qt::Key key) {
    return [key](TPreviewDlg& dialog) { QTest::keyClick(&dialog, key); };
}

exif::Image Picture(int width, int height) {
    fixture::Sandbox sandbox;
    const auto path = sandbox.Path() / "picture.jpg";
    fixture::WriteFile(path, fixture::EncodeJpeg(width, height));
    exif::JpegDecoder decoder;
    const auto size = decoder.Open(path);
    EXPECT_TRUE(size.has_value());
    auto image =
        decoder.Decode({static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)});
    EXPECT_TRUE(image.has_value());
    return image ? std::move(*image) : exif::Image(1, 1, {0, 0, 0});
}

// How a shown dialog ends when `step` is played on it.
PreviewResult ResultOf(DialogStep step) {
    WindowScript script({std::move(step)});
    TPreviewDlg dialog;
    dialog.SetPicture(Picture(64, 48), {64, 48}, "picture");
    return dialog.ShowModal();
}

// The outer size, frame included, which is what the zoom doubles and halves.
QSize OuterSize(const TPreviewDlg& dialog) {
    const PixelSize frame = dialog.FrameSize();
    return dialog.size() + QSize(frame.width, frame.height);
}

// A dialog whose outer size is `outer`, whatever frame the window system gives it.
void SizeOuter(TPreviewDlg& dialog, QSize outer, const char* caption) {
    dialog.winId();
    const PixelSize frame = dialog.FrameSize();
    dialog.SetPicture(Picture(outer.width(), outer.height()),
                      {outer.width() - frame.width, outer.height() - frame.height}, caption);
}

// Seven pictures in a folder with a Japanese name, rows 0, 2 and 5 selected.
class APreviewInWindows : public testing::Test {
protected:
    APreviewInWindows() {
        const auto folder = sandbox_.Path() / "写真";
        std::filesystem::create_directory(folder);
        for (int i = 0; i < 7; ++i) {
            const auto path = folder / ("画像000" + std::to_string(i) + ".JPG");
            fixture::WriteFile(path, fixture::EncodeJpeg(480, 360));
            rows_.push_back({path, i == 0 || i == 2 || i == 5});
        }
    }

    QString Caption(int row, const char* scale) const {
        return QString::fromStdString(rows_[static_cast<std::size_t>(row)].path.string()) + " × " +
               scale;
    }

    fixture::Sandbox sandbox_;
    std::vector<PreviewRow> rows_;
};

} // namespace

TEST_F(APreviewInWindows, WalksRowsZeroTwoFiveForwardAndBackWithTheArrowKeys) {
    QString screenshot;
    WindowScript script({
        [&](TPreviewDlg& dialog) {
            EXPECT_EQ(dialog.Image1->size(), dialog.size());
            screenshot = fixture::SaveScreenshot(dialog, "preview");
            QTest::keyClick(&dialog, Qt::Key_Right);
        },
        Press(Qt::Key_Right),
        Press(Qt::Key_Left),
        Press(Qt::Key_Left),
        Press(Qt::Key_Left),
    });
    PreviewWindows windows(nullptr);
    RunPreview(rows_, {false, "320"}, windows);
    EXPECT_EQ(script.captions, (std::vector<QString>{Caption(0, "1/1.50"), Caption(2, "1/1.50"),
                                                     Caption(5, "1/1.50"), Caption(2, "1/1.50"),
                                                     Caption(0, "1/1.50")}));
    EXPECT_FALSE(screenshot.isEmpty());
}

TEST(PreviewInWindows, ShowsAPictureStoredOnItsSideUprightAndSizedSo) {
    fixture::Sandbox sandbox;
    fixture::ExifContent turned;
    turned.ifd0 = {fixture::Short(0x0112, {6})};
    fixture::JpegOptions sideways{480, 360};
    sideways.markedCorner = true;
    const auto path = sandbox.Path() / "IMG_0112.JPG";
    fixture::WriteFile(path, fixture::BuildJpeg(turned, sideways).bytes);
    QString screenshot;
    WindowScript script({[&](TPreviewDlg& dialog) {
        EXPECT_EQ(dialog.Image1->size(), QSize(270, 360));
        screenshot = fixture::SaveScreenshot(dialog, "preview_portrait");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    }});
    PreviewWindows windows(nullptr);
    const std::vector<PreviewRow> rows{{path, true}};
    RunPreview(rows, {false, "270"}, windows);
    EXPECT_EQ(script.captions, (std::vector<QString>{QString::fromStdString(path.string()) +
                                                     " × 1/1.33"}));
    EXPECT_FALSE(screenshot.isEmpty());
}

TEST_F(APreviewInWindows, EndsAtTheLastSelectedRowGoingForward) {
    WindowScript script({Press(Qt::Key_Right), Press(Qt::Key_Right), Press(Qt::Key_Right)});
    PreviewWindows windows(nullptr);
    RunPreview(rows_, PreviewSettings{}, windows);
    ASSERT_EQ(script.captions.size(), 3u);
    EXPECT_TRUE(script.captions[2].startsWith(Caption(5, "")));
}

TEST_F(APreviewInWindows, ReportsAFileThatCannotBeDecodedAndEnds) {
    fixture::WriteFile(rows_[2].path, std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xD9});
    WindowScript script({Press(Qt::Key_Right), Press(Qt::Key_Right)});
    PreviewWindows windows(nullptr);
    RunPreview(rows_, {false, "320"}, windows);
    EXPECT_EQ(script.captions, (std::vector<QString>{Caption(0, "1/1.50")}));
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_TRUE(script.messages[0].contains(QString::fromStdString(rows_[2].path.string())));
}

TEST(PreviewInWindows, StandardSizeFitsTheScreenFrameIncluded) {
    fixture::Sandbox sandbox;
    const auto path = sandbox.Path() / "large.jpg";
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    fixture::WriteFile(path, fixture::EncodeJpeg(screen.width() * 2 + 1, screen.height()));
    QSize outer;
    QPoint corner;
    WindowScript script({[&](TPreviewDlg& dialog) {
        outer = OuterSize(dialog);
        corner = dialog.frameGeometry().topLeft();
        dialog.reject();
    }});
    PreviewWindows windows(nullptr);
    RunPreview(std::vector<PreviewRow>{{path, true}}, PreviewSettings{}, windows);
    ASSERT_EQ(script.captions.size(), 1u);
    EXPECT_TRUE(script.captions[0].endsWith(" × 1/3"));
    EXPECT_LE(outer.width(), screen.width());
    EXPECT_LE(outer.height(), screen.height());
    EXPECT_GE(corner.x(), 0);
    EXPECT_GE(corner.y(), 0);
}

TEST(PreviewWindow, KeysAndFrameCloseWithTheirResults) {
    EXPECT_EQ(ResultOf(Press(Qt::Key_Right)), PreviewResult::Next);
    EXPECT_EQ(ResultOf(Press(Qt::Key_Left)), PreviewResult::Previous);
    EXPECT_EQ(ResultOf(Press(Qt::Key_Return)), PreviewResult::Stop);
    EXPECT_EQ(ResultOf(Press(Qt::Key_Enter)), PreviewResult::Stop);
    EXPECT_EQ(ResultOf(Press(Qt::Key_Escape)), PreviewResult::Stop);
    EXPECT_EQ(ResultOf([](TPreviewDlg& dialog) { dialog.close(); }), PreviewResult::Stop);
}

TEST(PreviewWindow, PopupMenuItemsCloseWithTheirResults) {
    EXPECT_EQ(ResultOf([](TPreviewDlg& d) { d.mnNext->trigger(); }), PreviewResult::Next);
    EXPECT_EQ(ResultOf([](TPreviewDlg& d) { d.mnBefore->trigger(); }), PreviewResult::Previous);
    EXPECT_EQ(ResultOf([](TPreviewDlg& d) { d.mnExit->trigger(); }), PreviewResult::Stop);
}

TEST(PreviewWindow, PopupMenuHasItsItemsInOrder) {
    TPreviewDlg dialog;
    const QList<QAction*> items = dialog.PopupMenu1->actions();
    ASSERT_EQ(items.size(), 7);
    const char* names[] = {"mnBefore",  "mnNext",  "mnSep01", "mnZoomIn",
                           "mnZoomOut", "mnSep02", "mnExit"};
    const char* captions[] = {"前へ(&R)", "次へ(&F)", "", "x 2(&I)", "/ 2(&O)", "", "終了(&X)"};
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->objectName(), names[i]);
        EXPECT_EQ(items[i]->isSeparator(), captions[i][0] == '\0') << names[i];
        if (!items[i]->isSeparator()) {
            EXPECT_EQ(items[i]->text(), QString::fromUtf8(captions[i]));
        }
    }
}

TEST(PreviewWindow, PopupMenuOpensOnTheImage) {
    QString screenshot;
    const PreviewResult result = ResultOf([&](TPreviewDlg& dialog) {
        emit dialog.Image1->customContextMenuRequested(QPoint(10, 10));
        EXPECT_TRUE(dialog.PopupMenu1->isVisible());
        screenshot = fixture::SaveScreenshot(*dialog.PopupMenu1, "preview-menu");
        dialog.PopupMenu1->hide();
        dialog.mnExit->trigger();
    });
    EXPECT_EQ(result, PreviewResult::Stop);
    EXPECT_FALSE(screenshot.isEmpty());
}

TEST(PreviewWindow, ZoomDoublesAndHalvesTheWindowAndKeepsThePictureStretched) {
    std::vector<QSize> sizes;
    WindowScript script({[&](TPreviewDlg& dialog) {
        sizes.push_back(OuterSize(dialog));
        dialog.mnZoomIn->trigger();
        dialog.mnZoomIn->trigger();
        sizes.push_back(OuterSize(dialog));
        EXPECT_EQ(dialog.Image1->size(), dialog.size());
        dialog.mnZoomOut->trigger();
        sizes.push_back(OuterSize(dialog));
        dialog.reject();
    }});
    TPreviewDlg dialog;
    SizeOuter(dialog, {400, 300}, "zoom");
    EXPECT_EQ(dialog.ShowModal(), PreviewResult::Stop);
    EXPECT_EQ(sizes, (std::vector<QSize>{{400, 300}, {1600, 1200}, {800, 600}}));
}

TEST(PreviewWindow, ZoomOutTruncatesAnOddWidth) {
    TPreviewDlg dialog;
    SizeOuter(dialog, {301, 201}, "odd");
    dialog.mnZoomOut->trigger();
    EXPECT_EQ(OuterSize(dialog), QSize(150, 100));
}
