#pragma once

// The files the programs ship (the album templates in html/, the EXIF template picture
// Hestrom.jpg, the help document in help/) lie beside the program in the build tree and under
// the installation's share/lumarouty folder after `cmake --install`. One lookup serves both.

#include <filesystem>
#include <optional>
#include <vector>

namespace shell {

// Where a shipped file or folder, named relative to the shipped files' root ("html",
// "help/LumaroUty.html"), may lie for a program in `programFolder`, in the order tried: beside
// the program, then in the share folder of an installation.
[[nodiscard]] std::vector<std::filesystem::path>
ShippedFileCandidates(const std::filesystem::path& programFolder,
                      const std::filesystem::path& relative);

// The first candidate that exists; none when neither does.
[[nodiscard]] std::optional<std::filesystem::path>
FindShippedFile(const std::filesystem::path& programFolder, const std::filesystem::path& relative);

// The folder of the running program's executable; empty when the system does not tell.
[[nodiscard]] std::filesystem::path ProgramFolder();

} // namespace shell
