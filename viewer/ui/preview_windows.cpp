#include "viewer/ui/preview_windows.h"

#include "viewer/ui/preview_dlg.h"

#include <QFile>
#include <QMessageBox>
#include <QScreen>

namespace viewer {
namespace {

// Captions and messages carry paths, which are in the host's file-name encoding.
QString FromHost(const std::string& text) {
    return QFile::decodeName(QByteArray::fromStdString(text));
}

} // namespace

PreviewWindows::PreviewWindows(QWidget* parent) : parent_(parent) {}

PreviewScreen PreviewWindows::Screen() {
    // A window system may report the frame only once a window exists, so ask a new one.
    TPreviewDlg probe(parent_);
    probe.winId();
    const QScreen* screen = probe.screen();
    const QSize area = screen != nullptr ? screen->geometry().size() : QSize(640, 480);
    return {{area.width(), area.height()}, probe.FrameSize()};
}

PreviewResult PreviewWindows::Show(const exif::Image& picture, const PreviewLayout& layout,
                                   const std::string& caption) {
    TPreviewDlg window(parent_);
    window.SetPicture(picture, layout.client, FromHost(caption));
    return window.ShowModal();
}

void PreviewWindows::ReportError(const std::string& message) {
    QMessageBox::critical(parent_, "LumaroUty", FromHost(message));
}

} // namespace viewer
