#include "apps/lumaro/field_list.h"

#include "platform/codepage.h"

#include <algorithm>
#include <ostream>

namespace lumaro {

std::optional<std::vector<exif::SummaryFieldId>>
ParseFieldList(std::string_view command, const std::string& list, std::ostream& err) {
    std::vector<exif::SummaryFieldId> fields;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        int index = exif::SummaryFieldIndexOfTagName(name);
        if (index == 0) {
            index = exif::SummaryFieldIndex(platform::Utf8ToCp932(name));
        }
        if (index == 0) {
            err << "lumaro " << command << ": unknown field '" << name << "'\n";
            return std::nullopt;
        }
        fields.push_back(static_cast<exif::SummaryFieldId>(index));
        start = comma + 1;
    }
    return fields;
}

std::vector<exif::SummaryFieldId> AllFields() {
    std::vector<exif::SummaryFieldId> fields;
    for (const exif::SummaryField& field : exif::SummaryFields()) {
        fields.push_back(field.id);
    }
    return fields;
}

} // namespace lumaro
