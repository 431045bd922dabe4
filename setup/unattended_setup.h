#pragma once

// The unattended run of the installer: no windows, the proposed folder (or the one given), the
// option boxes as they would first show, the console ports; in UNSETUP mode the uninstall. Exit
// status 0 when the run completed without any failure, 1 when anything failed or it could not
// start, 2 when the command line asks for what is not available.

#include "setup/command_line.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

inline constexpr int kExitSucceeded = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUnavailable = 2;

// Runs with the program folder given as a Windows spelling ("Z:\media\cdrom\").
[[nodiscard]] int RunUnattendedSetup(const CommandLine& commandLine, std::string_view programFolder,
                                     std::ostream& err);

// The program run with /SILENT: its folder is that of the running executable.
[[nodiscard]] int RunSetupProgram(const std::vector<std::string>& arguments, std::ostream& err);

} // namespace setup
