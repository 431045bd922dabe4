#pragma once

// One file's row of the file list: the values of the chosen summary columns, which sorting and
// the report view need for every file. Plain work on one file; its icons are read apart, when
// the row comes into view (list_icon_pictures.h).

#include "exif/summary_fields.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace shell {

// The EXIF block is read and released inside ReadPhotoRow, so nothing of it outlives the call
// but these values.
struct PhotoRow {
    std::filesystem::path file;
    std::vector<std::string> values; // CP932, one per column asked for
};

// A file that cannot be read still gives its row: each value as the summary gives it without
// a block ("" where even the file's own data cannot be read).
[[nodiscard]] PhotoRow ReadPhotoRow(const std::filesystem::path& file,
                                    std::span<const exif::SummaryFieldId> columns);

} // namespace shell
