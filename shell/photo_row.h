#pragma once

// One file's row of the file list: the values of the chosen summary columns and the embedded
// thumbnail. Plain work on one file; the window turns rows into items and icons.

#include "exif/summary_fields.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace shell {

// The EXIF block is read and released inside ReadPhotoRow, so nothing of it outlives the call
// but these values.
struct PhotoRow {
    std::filesystem::path file;
    std::vector<std::string> values;                    // CP932, one per column asked for
    std::optional<std::vector<std::uint8_t>> thumbnail; // the embedded JPEG thumbnail
};

// A file that cannot be read still gives its row: no thumbnail, and each value as the summary
// gives it without a block ("" where even the file's own data cannot be read).
[[nodiscard]] PhotoRow ReadPhotoRow(const std::filesystem::path& file,
                                    std::span<const exif::SummaryFieldId> columns);

} // namespace shell
