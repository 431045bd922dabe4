#pragma once

// Phases 11 to 14 of the install: the uninstaller and the folder memory, the uninstall log and
// registration, the report of failures, and the end ([ExecuteFile]).

#include "setup/install_run.h"

namespace setup {

// Copies the installer to (Win) + "UNORSET.EXE" unless a newer one is there, and remembers the
// install folder under the program identifier.
void UpdateUninstaller(InstallRun& run);

// The log of this install, as UNSETUP.INI holds it.
[[nodiscard]] UninstallLog BuildUninstallLog(const InstallRun& run);

// Writes UNSETUP.INI whole before anything is made, with what an earlier install recorded, and
// keeps it open so that each thing made is appended at once; unless the title says "Setup
// Only.".
void StartUninstallLog(InstallRun& run);

// Writes UNSETUP.INI whole once more and the uninstall registration, unless the title says
// "Setup Only.".
void WriteUninstallInformation(InstallRun& run);

// With failures: offers the report and waits until the user goes on.
void OfferErrorReport(InstallRun& run);

// The completion message, the restart request, or the program of [ExecuteFile]. After a failure
// no completion is told: the failure message stays.
void Complete(InstallRun& run);

} // namespace setup
