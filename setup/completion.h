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

// Writes UNSETUP.INI and the uninstall registration, unless the title says "Setup Only.".
void WriteUninstallInformation(InstallRun& run);

// With failures: offers the report and waits until the user goes on.
void OfferErrorReport(InstallRun& run);

// The completion message, the restart request, or the program of [ExecuteFile].
void Complete(InstallRun& run);

} // namespace setup
