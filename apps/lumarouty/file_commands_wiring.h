#pragma once

// The commands of the file menu that copy, move, rename and delete files and publish them:
// copy, move, automatic rename, the two deletes, the HTML album, the CSV listing and the
// presentation files. Each runs
// behind the main window's guard on the selected files.

namespace shell {
class SettingsStore;
class TFormMain;
struct LiveSettings;
} // namespace shell

namespace lumarouty {

class BatchWindows;

// Registers the eight commands. They report through the shared batch windows, which must last
// as long as the main window; their message boxes are made here once.
void WireFileCommands(shell::TFormMain& form, shell::SettingsStore& store,
                      const shell::LiveSettings& live, BatchWindows& windows);

} // namespace lumarouty
