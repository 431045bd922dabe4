#pragma once

// The icons of the list's rows shown last, at most a budget of them: the least recently shown
// are dropped first, so the memory the icons take is bounded by what the screen shows and not
// by the size of the folder.

#include <QIcon>
#include <QSize>
#include <cstddef>
#include <list>
#include <unordered_map>

namespace shell {

// What a row's icon is once read.
enum class RowIcon {
    Thumbnail,   // the file's embedded thumbnail
    Placeholder, // the crossed box: the file has no thumbnail the decoder reads
};

// How many icons of the large size, each with its small one, fit in the memory the list gives
// its icons: some hundreds of the largest, more of the smaller, a few screens either way.
[[nodiscard]] std::size_t IconBudget(QSize large);

class IconCache {
public:
    explicit IconCache(std::size_t budget) : budget_(budget) {}

    [[nodiscard]] std::size_t Budget() const { return budget_; }
    [[nodiscard]] std::size_t Size() const { return rows_.size(); }

    struct Entry {
        QIcon icon;
        RowIcon kind;
    };
    // The row's icon; null when it is not held.
    [[nodiscard]] const Entry* Find(int row) const;
    // The row is shown now: a held icon becomes the most recently shown.
    void Touch(int row);
    // Holds the row's icon as the most recently shown, dropping the least recently shown ones
    // beyond the budget.
    void Insert(int row, Entry entry);

private:
    using Order = std::list<std::pair<int, Entry>>; // most recently shown first
    std::size_t budget_;
    Order order_;
    std::unordered_map<int, Order::iterator> rows_;
};

} // namespace shell
