#pragma once

// The preview window: one picture stretched over the whole client area, a pop-up menu and
// keys that close it with next, previous or stop.

#include "exif/imaging.h"
#include "viewer/preview_sizing.h"
#include "viewer/preview_walk.h"

#include <QDialog>
#include <QImage>

class QAction;
class QMenu;

namespace viewer {

// `Image1`: draws its picture stretched to its own size.
class PreviewImage : public QWidget {
    Q_OBJECT
public:
    explicit PreviewImage(QWidget* parent = nullptr);

    void SetPicture(QImage picture);
    [[nodiscard]] const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

class TPreviewDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPreviewDlg(QWidget* parent = nullptr);

    // Puts the picture into Image1 and gives the window the client size and the caption.
    void SetPicture(const exif::Image& picture, PixelSize client, const QString& caption);

    // Shows the window modally, centred on its screen.
    [[nodiscard]] PreviewResult ShowModal();

    // The outer size less the client size, as far as the window system reports it: nothing
    // before the native window exists, and on some systems nothing before it is shown.
    [[nodiscard]] PixelSize FrameSize() const;

    PreviewImage* Image1;
    QMenu* PopupMenu1;
    QAction* mnBefore;
    QAction* mnNext;
    QAction* mnSep01;
    QAction* mnZoomIn;
    QAction* mnZoomOut;
    QAction* mnSep02;
    QAction* mnExit;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // QDialog's own results stand for next (Accepted) and stop (Rejected).
    static constexpr int kPreviousResult = 2;

    void Zoom(PixelSize (*rule)(PixelSize));
    void SetClientSize(PixelSize client);
    void CentreOnScreen();
};

} // namespace viewer
