#include "shell/ui/column_widths.h"

#include <algorithm>

namespace shell {
namespace {

constexpr int kColumnMargin = 16;
constexpr int kCaptionMargin = 61;
// Texts measured whole per column: enough that kerning cannot hide the widest among them.
constexpr std::size_t kMeasured = 8;
constexpr std::size_t kUtf16Units = 0x10000;

} // namespace

ColumnWidths::ColumnWidths(const QFont& font, QStringList headers)
    : metrics_(font), headers_(std::move(headers)),
      widest_(static_cast<std::size_t>(headers_.size())), characterWidths_(kUtf16Units, -1) {}

int ColumnWidths::Estimate(QStringView text) {
    int width = 0;
    for (const QChar character : text) {
        int& known = characterWidths_[character.unicode()];
        if (known < 0) {
            known = metrics_.horizontalAdvance(character);
        }
        width += known;
    }
    return width;
}

void ColumnWidths::Offer(std::size_t column, QStringView text) {
    std::vector<Candidate>& widest = widest_[column];
    const int estimate = Estimate(text);
    if (widest.size() == kMeasured && estimate <= widest.back().estimate) {
        return;
    }
    const auto place =
        std::find_if(widest.begin(), widest.end(),
                     [estimate](const Candidate& kept) { return kept.estimate < estimate; });
    widest.insert(place, Candidate{estimate, text.toString()});
    if (widest.size() > kMeasured) {
        widest.pop_back();
    }
}

void ColumnWidths::Add(QStringView caption, const std::vector<QStringView>& values) {
    if (widest_.empty()) {
        return;
    }
    Offer(0, caption);
    const std::size_t columns = std::min(widest_.size() - 1, values.size());
    for (std::size_t column = 0; column < columns; ++column) {
        Offer(column + 1, values[column]);
    }
}

std::vector<int> ColumnWidths::Widths() const {
    std::vector<int> widths;
    for (std::size_t column = 0; column < widest_.size(); ++column) {
        int width =
            metrics_.horizontalAdvance(headers_[static_cast<qsizetype>(column)]) + kColumnMargin;
        const int margin = column == 0 ? kCaptionMargin : kColumnMargin;
        for (const Candidate& candidate : widest_[column]) {
            width = std::max(width, metrics_.horizontalAdvance(candidate.text) + margin);
        }
        widths.push_back(width);
    }
    return widths;
}

} // namespace shell
