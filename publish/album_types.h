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

// The program's template folder: "html" among the files the program ships (beside it in the
// build tree, in the share folder of an installation).
[[nodiscard]] std::filesystem::path ProgramTemplateFolder();

} // namespace publish
