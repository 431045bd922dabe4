#pragma once

// EXIF copy: pictures that an editor saved without EXIF data get the EXIF segment of their
// camera originals in a source folder, with a new thumbnail and their own picture size.

#include "commands/edit_batch.h"

#include <filesystem>
#include <optional>

namespace commands {

// The camera original of a file in the source folder: the file of the same name, else, when
// the name holds "-", the name up to its last "-" with the file's extension (DSCN0001-2.JPG
// finds DSCN0001.JPG). Names are matched without regard to ASCII case when no file has the
// exact name, as on the file system the photos come from. Nothing when there is none.
[[nodiscard]] std::optional<std::filesystem::path>
FindExifSource(const std::filesystem::path& sourceFolder, const std::filesystem::path& file);

// The rows: a JPEG file with an original gets a ticked row (column 2 the original, column 3
// the file); the others are left alone.
[[nodiscard]] BatchPlan PlanExifCopy(const Selection& files,
                                     const std::filesystem::path& sourceFolder);

// Nothing when the source folder is empty: the prompt asks for one and nothing is planned.
[[nodiscard]] std::optional<BatchReport>
RunExifCopy(const Selection& files, const std::filesystem::path& sourceFolder, EditPorts ports);

} // namespace commands
