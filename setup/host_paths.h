#pragma once

// The installer keeps paths as Windows spellings (CP932 text with drive letters and "\"); these
// map them to host paths at the places where a file is touched, and back.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace setup {

// The host path of a Windows spelling; none when it names no drive of the machine.
[[nodiscard]] std::optional<std::filesystem::path> HostPathOf(std::string_view windowsPath);

// The Windows spelling of a host path; none when it cannot be spelled.
[[nodiscard]] std::optional<std::string> WindowsSpelling(const std::filesystem::path& hostPath);

// Whether the text starts with a drive letter and a colon ("C:...").
[[nodiscard]] bool HasDriveLetter(std::string_view path);

// A path given by the user (command line): a Windows spelling when it starts with a drive
// letter, else a host path (relative ones from the current folder), spelled the Windows way.
[[nodiscard]] std::optional<std::string> WindowsSpellingOfArgument(std::string_view argument);

} // namespace setup
