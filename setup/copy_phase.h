#pragma once

// Phase 8 of the install: the files of [CopyFile], with disk changes, LZ expansion, the
// overwrite rules, shared-file counts, server registration and progress.

#include "setup/install_run.h"
#include "setup/space_check.h"

namespace setup {

// Where a [CopyFile] entry goes and where its file comes from, macros expanded.
struct CopyPlan {
    std::string target;  // the path, the path's folder + "\" + new name, or folder + "\AUTO.EXT"
    std::string source;  // program folder + the path's file name
    std::string options; // from the comma on, or empty
};
[[nodiscard]] CopyPlan PlanCopy(const CopyFileEntry& entry, const InstallRun& run);

[[nodiscard]] Flow CopyFiles(InstallRun& run, CopyTotals totals);

} // namespace setup
