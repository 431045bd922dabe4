// The file list's icons: read for the rows on screen and a screen ahead, held for the rows
// shown last, the placeholder meanwhile.

#include "shell/icon_reading.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/thumbnail_icons.h"

#include <algorithm>

namespace shell {
namespace {

exif::PictureSize PictureSizeOf(QSize size) {
    return {static_cast<std::uint32_t>(std::max(size.width(), 0)),
            static_cast<std::uint32_t>(std::max(size.height(), 0))};
}

} // namespace

void FileListModel::ResetIcons(QSize largeIcon, std::size_t iconBudget) {
    // Icons still being read for the old rows are not wanted: the threads go with them.
    reading_.reset();
    icons_ = IconCache(iconBudget);
    shown_.reset();
    shownHeld_ = false;
    largeIcon_ = largeIcon;
    placeholder_ = largeIcon.isEmpty() ? QIcon() : PlaceholderIcon(largeIcon);
    if (iconBudget == 0 || largeIcon.isEmpty()) {
        return;
    }
    reading_ = std::make_unique<IconReading>(PictureSizeOf(largeIcon), [this] {
        QMetaObject::invokeMethod(this, &FileListModel::TakeReadIcons, Qt::QueuedConnection);
    });
}

void FileListModel::ShowRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    if (reading_ == nullptr || first > last) {
        return;
    }
    // More rows on screen than icons held would drop the screen's own icons as they come.
    last = std::min<int>(last, first + static_cast<int>(icons_.Budget()) - 1);
    const bool upwards = shown_ && first < shown_->first;
    const int shown = last - first + 1;
    const int ahead = std::min(shown, static_cast<int>(icons_.Budget()) - shown);
    shown_ = upwards ? Shown{first, last, std::max(first - ahead, 0), last}
                     : Shown{first, last, first, std::min(last + ahead, rowCount() - 1)};
    KeepShownRows();
    AskForIcons();
    const bool wasHeld = shownHeld_;
    shownHeld_ = ShownRowsHeld();
    if (shownHeld_ && !wasHeld) {
        emit ShownIconsReady();
    }
}

// The rows on screen are the most recently shown, ahead of those read for the screen ahead.
void FileListModel::KeepShownRows() {
    for (int row = shown_->last; row >= shown_->first; --row) {
        icons_.Touch(row);
    }
}

// The rows on screen first, then the rows ahead, nearest first.
void FileListModel::AskForIcons() {
    std::vector<int> rows;
    for (int row = shown_->first; row <= shown_->last; ++row) {
        rows.push_back(row);
    }
    for (int row = shown_->last + 1; row <= shown_->wantedLast; ++row) {
        rows.push_back(row);
    }
    for (int row = shown_->first - 1; row >= shown_->wantedFirst; --row) {
        rows.push_back(row);
    }
    std::vector<IconRequest> requests;
    for (const int row : rows) {
        if (icons_.Find(row) == nullptr) {
            requests.push_back({static_cast<std::size_t>(row), FileOf(row)});
        }
    }
    reading_->Ask(std::move(requests));
}

bool FileListModel::ShownRowsHeld() const {
    if (!shown_) {
        return false;
    }
    for (int row = shown_->first; row <= shown_->last; ++row) {
        if (icons_.Find(row) == nullptr) {
            return false;
        }
    }
    return true;
}

void FileListModel::TakeReadIcons() {
    if (reading_ == nullptr) {
        return;
    }
    for (ReadIcon& read : reading_->TakeReady()) {
        // A row scrolled away while it was read would take the place of one still wanted.
        const int row = static_cast<int>(read.row);
        if (!shown_ || row < shown_->wantedFirst || row > shown_->wantedLast) {
            continue;
        }
        icons_.Insert(row, read.pictures
                               ? IconCache::Entry{ThumbnailIcon(*read.pictures), RowIcon::Thumbnail}
                               : IconCache::Entry{placeholder_, RowIcon::Placeholder});
        const QModelIndex changed = index(row, 0);
        emit dataChanged(changed, changed, {Qt::DecorationRole});
    }
    if (shown_) {
        KeepShownRows();
    }
    if (!shownHeld_ && ShownRowsHeld()) {
        shownHeld_ = true;
        emit ShownIconsReady();
    }
}

std::optional<RowIcon> FileListModel::IconOf(int row) const {
    const IconCache::Entry* held = icons_.Find(row);
    return held != nullptr ? std::optional(held->kind) : std::nullopt;
}

} // namespace shell
