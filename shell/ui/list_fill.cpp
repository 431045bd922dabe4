#include "shell/ui/list_fill.h"

#include "platform/file_error.h"
#include "shell/file_list.h"
#include "shell/fill_reading.h"
#include "shell/ui/thumbnail_icons.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>

namespace shell {
namespace {

// How often the window takes the files the workers have read: the status bar moves many times
// a second, and the window sleeps between looks instead of waiting for the workers.
constexpr int kLookMilliseconds = 10;

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
    timer_.setInterval(kLookMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ListFill::TakeReadFiles);
}

ListFill::~ListFill() = default;

void ListFill::Start(const std::filesystem::path& folder, std::vector<exif::SummaryFieldId> columns,
                     QSize largeIcon) {
    Cancel();
    busy_ = std::make_unique<BusyCursor>();
    emit Progressed(QString::fromStdString(FillProgressText()));
    placeholder_ = PlaceholderIcon(largeIcon);
    std::vector<std::filesystem::path> files;
    try {
        files = ListPhotoFiles(folder);
    } catch (const platform::FileError& error) {
        error_ = QString::fromStdString(error.what());
    }
    items_.reserve(files.size());
    emit Progressed(QString::fromStdString(FillProgressText(0, files.size())));
    reading_ = std::make_unique<FillReading>(
        std::move(files), std::move(columns),
        exif::PictureSize{static_cast<std::uint32_t>(largeIcon.width()),
                          static_cast<std::uint32_t>(largeIcon.height())});
    timer_.start();
}

void ListFill::Cancel() {
    timer_.stop();
    reading_.reset();
    items_.clear();
    error_.clear();
    busy_.reset();
}

std::vector<FileListItem> ListFill::TakeItems() {
    return std::exchange(items_, {});
}

void ListFill::TakeReadFiles() {
    std::vector<FilledPhoto> photos = reading_->TakeReady();
    for (FilledPhoto& photo : photos) {
        FileListItem item{photo.file, HostName(photo.file), {}, placeholder_, false};
        for (const std::string& value : photo.values) {
            item.values.push_back(QString::fromStdString(value));
        }
        if (photo.icons) {
            item.icon = ThumbnailIcon(*photo.icons);
            item.hasThumbnail = true;
        }
        items_.push_back(std::move(item));
    }
    if (!photos.empty()) {
        emit Progressed(
            QString::fromStdString(FillProgressText(reading_->Taken() - 1, reading_->Count())));
    }
    if (reading_->AllTaken()) {
        End();
    }
}

void ListFill::End() {
    timer_.stop();
    reading_.reset();
    busy_.reset();
    emit Finished();
}

} // namespace shell
