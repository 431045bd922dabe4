#pragma once

// The commands of the edit menu that change files: EXIF copy, delete and add, thumbnail
// creation, title, comment and date editing. Each runs behind the main window's guard on the
// selected files and refills the list when it processed at least one.

namespace shell {
class SettingsStore;
class TFormMain;
} // namespace shell

namespace lumarouty {

class BatchWindows;

// Registers the seven commands. They report through the shared batch windows, which must last
// as long as the main window; their message boxes are made here once.
void WireEditCommands(shell::TFormMain& form, shell::SettingsStore& store, BatchWindows& windows);

} // namespace lumarouty
