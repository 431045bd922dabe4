#pragma once

// INI access for the script, the uninstall log and the folder memory: the platform's profile
// functions on files named by their Windows spelling.

#include "platform/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace setup {

// The value of the key; the default when the file, the section or the key is absent. Sections
// and keys match without regard to letter case.
[[nodiscard]] std::string IniReadString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue, std::string_view file);

// Writes key=value, creating the file and the section as needed.
[[nodiscard]] platform::Status IniWriteString(std::string_view section, std::string_view key,
                                              std::string_view value, std::string_view file);

// The values of prefix1, prefix2 ... up to the first empty one.
[[nodiscard]] std::vector<std::string> IniReadList(std::string_view section,
                                                   std::string_view prefix, std::string_view file);

} // namespace setup
