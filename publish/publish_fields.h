#pragma once

// The fields the album and the listing show: the ticked rows of a column list of the settings
// (HTML or CSV of section Setup), as summary field names in the list's order.

#include "shell/settings_columns.h"

#include <string>
#include <vector>

namespace publish {

// CP932 names of the ticked rows, in order; a row of no known field is left out.
[[nodiscard]] std::vector<std::string> TickedFieldNames(const shell::ColumnRows& rows);

} // namespace publish
