#pragma once

// The installer's command line: the path of an uninstall log (UNSETUP mode) and the options of
// the unattended run, "/SILENT" or "--silent" and "/DIR=FOLDER" or "--dir=FOLDER" (option names
// in any letter case). Everything else is an argument.

#include <optional>
#include <string>
#include <vector>

namespace setup {

struct CommandLine {
    std::string firstArgument; // the first argument that is not an option; empty when none
    bool silent = false;
    std::optional<std::string> folder; // UTF-8, as given
};

[[nodiscard]] CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace setup
