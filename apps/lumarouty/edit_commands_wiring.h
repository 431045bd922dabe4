#pragma once

// The commands of the edit menu that change files: EXIF copy, delete and add, thumbnail
// creation, title, comment and date editing. Each runs behind the main window's guard on the
// selected files and refills the list when it processed at least one.

namespace shell {
class SettingsStore;
class TFormMain;
} // namespace shell

namespace lumarouty {

// Registers the seven commands. Their confirmation list, progress window and message boxes
// are created here as children of the window, once, and shared by every run.
void WireEditCommands(shell::TFormMain& form, shell::SettingsStore& store);

} // namespace lumarouty
