// setup: the installer and uninstaller. "setup" installs from the folder it lies in, "setup
// <folder>\UNSETUP.INI" uninstalls, each with its windows; with /SILENT either runs unattended.

#include "setup/command_line.h"
#include "setup/ui/setup_windows.h"
#include "setup/unattended_setup.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (setup::ParseCommandLine(arguments).silent) {
        return setup::RunSetupProgram(arguments, std::cerr);
    }
    return setup_ui::RunSetupWindows(argc, argv);
}
