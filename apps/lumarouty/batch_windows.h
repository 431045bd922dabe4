#pragma once

// The confirmation list and the progress window that every batch command of the main window
// shares: made once as children of the window, filled anew by each command.

#include "commands/batch_ports.h"
#include "commands/ui/hourglass_progress.h"

namespace commands {
class TFormExecDisp;
class TFormExecuting;
} // namespace commands

namespace shell {
class TFormMain;
} // namespace shell

namespace lumarouty {

class BatchWindows {
public:
    explicit BatchWindows(shell::TFormMain& form);

    [[nodiscard]] commands::ConfirmPort& Confirm();
    // The progress window with the hourglass while it shows.
    [[nodiscard]] commands::ProgressPort& Progress() { return progress_; }

private:
    commands::TFormExecDisp* confirm_;    // owned by the window
    commands::TFormExecuting* executing_; // owned by the window
    commands::HourglassProgress progress_;
};

} // namespace lumarouty
