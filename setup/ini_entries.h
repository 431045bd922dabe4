#pragma once

// INI entries of [IniFile]: section, key, value and file, each macro-expanded.

#include "setup/install_run.h"

namespace setup {

// Writes each entry; failures go to the report.
[[nodiscard]] Flow WriteIniEntries(InstallRun& run);

} // namespace setup
