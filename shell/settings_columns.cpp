#include "shell/settings_columns.h"

#include <cstdio>

namespace shell {
namespace {

constexpr std::size_t kRowCount = exif::kSummaryFieldCount;

// The number of one two-character cell, blanks trimmed; none when it is no number of 0-25.
std::optional<int> CellNumber(std::string_view cell) {
    while (!cell.empty() && cell.front() == ' ') {
        cell.remove_prefix(1);
    }
    while (!cell.empty() && cell.back() == ' ') {
        cell.remove_suffix(1);
    }
    if (cell.empty()) {
        return std::nullopt;
    }
    int number = 0;
    for (const char digit : cell) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        number = number * 10 + (digit - '0');
    }
    return number <= static_cast<int>(kRowCount) ? std::optional<int>(number) : std::nullopt;
}

// The field of every row, or none when the list does not name each field exactly once.
std::optional<std::array<int, kRowCount>> ParseFields(std::string_view list) {
    if (list.size() != 2 * kRowCount) {
        return std::nullopt;
    }
    std::array<int, kRowCount> fields{};
    std::array<bool, kRowCount + 1> seen{};
    for (std::size_t row = 0; row < kRowCount; ++row) {
        const std::optional<int> number = CellNumber(list.substr(2 * row, 2));
        if (!number) {
            return std::nullopt;
        }
        const int field = *number == 0 ? static_cast<int>(row) + 1 : *number;
        if (seen[static_cast<std::size_t>(field)]) {
            return std::nullopt;
        }
        seen[static_cast<std::size_t>(field)] = true;
        fields[row] = field;
    }
    return fields;
}

} // namespace

ColumnRows DefaultColumnRows() {
    ColumnRows rows{};
    for (std::size_t row = 0; row < kRowCount; ++row) {
        rows[row] = {static_cast<int>(row) + 1, true};
    }
    return rows;
}

std::vector<exif::SummaryFieldId> TickedFields(const ColumnRows& rows) {
    std::vector<exif::SummaryFieldId> fields;
    for (const ColumnRow& row : rows) {
        if (row.ticked && row.field >= 1 && row.field <= exif::kSummaryFieldCount) {
            fields.push_back(static_cast<exif::SummaryFieldId>(row.field));
        }
    }
    return fields;
}

ColumnListReading ReadColumnList(const std::optional<std::string>& list,
                                 const std::optional<std::string>& check) {
    const auto fields = list ? ParseFields(*list) : std::nullopt;
    if (!fields) {
        return {DefaultColumnRows(), true};
    }
    const std::string_view ticks = check ? std::string_view(*check) : std::string_view();
    ColumnRows rows{};
    for (std::size_t row = 0; row < kRowCount; ++row) {
        rows[row] = {(*fields)[row], row < ticks.size() && ticks[row] == '1'};
    }
    return {rows, false};
}

ColumnListText EncodeColumnList(const ColumnRows& rows) {
    ColumnListText text;
    for (const ColumnRow& row : rows) {
        const bool known = row.field >= 0 && row.field <= static_cast<int>(kRowCount);
        char cell[3];
        std::snprintf(cell, sizeof cell, "%2d", known ? row.field : 0);
        text.list += cell;
        text.check += row.ticked ? '1' : '0';
    }
    return text;
}

ColumnRow ColumnRowOf(std::string_view fieldName, bool ticked) {
    return {exif::SummaryFieldIndex(fieldName), ticked};
}

ColumnListReading ReadColumnList(const SettingsStore& store, const ColumnListSetting& setting) {
    return ReadColumnList(store.StoredText(setting.section, setting.name),
                          store.StoredText(setting.section, setting.checkName));
}

platform::Status WriteColumnList(SettingsStore& store, const ColumnListSetting& setting,
                                 const ColumnRows& rows) {
    const ColumnListText text = EncodeColumnList(rows);
    if (platform::Status written = store.WriteString(setting.section, setting.name, text.list);
        !written) {
        return written;
    }
    return store.WriteString(setting.section, setting.checkName, text.check);
}

} // namespace shell
