#include "apps/lumarouty/batch_windows.h"

#include "commands/ui/exec_disp_dialog.h"
#include "commands/ui/executing_window.h"
#include "shell/ui/form_main.h"

namespace lumarouty {

BatchWindows::BatchWindows(shell::TFormMain& form)
    : confirm_(new commands::TFormExecDisp(&form)), executing_(new commands::TFormExecuting(&form)),
      progress_(*executing_) {}

commands::ConfirmPort& BatchWindows::Confirm() {
    return *confirm_;
}

} // namespace lumarouty
