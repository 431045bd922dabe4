#include "publish/album_types.h"

#include "shell/shipped_files.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace publish {
namespace {

namespace fs = std::filesystem;

bool LessWithoutCase(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    const bool less =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                     [&](char x, char y) { return lower(x) < lower(y); });
    const bool greater =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                     [&](char x, char y) { return lower(x) < lower(y); });
    return less || (!greater && a < b);
}

} // namespace

std::vector<std::string> AlbumTypes(const fs::path& templateFolder) {
    std::vector<std::string> types;
    std::error_code error;
    for (fs::directory_iterator it(templateFolder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            continue;
        }
        const std::string name = it->path().filename().string();
        const std::size_t underscore = name.find('_');
        if (underscore == std::string::npos) {
            continue;
        }
        const std::string type = name.substr(0, underscore);
        if (std::find(types.begin(), types.end(), type) == types.end()) {
            types.push_back(type);
        }
    }
    std::sort(types.begin(), types.end(), LessWithoutCase);
    return types;
}

fs::path ProgramTemplateFolder() {
    const fs::path program = shell::ProgramFolder();
    return shell::FindShippedFile(program, "html").value_or(program / "html");
}

} // namespace publish
