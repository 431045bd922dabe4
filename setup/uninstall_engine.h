#pragma once

// The uninstall: the steps that undo an install, in their fixed order, from the start button
// in UNSETUP mode to the completion message. Failures go to the report and never stop the run;
// only a log without an install folder stops it before anything is done.

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

// The log is read from the session's copy (ReadUninstallLog of its script file).
[[nodiscard]] UninstallResult
RunUninstall(const UninstallLog& log, PathMacros& macros, UninstallOptions options,
             UninstallPorts ports,
             ProtectedFolders protectedFolders = ProtectedFolders::OfMachine());

// The install folder the log names, macros expanded, with a trailing "\"; empty when the log
// names none.
[[nodiscard]] std::string LoggedInstallFolder(const UninstallLog& log, const PathMacros& macros);

} // namespace setup
