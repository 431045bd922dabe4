#pragma once

// The shell's file operations as the installer uses them: delete with wildcards, copy with
// attributes, the read-only attribute and the order of last-write times. Paths are host paths;
// results are the platform's error codes (0 for success).

#include "platform/result.h"
#include "platform/system_errors.h"

#include <filesystem>
#include <string_view>

namespace platform {

// Whether a CP932 name matches a pattern of "*" (any run of characters) and "?" (one
// character), ASCII letters compared without regard to case. As on the platform, a pattern
// ending in ".*" also matches a name without a dot, so "*.*" matches every name.
[[nodiscard]] bool MatchesWildcard(std::string_view pattern, std::string_view name);

// Deletes a file, or a folder with everything in it. When the last name holds "*" or "?",
// every file and folder of that folder whose name matches is deleted, and no match is no
// failure. Deleting goes on after a failure; the first failure's code is returned.
[[nodiscard]] SystemError DeletePathWithWildcards(const std::filesystem::path& path);

// Copies a file over target, as the platform's file copy does: contents, last-write time and
// the read-only attribute go along. A read-only target is not replaced (access denied).
[[nodiscard]] SystemError CopyFileOver(const std::filesystem::path& source,
                                       const std::filesystem::path& target);

// Read-only is the absence of every write permission; clearing it gives the owner write
// permission back.
[[nodiscard]] SystemError SetFileReadOnly(const std::filesystem::path& path, bool readOnly);
[[nodiscard]] Result<bool> IsFileReadOnly(const std::filesystem::path& path);

// -1, 0 or 1 as a's last-write time is earlier than, equal to or later than b's, counted in the
// platform's steps of 100 nanoseconds.
[[nodiscard]] Result<int> CompareFileDates(const std::filesystem::path& a,
                                           const std::filesystem::path& b);

} // namespace platform
