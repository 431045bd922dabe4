#include "shell/start_folder.h"

#include <system_error>

namespace shell {

namespace fs = std::filesystem;

fs::path StartFolder(bool startInLastFolder, const fs::path& lastFolder,
                     const fs::path& homeFolder) {
    return startInLastFolder ? lastFolder : homeFolder;
}

fs::path SelectableFolder(const fs::path& folder) {
    if (folder.empty() || !folder.is_absolute()) {
        return {};
    }
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        return {};
    }
    fs::path normal = folder.lexically_normal();
    if (!normal.has_filename() && normal != normal.root_path()) {
        normal = normal.parent_path();
    }
    return normal;
}

} // namespace shell
