#pragma once

// Before copying: how many files the script copies and how many bytes they take, and whether
// the install folder's disk has room for them.

#include "setup/install_run.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace setup {

struct CopyTotals {
    int entryCount = 0;
    std::uint64_t totalBytes = 0; // a file of 0 bytes counts 1
    bool sizesKnown = true;       // false once a listed file is missing or unreadable
};

// Counts every [CopyFile] entry and adds the size of the file the copy will read from the
// program folder: the file name of the entry's path with its macros expanded as they will be
// then. (A macro that stands right before the name, as in "(App)a.exe", is a folder, so the
// name is "a.exe" and not the text as written.)
[[nodiscard]] CopyTotals MeasureCopyFiles(const SetupScript& script, std::string_view programFolder,
                                          const PathMacros& macros);

// Bytes available on the drive ("C:\"); none when they cannot be obtained.
[[nodiscard]] std::optional<std::uint64_t> DiskFreeBytes(std::string_view drive);

// Phases 3 and 4 of the install: measure, and when the sizes are known ask whether to go on
// when the free space is not greater than the total. No is a fatal stop.
[[nodiscard]] Flow CheckSpace(InstallRun& run, CopyTotals& totals);

} // namespace setup
