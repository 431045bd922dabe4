#pragma once

// The commands of the file menu that copy, move, rename and delete files and publish them:
// copy, move, automatic rename, the two deletes, the HTML album and the CSV listing. Each runs
// behind the main window's guard on the selected files.

namespace shell {
class SettingsStore;
class TFormMain;
struct LiveSettings;
} // namespace shell

namespace lumarouty {

// Registers the seven commands. Their confirmation list, progress window and message boxes
// are created here as children of the window, once, and shared by every run.
void WireFileCommands(shell::TFormMain& form, shell::SettingsStore& store,
                      const shell::LiveSettings& live);

} // namespace lumarouty
