#pragma once

// Copying and moving one file without ever losing one: a copy is written beside its destination
// under a temporary name and takes the destination's name only when it is complete; a file that
// is not to be replaced is never replaced, even when it appears while the copy runs.

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

enum class Replace { Never, Allowed };

// The outcome of one transfer: 0 for success, else the host's error number (EEXIST when the
// destination exists and may not be replaced), with the step that failed.
struct TransferError {
    int code = 0;
    std::string step; // "copy", "rename" ... for the message; empty on success

    [[nodiscard]] explicit operator bool() const { return code != 0; }
};

// Copies contents, permissions and last-write time. The destination, if any, is untouched until
// the new copy is complete on the disk; the source is never touched.
[[nodiscard]] TransferError CopyFileSafely(const std::filesystem::path& source,
                                           const std::filesystem::path& destination,
                                           Replace replace);

// The installer's copy of one file over its destination: written under the staging name (a
// leftover of an interrupted run there is removed first), given the source's permissions with
// the owner's write permission added and its last-write time, and renamed over the destination.
// A symbolic link at the destination is replaced, never written through, and the new contents
// reach the disk before they replace an existing file. A failure (a full disk, say) leaves no
// staging file and the destination as it was.
[[nodiscard]] TransferError CopyFileStaged(const std::filesystem::path& source,
                                           const std::filesystem::path& destination,
                                           const std::filesystem::path& staging);

// Writes the bytes as the destination's new contents the way CopyFileStaged copies: under the
// staging name first, then renamed over the destination (permissions rw-r--r--).
[[nodiscard]] TransferError WriteFileStaged(std::string_view bytes,
                                            const std::filesystem::path& destination,
                                            const std::filesystem::path& staging);

// Renames in one step where the file system can (source and destination on one device); on
// another device, copies with CopyFileSafely and removes the source only after the copy is
// complete. A source that cannot be removed afterwards leaves the file in both places and
// reports the failure.
[[nodiscard]] TransferError MoveFileSafely(const std::filesystem::path& source,
                                           const std::filesystem::path& destination,
                                           Replace replace);

// A rename that fails with EEXIST instead of replacing an existing destination; no copy across
// devices (EXDEV then).
[[nodiscard]] TransferError RenameNoReplace(const std::filesystem::path& source,
                                            const std::filesystem::path& destination);

} // namespace platform
