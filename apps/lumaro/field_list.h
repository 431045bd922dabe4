#pragma once

// The --fields option of summary and pane: summary fields named by their Japanese captions or
// their English names, comma-separated.

#include "exif/summary_fields.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

// The fields in the order named; nothing, with the name on err, when one is no field.
[[nodiscard]] std::optional<std::vector<exif::SummaryFieldId>>
ParseFieldList(std::string_view command, const std::string& list, std::ostream& err);

// The 25 fields in table order.
[[nodiscard]] std::vector<exif::SummaryFieldId> AllFields();

} // namespace lumaro
