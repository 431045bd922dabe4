#pragma once

// The launcher behind the file list's popup menu and "外部プログラム起動(&E)".

#include "shell/settings_live.h"
#include "shell/ui/form_main.h"
#include "shell/ui/program_launcher.h"

#include <memory>

namespace lumarouty {

// Gives the window a launcher of the live Exec table that refreshes the list when a program
// has ended. The window uses the launcher as long as it lives: keep it until the window goes.
[[nodiscard]] std::unique_ptr<shell::ProgramLauncher>
WireExternalPrograms(TFormMain& form, const shell::LiveSettings& live);

} // namespace lumarouty
