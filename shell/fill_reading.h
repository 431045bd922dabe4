#pragma once

// The file list's per-file work on worker threads: each file's row values, handed over in list
// order as they become ready. The window puts them into its rows between repaints, so reading
// the files never holds up the window and uses every core. Icons are read apart, only for the
// rows in view (icon_reading.h).

#include "exif/summary_fields.h"
#include "platform/spread_thread.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace shell {

// One file read for the list. Its EXIF block is gone by the time it is ready; only what the
// list item keeps is left.
struct FilledPhoto {
    std::filesystem::path file;
    std::vector<std::string> values; // UTF-8, one per column asked for
};

class FillReading {
public:
    // Starts reading the values of `columns` from the files of the folder with these names.
    FillReading(std::filesystem::path folder, std::vector<std::string> names,
                std::vector<exif::SummaryFieldId> columns);
    // Stops the workers after the files they are reading and waits for them.
    ~FillReading();
    FillReading(const FillReading&) = delete;
    FillReading& operator=(const FillReading&) = delete;

    [[nodiscard]] std::size_t Count() const { return names_.size(); }
    // How many files have been taken so far.
    [[nodiscard]] std::size_t Taken() const;
    [[nodiscard]] bool AllTaken() const { return Taken() == Count(); }

    // The ready files that follow those taken, in list order; none while the next one is still
    // being read. Rethrows what reading the next file threw (a memory failure: files that cannot
    // be read still give their rows).
    [[nodiscard]] std::vector<FilledPhoto> TakeReady();

    // Waits until every file has been read or `most` has passed; true when every file has been
    // read. For a caller that may block, such as a benchmark: it learns of the end at once
    // instead of at its next look.
    bool WaitForAllRead(std::chrono::milliseconds most);

private:
    struct Slot {
        std::optional<FilledPhoto> photo;
        std::exception_ptr failure;
    };

    void Work();
    [[nodiscard]] std::optional<std::size_t> Claim();
    void Deliver(std::size_t index, Slot slot);

    const std::filesystem::path folder_;
    const std::vector<std::string> names_;
    const std::vector<exif::SummaryFieldId> columns_;

    mutable std::mutex mutex_;
    std::vector<Slot> slots_;
    std::vector<bool> ready_;
    std::size_t read_ = 0;
    std::condition_variable allRead_;
    std::size_t claimed_ = 0;
    std::size_t taken_ = 0;
    bool stopping_ = false;
    std::vector<std::unique_ptr<platform::SpreadThread>> workers_;
};

} // namespace shell
