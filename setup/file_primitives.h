#pragma once

// File and folder primitives of the installer, on Windows spellings. Results are the platform's
// error codes, 0 for success.

#include "platform/system_errors.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace setup {

[[nodiscard]] bool FolderExists(std::string_view path);
[[nodiscard]] bool FileExists(std::string_view path);

// Creates every missing folder of the path, one level at a time. The success of the last
// creation attempted; true when nothing had to be created.
[[nodiscard]] bool ForceFolders(std::string_view path);

// Creates one folder; its parent must exist (else error 3), an existing one gives error 183.
[[nodiscard]] platform::SystemError CreateOneFolder(std::string_view path);

// Removes an empty folder; a folder with entries gives error 145.
[[nodiscard]] platform::SystemError RemoveFolder(std::string_view path);

// Copies over the target without ever leaving it half-written: the copy is made beside it under
// the staging name "." + name + ".setup-part", which a rerun replaces should a killed run have
// left it, and renamed into place, so that a run killed or failing at any point leaves the old
// file or the new one. A link at the target is replaced, not written through, and the new file
// is never read-only.
[[nodiscard]] platform::SystemError CopyOneFile(std::string_view source, std::string_view target);

// Writes the bytes as the file's new contents, through the staging name as CopyOneFile does.
[[nodiscard]] platform::SystemError WriteWholeFile(std::string_view path, std::string_view bytes);

// Whether the path is a regular file itself, not a link to one.
[[nodiscard]] bool IsPlainFile(std::string_view path);

// What a file is now, to tell later whether it is still the same: its size and last-write time
// in the platform's 100-nanosecond steps; none when it is no plain file.
struct FileRecord {
    std::uint64_t size = 0;
    std::int64_t time = 0;

    bool operator==(const FileRecord&) const = default;
};
[[nodiscard]] std::optional<FileRecord> RecordOf(std::string_view path);

// Deletes a file or a folder with everything in it; "*" and "?" in the name delete every match.
// A missing plain path gives error 2. A file whose name contains ".OCX" or ".DLL" is
// unregistered first. A link is deleted as a link: nothing it points to is touched.
[[nodiscard]] platform::SystemError DeletePath(std::string_view path);

// DeletePath of folder + each pattern of the list (each ended by "|", as "*.INI|*.GID|"), then
// the removal of the folder, whose error is the result.
[[nodiscard]] platform::SystemError DeleteFolderPatterns(std::string_view folder,
                                                         std::string_view patterns);

// Size in bytes; none when it cannot be read.
[[nodiscard]] std::optional<std::uint64_t> FileSize(std::string_view path);

// -1, 0 or 1 as a's last-write time is earlier than, equal to or later than b's; none when
// either cannot be read.
[[nodiscard]] std::optional<int> CompareFileTimes(std::string_view a, std::string_view b);

} // namespace setup
