#include "setup/folder_memory.h"

#include "setup/ini_access.h"

namespace setup {
namespace {

constexpr std::string_view kFolderMemoryName = "ORSET98.INI";
constexpr std::string_view kFolderKey = "Folder";

} // namespace

std::string FolderMemoryFile(const PathMacros& macros) {
    return macros.Value(Macro::Win) + std::string(kFolderMemoryName);
}

std::string RememberedFolder(std::string_view programId, std::string_view fallback,
                             const PathMacros& macros) {
    return IniReadString(programId, kFolderKey, fallback, FolderMemoryFile(macros));
}

platform::Status RememberFolder(std::string_view programId, std::string_view folder,
                                const PathMacros& macros) {
    return IniWriteString(programId, kFolderKey, folder, FolderMemoryFile(macros));
}

} // namespace setup
