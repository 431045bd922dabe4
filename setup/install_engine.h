#pragma once

// The install engine: the phases of one install in their fixed order, from the start button to
// the completion message. Per-item failures go to the report; fatal conditions stop the run
// after their message; the user may abort from the status window until the log is written.

#include "setup/install_run.h"

#include <string>

namespace setup {

struct InstallResult {
    InstallOutcome outcome = InstallOutcome::Completed;
    std::string errorReport; // CP932, one entry per failure
    int failureCount = 0;
    int failuresOutsideReport = 0;
    bool restartRequested = false;

    // Completed without any failure.
    [[nodiscard]] bool Succeeded() const;
};

[[nodiscard]] InstallResult RunInstall(const SetupSession& session, const SetupScript& script,
                                       PathMacros& macros, InstallRequest request,
                                       InstallPorts ports);

} // namespace setup
