#include "publish/publish_fields.h"

namespace publish {

std::vector<std::string> TickedFieldNames(const shell::ColumnRows& rows) {
    std::vector<std::string> names;
    for (const shell::ColumnRow& row : rows) {
        if (row.ticked && row.field >= 1 && row.field <= exif::kSummaryFieldCount) {
            names.push_back(
                exif::SummaryFieldOf(static_cast<exif::SummaryFieldId>(row.field)).name);
        }
    }
    return names;
}

} // namespace publish
