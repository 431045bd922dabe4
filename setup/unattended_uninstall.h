#pragma once

// The uninstall without windows ("setup <folder>\UNSETUP.INI /SILENT"): the option boxes as
// the main window would first show them, the console ports (a file that other programs may
// still use is kept). Exit status as for the unattended install.

#include "setup/session.h"

#include <iosfwd>

namespace setup {

[[nodiscard]] int RunUnattendedUninstall(const SetupSession& session, std::ostream& err);

} // namespace setup
