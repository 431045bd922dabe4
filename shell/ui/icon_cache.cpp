#include "shell/ui/icon_cache.h"

#include "shell/ui/thumbnail_icons.h"

namespace shell {
namespace {

constexpr std::size_t kIconMemory = std::size_t{32} << 20;
constexpr std::size_t kBytesPerPixel = 4; // the pixmaps' 32-bit pixels

std::size_t Pixels(QSize size) {
    return size.isEmpty() ? 0 : static_cast<std::size_t>(size.width()) * size.height();
}

} // namespace

std::size_t IconBudget(QSize large) {
    return kIconMemory / ((Pixels(large) + Pixels(kSmallIconSize)) * kBytesPerPixel);
}

const IconCache::Entry* IconCache::Find(int row) const {
    const auto found = rows_.find(row);
    return found == rows_.end() ? nullptr : &found->second->second;
}

void IconCache::Touch(int row) {
    const auto found = rows_.find(row);
    if (found != rows_.end()) {
        order_.splice(order_.begin(), order_, found->second);
    }
}

void IconCache::Insert(int row, Entry entry) {
    if (const auto found = rows_.find(row); found != rows_.end()) {
        found->second->second = std::move(entry);
        Touch(row);
        return;
    }
    order_.emplace_front(row, std::move(entry));
    rows_.emplace(row, order_.begin());
    while (rows_.size() > budget_) {
        rows_.erase(order_.back().first);
        order_.pop_back();
    }
}

} // namespace shell
