#pragma once

// The slide-show window: borderless over the whole screen, black, the current picture fitted
// and centred. The timer steps forward; the arrow keys step by hand; Escape, Enter or a click
// ends the show.

#include "exif/upright_picture.h"
#include "viewer/slide_show.h"

#include <QDialog>
#include <QImage>
#include <QRect>
#include <chrono>
#include <optional>

class QTimer;

namespace viewer {

class SlideShowWindow : public QDialog {
    Q_OBJECT
public:
    // `interval` none: no automatic step.
    SlideShowWindow(SlidePlan plan, std::optional<std::chrono::milliseconds> interval,
                    QWidget* parent = nullptr);

    // Shows the window over the whole screen and runs it modally until the user ends it.
    int ShowModal();

    // The timer that steps the show forward; it restarts after every step by hand.
    [[nodiscard]] QTimer& Timer() const { return *timer_; }
    [[nodiscard]] const SlideShow& Slides() const { return show_; }
    // The picture as it is drawn, scaled to its place, and that place; a null picture when the
    // file could not be read.
    [[nodiscard]] const QImage& Picture() const { return picture_; }
    [[nodiscard]] QRect PictureRect() const { return pictureRect_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(int direction);
    void LoadCurrent();

    SlideShow show_;
    QTimer* timer_;
    exif::UprightDecoder decoder_;
    QImage picture_;
    QRect pictureRect_;
};

} // namespace viewer
