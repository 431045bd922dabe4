#pragma once

// The widths of the report view's columns, gathered as the rows come in: each column as wide as
// the wider of its header (+16) and its widest text (+16; the file name's +61, room for the
// icon). Shaping every text of a hundred thousand rows would take seconds, so a text's width is
// first estimated as the sum of its characters' widths, each character measured once; only
// the few texts with the largest estimates in each column are measured whole, at the end.
// Kerning makes estimate and width differ by a pixel or so: a text passed over for that is at
// most that much wider than its column.

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace shell {

class ColumnWidths {
public:
    // The columns' headers, the file name's first, and the list's font.
    ColumnWidths(const QFont& font, QStringList headers);

    // One row: its file name and the values of the columns after the first.
    void Add(QStringView caption, const std::vector<QStringView>& values);
    // One width per header.
    [[nodiscard]] std::vector<int> Widths() const;

private:
    struct Candidate {
        int estimate;
        QString text;
    };
    void Offer(std::size_t column, QStringView text);
    [[nodiscard]] int Estimate(QStringView text);

    QFontMetrics metrics_;
    QStringList headers_;
    std::vector<std::vector<Candidate>> widest_; // per column, largest estimate first
    std::vector<int> characterWidths_;           // per UTF-16 unit; -1 until measured
};

} // namespace shell
