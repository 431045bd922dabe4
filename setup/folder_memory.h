#pragma once

// The folder memory ORSET98.INI in the Windows folder: per program identifier, the folder of
// the last successful install.

#include "platform/result.h"
#include "setup/path_macros.h"

#include <string>
#include <string_view>

namespace setup {

// (Win) + "ORSET98.INI".
[[nodiscard]] std::string FolderMemoryFile(const PathMacros& macros);

// [<ID>] Folder, or the fallback.
[[nodiscard]] std::string RememberedFolder(std::string_view programId, std::string_view fallback,
                                           const PathMacros& macros);

// Writes [<ID>] Folder = the folder.
[[nodiscard]] platform::Status RememberFolder(std::string_view programId, std::string_view folder,
                                              const PathMacros& macros);

} // namespace setup
