// setup: the installer and uninstaller. "setup" installs from the folder it lies in, "setup
// <folder>\UNSETUP.INI" uninstalls, each with its windows; with /SILENT either runs unattended.
// Installed on the PATH it is called lumaro-setup.

#include "setup/command_line.h"
#include "setup/ui/setup_windows.h"
#include "setup/unattended_setup.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kHelp =
    "usage: lumaro-setup [/SILENT] [/DIR=FOLDER]\n"
    "       lumaro-setup [/SILENT] FOLDER/UNSETUP.INI\n"
    "       lumaro-setup --help | --version\n\n"
    "Installs the files that SETUP.INI beside the program lists, or with an uninstall log\n"
    "undoes that installation. /SILENT (or --silent) runs without windows; /DIR=FOLDER (or\n"
    "--dir=FOLDER) chooses the installation folder.\n";

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Answered before the window system is reached, so they work without a display.
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            std::cout << kHelp;
            return 0;
        }
        if (argument == "--version") {
            std::cout << "lumaro-setup " << LUMARO_VERSION << '\n';
            return 0;
        }
    }
    if (setup::ParseCommandLine(arguments).silent) {
        return setup::RunSetupProgram(arguments, std::cerr);
    }
    return setup_ui::RunSetupWindows(argc, argv);
}
