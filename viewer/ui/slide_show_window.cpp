#include "viewer/ui/slide_show_window.h"

#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace viewer {
namespace {

QImage ToQImage(const exif::Image& picture) {
    const QImage view(picture.Pixels().data(), static_cast<int>(picture.Width()),
                      static_cast<int>(picture.Height()),
                      static_cast<qsizetype>(picture.Width()) * 3, QImage::Format_RGB888);
    return view.copy();
}

} // namespace

SlideShowWindow::SlideShowWindow(SlidePlan plan, std::optional<std::chrono::milliseconds> interval,
                                 QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), show_(std::move(plan)),
      timer_(new QTimer(this)) {
    setObjectName("SlideShow");
    setWindowTitle("スライドショー");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    timer_->setObjectName("Timer1");
    connect(timer_, &QTimer::timeout, this, [this] { Step(+1); });
    if (interval) {
        timer_->start(*interval);
    }
}

int SlideShowWindow::ShowModal() {
    setWindowState(windowState() | Qt::WindowFullScreen);
    return exec();
}

void SlideShowWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!picture_.isNull()) {
        painter.drawImage(pictureRect_.topLeft(), picture_);
        return;
    }
    painter.setPen(QColor(160, 160, 160));
    painter.drawText(rect(), Qt::AlignCenter,
                     QFile::decodeName(QByteArray::fromStdString(show_.Current().string())) +
                         "\nこの画像は表示できません");
}

void SlideShowWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        Step(+1);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        Step(-1);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void SlideShowWindow::mousePressEvent(QMouseEvent*) {
    accept();
}

// The picture is decoded for the size the window really has, which the window system settles
// only once the window is shown full screen.
void SlideShowWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LoadCurrent();
}

void SlideShowWindow::Step(int direction) {
    if (direction > 0) {
        show_.Forward();
    } else {
        show_.Back();
    }
    LoadCurrent();
    // The picture chosen by hand stays its full time too.
    if (timer_->isActive()) {
        timer_->start();
    }
}

void SlideShowWindow::LoadCurrent() {
    const std::optional<SlidePicture> loaded =
        LoadSlidePicture(show_.Current(), {width(), height()}, decoder_);
    if (loaded) {
        const SlidePlacement& place = loaded->placement;
        pictureRect_ = QRect(place.x, place.y, place.size.width, place.size.height);
        // Scaled once here rather than at every paint.
        picture_ =
            ToQImage(loaded->image)
                .scaled(pictureRect_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        picture_ = QImage();
        pictureRect_ = QRect();
    }
    update();
}

} // namespace viewer
