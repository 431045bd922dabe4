#include "viewer/ui/preview_dlg.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace viewer {
namespace {

QImage ToQImage(const exif::Image& picture) {
    const QImage view(picture.Pixels().data(), static_cast<int>(picture.Width()),
                      static_cast<int>(picture.Height()),
                      static_cast<qsizetype>(picture.Width()) * 3, QImage::Format_RGB888);
    return view.copy();
}

} // namespace

PreviewImage::PreviewImage(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewImage::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

void PreviewImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawImage(rect(), picture_);
}

TPreviewDlg::TPreviewDlg(QWidget* parent)
    : QDialog(parent), Image1(new PreviewImage(this)), PopupMenu1(new QMenu(this)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Image1->setObjectName("Image1");
    PopupMenu1->setObjectName("PopupMenu1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);

    mnBefore = PopupMenu1->addAction("前へ(&R)", this, [this] { done(kPreviousResult); });
    mnNext = PopupMenu1->addAction("次へ(&F)", this, &QDialog::accept);
    mnSep01 = PopupMenu1->addSeparator();
    mnZoomIn = PopupMenu1->addAction("x 2(&I)", this, [this] { Zoom(ZoomedIn); });
    mnZoomOut = PopupMenu1->addAction("/ 2(&O)", this, [this] { Zoom(ZoomedOut); });
    mnSep02 = PopupMenu1->addSeparator();
    mnExit = PopupMenu1->addAction("終了(&X)", this, &QDialog::reject);
    mnBefore->setObjectName("mnBefore");
    mnNext->setObjectName("mnNext");
    mnSep01->setObjectName("mnSep01");
    mnZoomIn->setObjectName("mnZoomIn");
    mnZoomOut->setObjectName("mnZoomOut");
    mnSep02->setObjectName("mnSep02");
    mnExit->setObjectName("mnExit");

    Image1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Image1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Image1->mapToGlobal(at)); });
}

void TPreviewDlg::SetPicture(const exif::Image& picture, PixelSize client, const QString& caption) {
    Image1->SetPicture(ToQImage(picture));
    setWindowTitle(caption);
    SetClientSize(client);
}

PreviewResult TPreviewDlg::ShowModal() {
    CentreOnScreen();
    switch (exec()) {
    case QDialog::Accepted:
        return PreviewResult::Next;
    case kPreviousResult:
        return PreviewResult::Previous;
    default:
        return PreviewResult::Stop;
    }
}

PixelSize TPreviewDlg::FrameSize() const {
    const QWindow* window = windowHandle();
    if (window == nullptr) {
        return {};
    }
    const QMargins frame = window->frameMargins();
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

void TPreviewDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Left:
        done(kPreviousResult);
        return;
    case Qt::Key_Right:
        accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TPreviewDlg::Zoom(PixelSize (*rule)(PixelSize)) {
    const PixelSize frame = FrameSize();
    const PixelSize zoomed = rule({width() + frame.width, height() + frame.height});
    SetClientSize({zoomed.width - frame.width, zoomed.height - frame.height});
}

// The border is fixed: the user cannot drag it, only the menu changes the size.
void TPreviewDlg::SetClientSize(PixelSize client) {
    setFixedSize(std::clamp(client.width, 1, kMaxClientExtent),
                 std::clamp(client.height, 1, kMaxClientExtent));
}

void TPreviewDlg::CentreOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const PixelSize frame = FrameSize();
    const QSize outer(width() + frame.width, height() + frame.height);
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

} // namespace viewer
