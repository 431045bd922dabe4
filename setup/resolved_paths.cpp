#include "setup/resolved_paths.h"

namespace setup {

namespace fs = std::filesystem;

fs::path ResolvedForDeletion(const fs::path& path) {
    fs::path normal = path.lexically_normal();
    if (normal.has_relative_path() && !normal.has_filename()) {
        normal = normal.parent_path();
    }
    if (!normal.has_relative_path()) {
        return normal;
    }
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(normal.parent_path(), error);
    return error ? normal : folder / normal.filename();
}

fs::path FullyResolved(const fs::path& path) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    return error ? ResolvedForDeletion(path) : ResolvedForDeletion(canonical);
}

bool IsWithin(const fs::path& inner, const fs::path& folder) {
    auto innerPart = inner.begin();
    for (const fs::path& part : folder) {
        if (part.empty()) {
            continue; // the empty name after a trailing separator
        }
        if (innerPart == inner.end() || *innerPart != part) {
            return false;
        }
        ++innerPart;
    }
    return true;
}

bool IsBelow(const fs::path& inner, const fs::path& folder) {
    return IsWithin(inner, folder) && !IsWithin(folder, inner);
}

} // namespace setup
