#pragma once

// The icons of the file list's rows, read when the rows come into view: threads of their own
// read the rows asked for in the order asked, and a new request replaces the rows not yet
// begun, so that a user scrolling on is not kept waiting for the rows scrolled past.

#include "platform/spread_thread.h"
#include "shell/list_icon_pictures.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace shell {

struct IconRequest {
    std::size_t row;
    std::filesystem::path file;
};

struct ReadIcon {
    std::size_t row;
    std::optional<IconPictures> pictures; // none: the row keeps the placeholder
};

class IconReading {
public:
    // Reads icons of the large size. `ready` is called on a reading thread when icons become
    // ready to take after none were, so that the window takes them once per batch.
    IconReading(exif::PictureSize large, std::function<void()> ready);
    // Stops after the icons being read and waits for the threads.
    ~IconReading();
    IconReading(const IconReading&) = delete;
    IconReading& operator=(const IconReading&) = delete;

    // These rows are read next, in this order, instead of those asked for before and not yet
    // begun. Rows being read or ready to take are not read twice.
    void Ask(std::vector<IconRequest> requests);
    // The icons read since the last take.
    [[nodiscard]] std::vector<ReadIcon> TakeReady();

private:
    void Work();
    [[nodiscard]] std::optional<IconRequest> Next();
    void Deliver(ReadIcon icon);
    [[nodiscard]] bool Begun(std::size_t row) const;

    const exif::PictureSize large_;
    const std::function<void()> ready_;

    mutable std::mutex mutex_;
    std::condition_variable asked_;
    std::deque<IconRequest> queue_;
    std::vector<std::size_t> reading_; // rows being read now
    std::vector<ReadIcon> done_;
    bool stopping_ = false;
    std::vector<std::unique_ptr<platform::SpreadThread>> threads_;
};

} // namespace shell
