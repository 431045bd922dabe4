#include "shell/ui/row_values.h"

#include <string_view>

namespace shell {
namespace {

constexpr char kEnd = '\x1F';
constexpr char16_t kEndUnit = u'\x1F';
constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

} // namespace

RowValues::RowValues(const std::vector<std::string>& values) {
    std::string joined;
    for (const std::string& value : values) {
        for (const char byte : value) {
            // In UTF-8 this byte is only ever the separator itself.
            joined += byte == kEnd ? kReplacement : std::string_view(&byte, 1);
        }
        joined += kEnd;
    }
    joined_ = QString::fromUtf8(joined);
}

QStringView RowValues::Value(int column) const {
    const QStringView all(joined_);
    qsizetype start = 0;
    for (int skipped = 0; skipped < column; ++skipped) {
        start = all.indexOf(kEndUnit, start);
        if (start < 0) {
            return {};
        }
        ++start;
    }
    const qsizetype end = all.indexOf(kEndUnit, start);
    return end < 0 ? QStringView() : all.sliced(start, end - start);
}

std::vector<QStringView> RowValues::Values() const {
    std::vector<QStringView> values;
    const QStringView all(joined_);
    for (qsizetype start = 0, end; (end = all.indexOf(kEndUnit, start)) >= 0; start = end + 1) {
        values.push_back(all.sliced(start, end - start));
    }
    return values;
}

} // namespace shell
