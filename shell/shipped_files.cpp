#include "shell/shipped_files.h"

namespace shell {

namespace fs = std::filesystem;

std::vector<fs::path> ShippedFileCandidates(const fs::path& programFolder,
                                            const fs::path& relative) {
    return {(programFolder / relative).lexically_normal(),
            (programFolder / LUMARO_SHARE_FROM_INSTALLED_PROGRAM / relative).lexically_normal()};
}

std::optional<fs::path> FindShippedFile(const fs::path& programFolder, const fs::path& relative) {
    for (const fs::path& candidate : ShippedFileCandidates(programFolder, relative)) {
        std::error_code error;
        if (fs::exists(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}

fs::path ProgramFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

} // namespace shell
