#pragma once

// Step 4 of the uninstall: the files of [DeleteFile] and [AddDeleteFile]. Each entry's options
// decide, together with the file's shared count, whether it is deleted, kept, or asked about.

#include "setup/uninstall_run.h"

#include <string>
#include <string_view>

namespace setup {

// The options an entry carries: the five characters from the comma that starts them
// (SplitLogEntry), so ",/S/C/F" acts as ",/S/C".
struct FileEntryOptions {
    std::string path;
    std::string options;
};
[[nodiscard]] FileEntryOptions ReadFileEntry(std::string_view entry);

enum class FileDecision { Delete, Keep };

// What becomes of one file: asks through the ports where the rules say so, and lowers the
// shared count of a "/S" file that is counted.
[[nodiscard]] FileDecision DecideFile(UninstallRun& run, const FileEntryOptions& entry);

// Every file of both lists that the scope allows; refusals and failed deletions of [DeleteFile]
// go to the report, and so does a copied file that is not as the install left it, which stays.
// The log the uninstall started from goes too when it is the install folder's own.
void RemoveFiles(UninstallRun& run);

} // namespace setup
