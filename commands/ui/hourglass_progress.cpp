#include "commands/ui/hourglass_progress.h"

#include <QApplication>

namespace commands {

HourglassProgress::~HourglassProgress() {
    if (waiting_) {
        QApplication::restoreOverrideCursor();
    }
}

void HourglassProgress::Start(int maximum) {
    if (!waiting_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        waiting_ = true;
    }
    window_.Start(maximum);
}

void HourglassProgress::Finish() {
    window_.Finish();
    if (waiting_) {
        QApplication::restoreOverrideCursor();
        waiting_ = false;
    }
}

} // namespace commands
