#pragma once

// The summary values of one file as a JSON object for scripts: "SourceFile" (the path as
// given), then each field under its English name. Numbers are numbers (the file size in
// bytes, the exposure time in seconds, the F-number, the exposure compensation in EV, the focal
// length in mm); the other values are the texts the utility shows, in UTF-8; a value the file
// does not hold is null.

#include "exif/exif_block.h"
#include "exif/summary_fields.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace lumaro {

[[nodiscard]] std::string SummaryJson(const std::optional<exif::ExifBlock>& block,
                                      const std::filesystem::path& path,
                                      std::span<const exif::SummaryFieldId> fields);

} // namespace lumaro
