#pragma once

// The album types: a group of template files sharing one name prefix in the template folder
// (T_index.html, T_detail.html ...) is one type, chosen by that prefix.

#include <filesystem>
#include <string>
#include <vector>

namespace publish {

// The prefix before the first "_" of every file name with a "_" in the folder, each once
// (exact comparison), sorted without regard to case as the dialog's list sorts. Empty when the
// folder holds none or cannot be read.
[[nodiscard]] std::vector<std::string> AlbumTypes(const std::filesystem::path& templateFolder);

// The program's template folder: "html" beside the running program (the build tree), else the
// html folder of the installation's share folder.
[[nodiscard]] std::filesystem::path ProgramTemplateFolder();

} // namespace publish
