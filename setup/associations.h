#pragma once

// File associations of [Relate]: each extension asked for, its earlier file type remembered in
// RestoreRelateSlots, then "." + ext pointed at the type ext + "_auto_file" with its
// description, icon and command.

#include "setup/install_run.h"

#include <string>

namespace setup {

struct Association {
    std::string extension;
    std::string description;
    std::string verb;
    std::string program; // unquoted
    std::string command; // the program (quoted when it holds a blank) and the arguments
    std::string icon;    // program + "," + icon index
    [[nodiscard]] std::string FileType() const { return extension + "_auto_file"; }
};

[[nodiscard]] Association PlanAssociation(const RelateEntry& entry, const PathMacros& macros);

[[nodiscard]] Flow SetAssociations(InstallRun& run);

} // namespace setup
