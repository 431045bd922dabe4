#include "shell/fill_reading.h"

#include "platform/codepage.h"
#include "shell/photo_row.h"

#include <algorithm>
#include <utility>

namespace shell {
namespace {

// Reading the EXIF blocks and making the values needs no more than each file's own bytes, so
// the workers scale with the cores; beyond a few, the disk is what waits.
constexpr unsigned kMostWorkers = 4;

std::size_t WorkerCount(std::size_t files) {
    return std::min<std::size_t>(platform::ThreadsForCores(kMostWorkers), files);
}

FilledPhoto ReadFilledPhoto(const std::filesystem::path& file,
                            std::span<const exif::SummaryFieldId> columns) {
    PhotoRow row = ReadPhotoRow(file, columns);
    FilledPhoto photo{std::move(row.file), {}};
    photo.values.reserve(row.values.size());
    for (const std::string& value : row.values) {
        photo.values.push_back(platform::Cp932ToUtf8(value));
    }
    return photo;
}

} // namespace

FillReading::FillReading(std::filesystem::path folder, std::vector<std::string> names,
                         std::vector<exif::SummaryFieldId> columns)
    : folder_(std::move(folder)), names_(std::move(names)), columns_(std::move(columns)),
      slots_(names_.size()), ready_(names_.size(), false) {
    const std::size_t workers = WorkerCount(names_.size());
    workers_.reserve(workers);
    for (std::size_t w = 0; w < workers; ++w) {
        workers_.push_back(std::make_unique<platform::SpreadThread>([this] { Work(); },
                                                                    static_cast<unsigned>(w + 1)));
    }
}

FillReading::~FillReading() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workers_.clear(); // waits for each
}

std::size_t FillReading::Taken() const {
    const std::lock_guard lock(mutex_);
    return taken_;
}

std::optional<std::size_t> FillReading::Claim() {
    const std::lock_guard lock(mutex_);
    if (stopping_ || claimed_ == names_.size()) {
        return std::nullopt;
    }
    return claimed_++;
}

void FillReading::Deliver(std::size_t index, Slot slot) {
    const std::lock_guard lock(mutex_);
    slots_[index] = std::move(slot);
    ready_[index] = true;
    if (++read_ == names_.size()) {
        allRead_.notify_all();
    }
}

bool FillReading::WaitForAllRead(std::chrono::milliseconds most) {
    std::unique_lock lock(mutex_);
    return allRead_.wait_for(lock, most, [this] { return read_ == names_.size(); });
}

void FillReading::Work() {
    while (const std::optional<std::size_t> index = Claim()) {
        Slot slot;
        try {
            slot.photo = ReadFilledPhoto(folder_ / names_[*index], columns_);
        } catch (...) {
            slot.failure = std::current_exception();
        }
        Deliver(*index, std::move(slot));
    }
}

std::vector<FilledPhoto> FillReading::TakeReady() {
    const std::lock_guard lock(mutex_);
    std::vector<FilledPhoto> photos;
    while (taken_ < names_.size() && ready_[taken_]) {
        // The files before a failure are handed over first; the next call throws.
        if (slots_[taken_].failure && !photos.empty()) {
            break;
        }
        Slot slot = std::exchange(slots_[taken_], {});
        ++taken_;
        if (slot.failure) {
            std::rethrow_exception(slot.failure);
        }
        photos.push_back(std::move(*slot.photo));
    }
    return photos;
}

} // namespace shell
