#pragma once

// The values of a list row's columns after the first, held as one text: a hundred thousand rows
// of twenty-five values would otherwise be millions of small strings, most of the memory the
// list of a large folder takes.

#include <QString>
#include <QStringView>
#include <string>
#include <vector>

namespace shell {

class RowValues {
public:
    RowValues() = default;
    // The values as the fill reads them, in UTF-8. A value's unit separators (U+001F), which
    // end each value here, become replacement characters.
    explicit RowValues(const std::vector<std::string>& values);

    // The value of a column, 0 being the one after the file name's; empty beyond the last.
    [[nodiscard]] QStringView Value(int column) const;
    // Every value in column order.
    [[nodiscard]] std::vector<QStringView> Values() const;

private:
    QString joined_; // each value followed by U+001F
};

} // namespace shell
