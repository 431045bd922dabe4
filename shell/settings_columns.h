#pragma once

// The four column lists of the settings (List, Detail, HTML and CSV of section Setup): an order
// of the 25 summary fields with a tick for each row. A list value is each row's field number as
// printf "%2d" (" 6", "12"), 50 characters for 25 rows; its check string has "1" or "0" per row.

#include "exif/summary_fields.h"
#include "platform/result.h"
#include "shell/settings_store.h"
#include "shell/settings_values.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

struct ColumnRow {
    int field;   // summary field number 1-25 (exif::SummaryFieldId); 0 for a name not in the table
    bool ticked; // the row is shown
    bool operator==(const ColumnRow&) const = default;
};

using ColumnRows = std::array<ColumnRow, exif::kSummaryFieldCount>;

struct ColumnListReading {
    ColumnRows rows;
    bool fromDefault; // the list was absent, empty or malformed, and the default order is used
};

struct ColumnListText {
    std::string list;
    std::string check;
};

// The 25 fields in table order, all ticked.
[[nodiscard]] ColumnRows DefaultColumnRows();

// Reads a list and its check string. Row p is the number in characters 2p-1 and 2p, blanks
// trimmed, or field p when that number is 0; it is ticked when character p of the check string
// is "1" (a missing character is not). A list that is absent or empty gives the default; so does
// one that is not 50 characters of numbers 0-25 naming every field once, which the program never
// writes.
[[nodiscard]] ColumnListReading ReadColumnList(const std::optional<std::string>& list,
                                               const std::optional<std::string>& check);

// The list and check string of the rows; a field number outside 0-25 is written as 0.
[[nodiscard]] ColumnListText EncodeColumnList(const ColumnRows& rows);

// The fields of the ticked rows, in the rows' order (rows of field 0 are left out).
[[nodiscard]] std::vector<exif::SummaryFieldId> TickedFields(const ColumnRows& rows);

// A row for a summary field name (CP932); a name not in the table gives field 0.
[[nodiscard]] ColumnRow ColumnRowOf(std::string_view fieldName, bool ticked);

[[nodiscard]] ColumnListReading ReadColumnList(const SettingsStore& store,
                                               const ColumnListSetting& setting);
[[nodiscard]] platform::Status
WriteColumnList(SettingsStore& store, const ColumnListSetting& setting, const ColumnRows& rows);

} // namespace shell
