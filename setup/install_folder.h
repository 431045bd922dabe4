#pragma once

// Phases 5 to 7 of the install: the install folder, the log of an earlier install into it, and
// the folders of [MakeFolder].

#include "setup/install_run.h"

namespace setup {

// Fixes (App) and (Set) from the folder box and creates the folder when the user agrees; a
// folder that is not there afterwards is a fatal stop.
[[nodiscard]] Flow PrepareInstallFolder(InstallRun& run);

// An earlier UNSETUP.INI in the install folder is kept as UNSETUPZ.INI in the work folder and
// its lists seed this install's, so that a reinstall keeps what the earlier one recorded.
void TakeOverPreviousLog(InstallRun& run);

// Creates each [MakeFolder] folder (one level); made or already there, it is recorded for
// removal; other failures go to the report.
[[nodiscard]] Flow MakeFolders(InstallRun& run);

} // namespace setup
