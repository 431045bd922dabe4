#pragma once

// Saves what a window shows as a PNG in the build tree, for a person to look at.

#include <QString>

class QWidget;

namespace fixture {

// Writes LUMARO_SCREENSHOT_DIR/<name>.png; returns its path, empty when it could not be saved.
QString SaveScreenshot(QWidget& widget, const QString& name);

} // namespace fixture
