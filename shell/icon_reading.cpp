#include "shell/icon_reading.h"

#include <algorithm>
#include <new>
#include <utility>

namespace shell {
namespace {

// A screen of icons is read in a few tens of milliseconds by one thread; a second one halves
// that where there is a core for it.
constexpr unsigned kMostThreads = 2;

} // namespace

IconReading::IconReading(exif::PictureSize large, std::function<void()> ready)
    : large_(large), ready_(std::move(ready)) {
    const unsigned threads = platform::ThreadsForCores(kMostThreads);
    threads_.reserve(threads);
    for (unsigned t = 0; t < threads; ++t) {
        threads_.push_back(std::make_unique<platform::SpreadThread>([this] { Work(); }, t + 1));
    }
}

IconReading::~IconReading() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    asked_.notify_all();
    threads_.clear(); // waits for each
}

bool IconReading::Begun(std::size_t row) const {
    const auto isRow = [row](const ReadIcon& icon) { return icon.row == row; };
    return std::find(reading_.begin(), reading_.end(), row) != reading_.end() ||
           std::any_of(done_.begin(), done_.end(), isRow);
}

void IconReading::Ask(std::vector<IconRequest> requests) {
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        for (IconRequest& request : requests) {
            if (!Begun(request.row)) {
                queue_.push_back(std::move(request));
            }
        }
    }
    asked_.notify_all();
}

std::vector<ReadIcon> IconReading::TakeReady() {
    const std::lock_guard lock(mutex_);
    return std::exchange(done_, {});
}

std::optional<IconRequest> IconReading::Next() {
    std::unique_lock lock(mutex_);
    asked_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) {
        return std::nullopt;
    }
    IconRequest request = std::move(queue_.front());
    queue_.pop_front();
    reading_.push_back(request.row);
    return request;
}

void IconReading::Deliver(ReadIcon icon) {
    bool first = false;
    {
        const std::lock_guard lock(mutex_);
        reading_.erase(std::find(reading_.begin(), reading_.end(), icon.row));
        first = done_.empty();
        done_.push_back(std::move(icon));
    }
    if (first) {
        ready_();
    }
}

void IconReading::Work() {
    while (std::optional<IconRequest> request = Next()) {
        // A failure to allocate leaves the row with its placeholder rather than end the thread.
        std::optional<IconPictures> pictures;
        try {
            pictures = ReadIconPictures(request->file, large_);
        } catch (const std::bad_alloc&) {
        }
        Deliver({request->row, std::move(pictures)});
    }
}

} // namespace shell
