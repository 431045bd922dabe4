#pragma once

// The photo summary: the 25 short display values of one file (F2.8, 1/125, ISO 100 ...), CP932.

#include "exif/exif_block.h"
#include "exif/summary_fields.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace exif {

// The value of a field for the file at path, whose block (possibly none) the caller loaded with
// LoadExifBlock; the path serves the file name, size, date and frame-header fields. "" for a
// name outside the table and for a value the file does not hold. Throws platform::FileError
// when the image size has to come from a frame header the file does not let us read.
[[nodiscard]] std::string SummaryValue(const std::optional<ExifBlock>& block,
                                       std::string_view fieldName,
                                       const std::filesystem::path& path);

[[nodiscard]] std::string SummaryValue(const std::optional<ExifBlock>& block, SummaryFieldId field,
                                       const std::filesystem::path& path);

} // namespace exif
