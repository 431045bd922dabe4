#pragma once

// The folder of the running installer, where it finds its script and the files to install.

#include <optional>
#include <string>

namespace setup {

// The Windows spelling of the running executable's folder, with a trailing "\"; none when it
// cannot be found.
[[nodiscard]] std::optional<std::string> RunningProgramFolder();

} // namespace setup
