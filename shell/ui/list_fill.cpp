#include "shell/ui/list_fill.h"

#include "platform/codepage.h"
#include "platform/file_error.h"
#include "shell/file_list.h"
#include "shell/ui/thumbnail_icons.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>

namespace shell {
namespace {

// Long enough to read many files per slice, short enough that the status bar moves at least
// every 100 ms while a slice never takes much longer than one file beyond it.
constexpr qint64 kSliceMilliseconds = 40;

QString FromCp932(const std::string& text) {
    return QString::fromStdString(platform::Cp932ToUtf8(text));
}

QString HostName(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.filename().string()));
}

} // namespace

struct ListFill::BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

ListFill::ListFill(QObject* parent) : QObject(parent) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ListFill::ReadSlice);
}

ListFill::~ListFill() = default;

void ListFill::Start(const std::filesystem::path& folder, std::vector<exif::SummaryFieldId> columns,
                     QSize largeIcon) {
    Cancel();
    busy_ = std::make_unique<BusyCursor>();
    emit Progressed(QString::fromStdString(FillProgressText()));
    columns_ = std::move(columns);
    largeIcon_ = largeIcon;
    placeholder_ = PlaceholderIcon(largeIcon);
    try {
        files_ = ListPhotoFiles(folder);
    } catch (const platform::FileError& error) {
        error_ = QString::fromStdString(error.what());
    }
    items_.reserve(files_.size());
    emit Progressed(QString::fromStdString(FillProgressText(0, files_.size())));
    timer_.start();
}

void ListFill::Cancel() {
    timer_.stop();
    files_.clear();
    items_.clear();
    next_ = 0;
    error_.clear();
    busy_.reset();
}

std::vector<FileListItem> ListFill::TakeItems() {
    return std::exchange(items_, {});
}

void ListFill::ReadSlice() {
    QElapsedTimer slice;
    slice.start();
    while (next_ < files_.size() && slice.elapsed() < kSliceMilliseconds) {
        ReadOne();
    }
    if (next_ > 0) {
        emit Progressed(QString::fromStdString(FillProgressText(next_ - 1, files_.size())));
    }
    if (next_ == files_.size()) {
        End();
    }
}

void ListFill::ReadOne() {
    const PhotoRow row = ReadPhotoRow(files_[next_], columns_);
    FileListItem item{row.file, HostName(row.file), {}, placeholder_, false};
    for (const std::string& value : row.values) {
        item.values.push_back(FromCp932(value));
    }
    if (row.thumbnail) {
        if (std::optional<QIcon> icon = ThumbnailIcon(*row.thumbnail, largeIcon_)) {
            item.icon = std::move(*icon);
            item.hasThumbnail = true;
        }
    }
    items_.push_back(std::move(item));
    ++next_;
}

void ListFill::End() {
    timer_.stop();
    files_.clear();
    next_ = 0;
    busy_.reset();
    emit Finished();
}

} // namespace shell
