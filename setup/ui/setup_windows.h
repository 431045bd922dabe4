#pragma once

// The installer with its windows: the second-instance check, the background window with the
// main window over it, and at the end the restart request.

namespace setup_ui {

class TfrmBack;
class TfrmMain;

// The background shows the run's title; the main window appears once the background has its
// size, and its close closes the background, which ends the program.
void ConnectSetupWindows(TfrmBack& back, TfrmMain& main);

// Returns the program's exit status. argc and argv go to the application object.
[[nodiscard]] int RunSetupWindows(int& argc, char** argv);

} // namespace setup_ui
