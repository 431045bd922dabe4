#pragma once

// The template picture "Hestrom.jpg" whose EXIF segment EXIF add gives to pictures without
// one. It is one of the shipped files: beside the executable in the build tree, under the share
// folder of an installation.

#include <filesystem>
#include <optional>
#include <string>

namespace commands {

inline constexpr char kTemplatePictureName[] = "Hestrom.jpg";

// The template of a program in that folder (shell::ProgramFolder() for the running one); when
// there is none, the place beside the program, so that a message can name where it was looked
// for.
[[nodiscard]] std::filesystem::path TemplatePicturePath(const std::filesystem::path& programFolder);

// Why the file cannot serve as the template (UTF-8): missing, or not a JPEG whose first
// segment is an APP1 "Exif" segment with a thumbnail in IFD1. Nothing when it can.
[[nodiscard]] std::optional<std::string> TemplatePictureProblem(const std::filesystem::path& file);

} // namespace commands
