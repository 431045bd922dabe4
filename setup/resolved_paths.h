#pragma once

// Host paths as the file system will take them, for deciding what a file operation may touch:
// "." and ".." resolved, and the links of the folders on the way followed, so that neither a
// spelling nor a link can lead a check astray.

#include <filesystem>

namespace setup {

// The path with its folder's links resolved and its last name kept as it is, since deleting a
// link deletes only the link; no trailing separator.
[[nodiscard]] std::filesystem::path ResolvedForDeletion(const std::filesystem::path& path);

// The path with every link resolved, the last name's included.
[[nodiscard]] std::filesystem::path FullyResolved(const std::filesystem::path& path);

// Whether inner is the folder itself or lies below it (both resolved alike).
[[nodiscard]] bool IsWithin(const std::filesystem::path& inner,
                            const std::filesystem::path& folder);
// Whether inner lies below the folder, the folder itself excluded.
[[nodiscard]] bool IsBelow(const std::filesystem::path& inner, const std::filesystem::path& folder);

} // namespace setup
