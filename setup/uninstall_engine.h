#pragma once

// The uninstall: the steps that undo an install, in their fixed order, from the start button
// in UNSETUP mode to the completion message. Failures go to the report and never stop the run;
// only a log without an install folder stops it before anything is done.

#include "setup/session.h"
#include "setup/uninstall_run.h"

#include <string>

namespace setup {

struct UninstallResult {
    UninstallOutcome outcome = UninstallOutcome::Completed;
    std::string errorReport; // CP932, one entry per failure
    int failureCount = 0;

    // Completed without any failure.
    [[nodiscard]] bool Succeeded() const;
};

// The log of an UNSETUP session: read from its copy, with the place of the log it was copied
// from.
[[nodiscard]] UninstallLog ReadSessionLog(const SetupSession& session);

// Carries out what the log lists within the scope of its install folder (UninstallScope);
// every entry refused goes to the report.
[[nodiscard]] UninstallResult RunUninstall(const UninstallLog& log, PathMacros& macros,
                                           UninstallOptions options, UninstallPorts ports);

// The install folder the log names, macros expanded, with a trailing "\"; empty when the log
// names none.
[[nodiscard]] std::string LoggedInstallFolder(const UninstallLog& log, const PathMacros& macros);

} // namespace setup
