#include "tests/support/screenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace fixture {

QString SaveScreenshot(QWidget& widget, const QString& name) {
    const QDir dir(QStringLiteral(LUMARO_SCREENSHOT_DIR));
    if (!dir.mkpath(".")) {
        return {};
    }
    const QString path = dir.filePath(name + ".png");
    return widget.grab().save(path) ? path : QString();
}

} // namespace fixture
