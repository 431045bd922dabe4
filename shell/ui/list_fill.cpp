#include "shell/ui/list_fill.h"

#include "platform/file_error.h"
#include "shell/file_list.h"
#include "shell/fill_reading.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QThreadPool>
#include <chrono>

namespace shell {
namespace {

// How often the window looks for what the threads have done: the status bar moves many times
// a second, and the window sleeps between looks instead of waiting for the threads.
constexpr int kLookMilliseconds = 10;

} // namespace

// A hundred thousand names take most of a second to sort, and their rows some more: work for a
// thread of the pool, not the window's.
ListFill::Listed ListFill::List(const std::filesystem::path& folder) {
    Listed listed{ListPhotoNames(folder), {}};
    listed.items.reserve(listed.names.size());
    for (const std::string& name : listed.names) {
        listed.items.push_back({name, {}});
    }
    return listed;
}

struct ListFill::BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

ListFill::ListFill(FileListModel& model, QObject* parent) : QObject(parent), model_(model) {
    timer_.setInterval(kLookMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ListFill::Look);
}

ListFill::~ListFill() = default;

void ListFill::Start(const std::filesystem::path& folder,
                     std::vector<exif::SummaryFieldId> columns) {
    Cancel();
    busy_ = std::make_unique<BusyCursor>();
    emit Progressed(QString::fromStdString(FillProgressText()));
    folder_ = folder;
    columns_ = std::move(columns);
    // A dropped listing ends on its own; nobody waits for it.
    auto listing =
        std::make_shared<std::packaged_task<Listed()>>([folder] { return List(folder); });
    listing_ = listing->get_future();
    QThreadPool::globalInstance()->start([listing] { (*listing)(); });
    timer_.start();
}

void ListFill::Cancel() {
    timer_.stop();
    listing_ = {};
    reading_.reset();
    error_.clear();
    busy_.reset();
}

void ListFill::Look() {
    if (listing_.valid()) {
        TakeListing();
    } else {
        TakeReadFiles();
    }
}

void ListFill::TakeListing() {
    if (listing_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        return;
    }
    Listed listed;
    try {
        listed = listing_.get();
    } catch (const platform::FileError& error) {
        error_ = QString::fromStdString(error.what());
    }
    listing_ = {};
    model_.SetItems(folder_, std::move(listed.items));
    emit RowsListed();
    emit Progressed(QString::fromStdString(FillProgressText(0, listed.names.size())));
    reading_ = std::make_unique<FillReading>(folder_, std::move(listed.names), columns_);
    TakeReadFiles();
}

void ListFill::TakeReadFiles() {
    const int first = static_cast<int>(reading_->Taken());
    std::vector<FilledPhoto> photos = reading_->TakeReady();
    if (!photos.empty()) {
        std::vector<RowValues> values;
        values.reserve(photos.size());
        for (const FilledPhoto& photo : photos) {
            values.emplace_back(photo.values);
        }
        model_.SetValues(first, std::move(values));
        emit RowsRead(first, first + static_cast<int>(photos.size()) - 1);
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
