#pragma once

// Shell links (shortcuts): ".lnk" files in the published Shell Link binary layout, so that any
// reader of that layout follows them. A link to a DOS program (a target ending in ".COM" or
// ".BAT") is saved as a program information file (".pif") instead, as the platform's shell
// does. Texts are CP932; paths inside links are Windows spellings.

#include "platform/result.h"

#include <filesystem>
#include <string>

namespace platform {

struct ShellLink {
    std::string target;
    std::string workingFolder;
    std::string arguments;
    std::string description;
    std::string iconLocation;
    int iconIndex = 0;

    bool operator==(const ShellLink&) const = default;
};

// Whether the shell keeps a link to this target as a program information file.
[[nodiscard]] bool IsDosProgram(std::string_view target);

// Writes the link to linkFile, or for a DOS program to linkFile with the extension ".pif";
// returns the file written. The header carries the target's attributes, size and dates when
// the target exists.
[[nodiscard]] Result<std::filesystem::path> SaveShellLink(const ShellLink& link,
                                                          const std::filesystem::path& linkFile);

// Reads a ".lnk" file (ANSI or Unicode strings) or a ".pif" file, told apart by their bytes.
[[nodiscard]] Result<ShellLink> LoadShellLink(const std::filesystem::path& file);

} // namespace platform
