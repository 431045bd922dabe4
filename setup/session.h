#pragma once

// One run of the installer: its mode, its folders and the private copy of its script, made at
// start-up, and the start-up errors that keep it from going on.

#include <string>
#include <string_view>

namespace setup {

enum class RunMode { Setup, Unsetup };

// "SETUP" or "UNSETUP".
[[nodiscard]] std::string_view RunModeText(RunMode mode);

// UNSETUP when the file name of the first argument is exactly "UNSETUP.INI" (letter case
// included); SETUP otherwise, also without arguments.
[[nodiscard]] RunMode RunModeOf(std::string_view firstArgument);

struct SetupSession {
    RunMode mode = RunMode::Setup;
    std::string programFolder;   // where the installer and the files to install lie, with "\"
    std::string temporaryFolder; // with "\"
    std::string workFolder;      // with "\"
    std::string scriptFile;      // SETUP.INI or UNSETUP.INI in the work folder
    std::string originalScript;  // the file scriptFile was copied from, when it was
    std::string startupErrors;   // empty when the run can go on
};

// Chooses and creates the work folder and copies the installer and the script (SETUP mode) or
// the log named by the first argument (UNSETUP mode) into it. The program folder is a Windows
// spelling; the argument may be a Windows spelling or a host path.
[[nodiscard]] SetupSession StartSession(std::string_view programFolder,
                                        std::string_view firstArgument);

} // namespace setup
