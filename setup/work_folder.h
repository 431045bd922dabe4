#pragma once

// The installer's work folder: "ZSTMP" and a number from 1 to 99 in the temporary folder.

#include <string>
#include <string_view>

namespace setup {

inline constexpr int kWorkFolderLimit = 99;

// The temporary folder + "ZSTMP" + n + "\" for the first n whose folder does not exist yet (the
// 99th when all exist), created with every level above it.
[[nodiscard]] std::string ChooseWorkFolder(std::string_view temporaryFolder);

// Empties and removes every work folder ZSTMP1 to ZSTMP99 of the temporary folder.
void RemoveWorkFolders(std::string_view temporaryFolder);

} // namespace setup
