#pragma once

// The text of the main window's detail pane: the chosen summary fields of one file, one
// "name：value" line each, and on request the detail report below them. CP932, CR LF line ends.

#include "exif/exif_block.h"
#include "exif/summary_fields.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace exif {

// chosenFields are field names (CP932) in the user's order. A file without an Exif IFD shows
// only the fields flagged for it, a file with one but no decoded maker note only those flagged
// for that; a decoded maker note shows every chosen field. Names outside the table are left
// out. Throws platform::FileError when the file cannot be read.
[[nodiscard]] std::string BuildDetailPaneText(const std::filesystem::path& path,
                                              std::span<const std::string> chosenFields,
                                              bool showDump);

// Whether the pane of a file with this block (possibly none) shows the field, by the rule above.
[[nodiscard]] bool PaneShowsField(const std::optional<ExifBlock>& block, const SummaryField& field);

} // namespace exif
