// The slide-show window: full screen and black, each picture fitted and centred, the timer and
// the arrow keys stepping, Escape, Enter and a click ending it; and "スライドショー(&S)" of the
// main window as the program wires it.

#include "apps/lumarouty/slide_show_wiring.h"
#include "shell/ui/file_list_model.h"
#include "tests/shell/ui/form_main_fixture.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"
#include "tests/support/screenshot.h"
#include "viewer/ui/slide_show_window.h"

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <functional>
#include <gtest/gtest.h>

using namespace viewer;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// One tick of the window's timer, as the event loop delivers it when the interval has passed.
void Tick(SlideShowWindow& window) {
    QTimerEvent tick(window.Timer().timerId());
    QCoreApplication::sendEvent(&window.Timer(), &tick);
}

QRect PlaceOf(PixelSize picture, const QSize& screen) {
    const SlidePlacement place = FitToScreen(picture, {screen.width(), screen.height()});
    return {place.x, place.y, place.size.width, place.size.height};
}

class ASlideShowWindow : public ::testing::Test {
protected:
    ASlideShowWindow() {
        fixture::WriteFile(landscape, fixture::EncodeJpeg(640, 480));
        // Stored on its side as a camera held upright stores it; shown 300 x 600.
        fixture::ExifContent turned;
        turned.ifd0 = {fixture::Short(0x0112, {6})};
        fixture::JpegOptions sideways{600, 300};
        sideways.markedCorner = true;
        fixture::WriteFile(portrait, fixture::BuildJpeg(turned, sideways).bytes);
        fixture::WriteFile(wide, fixture::EncodeJpeg(800, 200));
    }

    // Shows the window over the whole screen as ShowModal does, without its event loop.
    static void ShowFullScreen(SlideShowWindow& window) {
        window.showFullScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    fixture::Sandbox sandbox;
    fs::path landscape = sandbox.Path() / "landscape.jpg";
    fs::path portrait = sandbox.Path() / "portrait.jpg";
    fs::path wide = sandbox.Path() / "wide.jpg";
};

TEST_F(ASlideShowWindow, FitsEachPictureOnBlackAndStepsWithTheTimerAndTheArrowKeys) {
    SlideShowWindow window({{landscape, portrait, wide}, 0}, 7s);
    ShowFullScreen(window);
    const QSize screen = window.screen()->geometry().size();
    EXPECT_EQ(window.size(), screen);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.Timer().isActive());
    EXPECT_EQ(window.Timer().interval(), 7000);

    EXPECT_EQ(window.PictureRect(), PlaceOf({640, 480}, screen));
    EXPECT_EQ(window.Picture().size(), window.PictureRect().size());
    EXPECT_FALSE(fixture::SaveScreenshot(window, "slide_show_landscape").isEmpty());

    Tick(window);
    EXPECT_EQ(window.Slides().Position(), 1u);
    const QRect portraitPlace = PlaceOf({300, 600}, screen);
    EXPECT_EQ(window.PictureRect(), portraitPlace);
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(portraitPlace.left() / 2, screen.height() / 2), QColor(Qt::black));
    EXPECT_NE(shown.pixelColor(portraitPlace.center()), QColor(Qt::black));
    EXPECT_FALSE(fixture::SaveScreenshot(window, "slide_show_portrait").isEmpty());

    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(window.Slides().Position(), 2u);
    EXPECT_EQ(window.PictureRect(), PlaceOf({800, 200}, screen));
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(window.Slides().Position(), 0u);
    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_EQ(window.Slides().Position(), 2u);
    QTest::keyClick(&window, Qt::Key_Up);
    EXPECT_EQ(window.Slides().Position(), 1u);
    QTest::keyClick(&window, Qt::Key_Down);
    EXPECT_EQ(window.Slides().Position(), 2u);
    EXPECT_TRUE(window.Timer().isActive());
    Tick(window);
    EXPECT_EQ(window.Slides().Position(), 0u);

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ASlideShowWindow, EndsOnEnterAndOnAClick) {
    SlideShowWindow entered({{landscape, portrait}, 1}, 7s);
    ShowFullScreen(entered);
    EXPECT_EQ(entered.Slides().Current(), portrait);
    QTest::keyClick(&entered, Qt::Key_Return);
    EXPECT_FALSE(entered.isVisible());

    SlideShowWindow clicked({{landscape, portrait}, 0}, 7s);
    ShowFullScreen(clicked);
    QTest::mouseClick(&clicked, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(clicked.isVisible());
}

TEST_F(ASlideShowWindow, StepsByHandOnlyWithoutAnInterval) {
    SlideShowWindow window({{landscape, portrait}, 0}, std::nullopt);
    ShowFullScreen(window);
    EXPECT_FALSE(window.Timer().isActive());
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(window.Slides().Position(), 1u);
    EXPECT_FALSE(window.Timer().isActive());
}

TEST_F(ASlideShowWindow, NamesAFileItCannotShowAndGoesOn) {
    const fs::path broken = sandbox.Path() / "broken.jpg";
    fixture::WriteFile(broken, std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xD9});
    SlideShowWindow window({{broken, landscape}, 0}, 7s);
    ShowFullScreen(window);
    EXPECT_TRUE(window.Picture().isNull());
    EXPECT_FALSE(fixture::SaveScreenshot(window, "slide_show_unreadable").isEmpty());
    Tick(window);
    EXPECT_FALSE(window.Picture().isNull());
}

// Plays a step on the slide-show window as soon as it is shown, and answers message boxes.
class SlideShowAnswer : public QObject {
public:
    explicit SlideShowAnswer(std::function<void(SlideShowWindow&)> step) : step_(std::move(step)) {
        qApp->installEventFilter(this);
    }
    ~SlideShowAnswer() override { qApp->removeEventFilter(this); }
    int shown = 0;
    QStringList messages;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) {
            return false;
        }
        if (auto* window = qobject_cast<SlideShowWindow*>(watched)) {
            ++shown;
            QTimer::singleShot(0, window, [this, window = QPointer(window)] {
                if (window) {
                    step_(*window);
                }
            });
        } else if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            messages << box->text();
            QTimer::singleShot(0, box, [box = QPointer(box)] {
                if (box) {
                    box->accept();
                }
            });
        }
        return false;
    }

private:
    std::function<void(SlideShowWindow&)> step_;
};

class TheSlideShowCommand : public ::testing::Test, public fixture::MainWindowTest {
protected:
    TFormMain& WindowOn(const fs::path& folder) {
        TFormMain& window = OpenWindow();
        lumarouty::WireSlideShow(window, live);
        window.show();
        window.OpenFolder(folder);
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
};

TEST_F(TheSlideShowCommand, ShowsTheSelectedPicturesAtTheIntervalOfTheSettings) {
    live.tool.slideInterval = "3";
    fixture::WritePhotoFolder(photos.Path());
    TFormMain& window = WindowOn(photos.Path());
    SelectRow(window, 0);
    SelectRow(window, 2);

    std::vector<fs::path> pictures;
    int interval = 0;
    bool fullScreen = false;
    SlideShowAnswer answer([&](SlideShowWindow& show) {
        // The window system settles the full-screen size after the window appears.
        fullScreen = show.isFullScreen() && QTest::qWaitFor([&show] {
                         return show.size() == show.screen()->geometry().size();
                     });
        interval = show.Timer().interval();
        for (std::size_t i = 0; i < show.Slides().Count(); ++i) {
            pictures.push_back(show.Slides().Current());
            Tick(show);
        }
        EXPECT_EQ(show.PictureRect(),
                  PlaceOf({64, 48}, show.screen()->geometry().size())); // a.jpg again
        fixture::SaveScreenshot(show, "slide_show_from_main_window");
        QTest::keyClick(&show, Qt::Key_Escape);
    });
    window.Action(shell::MenuCommand::Slide)->trigger();
    EXPECT_EQ(answer.shown, 1);
    EXPECT_TRUE(fullScreen);
    EXPECT_EQ(interval, 3000);
    EXPECT_EQ(pictures, (std::vector<fs::path>{photos.Path() / "a.jpg", photos.Path() / "c.Tif"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(TheSlideShowCommand, ShowsEveryListedPictureFromTheOneSelectedAndTenSecondsForNoNumber) {
    live.tool.slideInterval = "ten";
    fixture::WritePhotoFolder(photos.Path());
    TFormMain& window = WindowOn(photos.Path());
    SelectRow(window, 1);

    std::vector<fs::path> pictures;
    int interval = 0;
    SlideShowAnswer answer([&](SlideShowWindow& show) {
        interval = show.Timer().interval();
        for (std::size_t i = 0; i < show.Slides().Count(); ++i) {
            pictures.push_back(show.Slides().Current());
            QTest::keyClick(&show, Qt::Key_Right);
        }
        QTest::keyClick(&show, Qt::Key_Return);
    });
    window.Action(shell::MenuCommand::Slide)->trigger();
    EXPECT_EQ(interval, 10000);
    EXPECT_EQ(pictures, (std::vector<fs::path>{photos.Path() / "B.JPG", photos.Path() / "c.Tif",
                                               photos.Path() / "a.jpg"}));
}

TEST_F(TheSlideShowCommand, SaysSoWhenTheFolderHasNoPictures) {
    TFormMain& window = WindowOn(photos.Path());
    SlideShowAnswer answer([](SlideShowWindow& show) { show.accept(); });
    window.Action(shell::MenuCommand::Slide)->trigger();
    EXPECT_EQ(answer.shown, 0);
    EXPECT_EQ(answer.messages, QStringList{"スライドショーで表示する画像がありません。"});
    EXPECT_TRUE(messages.empty()); // the folder check let it through
}

TEST_F(TheSlideShowCommand, AsksForAFolderFirst) {
    TFormMain& window = OpenWindow();
    lumarouty::WireSlideShow(window, live);
    SlideShowAnswer answer([](SlideShowWindow& show) { show.accept(); });
    window.Action(shell::MenuCommand::Slide)->trigger();
    EXPECT_EQ(answer.shown, 0);
    EXPECT_EQ(messages, std::vector<std::string>{"対象フォルダを指定してください"});
}

} // namespace
