#include "setup/program_folder.h"

#include "setup/host_paths.h"
#include "setup/text_primitives.h"

#include <filesystem>

namespace setup {

std::optional<std::string> RunningProgramFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::nullopt;
    }
    const std::optional<std::string> folder = WindowsSpelling(executable.parent_path());
    if (!folder) {
        return std::nullopt;
    }
    return AddPathDelimiter(*folder, PathSide::Bottom);
}

} // namespace setup
