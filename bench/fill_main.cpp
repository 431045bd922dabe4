// lumaro_fill_bench [--large-thumbnails] FILE...: the file list's work on these files of one
// folder without windows, as the window does it for a user who scrolls through the whole folder
// with the default settings: each file's values of the default column choice (shell::FillReading on
// its worker threads) and its two icon pictures, 40 x 30 and the icon view's size (80 x 60; 160 x
// 120 with --large-thumbnails, the setting ListThumbSize off), from its embedded thumbnail
// (shell::IconReading on its own threads). Texts are kept, as the list keeps its rows; icons are
// dropped as they come, as the list drops those scrolled past. Prints "rows N", "icons N" (files
// whose thumbnail was decoded) and "peak_rss_kib N".

#include "bench/peak_memory.h"
#include "shell/fill_reading.h"
#include "shell/icon_reading.h"
#include "shell/settings_columns.h"
#include "shell/settings_values.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace {

using std::chrono::milliseconds;

// The icons of every file, asked for in list order, counted and dropped as they come.
class IconCount {
public:
    IconCount(const std::vector<std::filesystem::path>& files, exif::PictureSize large)
        : left_(files.size()), reading_(large, [this] { Ready(); }) {
        std::vector<shell::IconRequest> requests;
        for (std::size_t row = 0; row < files.size(); ++row) {
            requests.push_back({row, files[row]});
        }
        reading_.Ask(std::move(requests));
    }
    [[nodiscard]] bool AllRead() const { return left_ == 0; }
    [[nodiscard]] std::size_t Decoded() const { return decoded_; }

    // Takes what is ready, waiting up to `most` for it.
    void Take(milliseconds most) {
        {
            std::unique_lock lock(mutex_);
            ready_.wait_for(lock, most, [this] { return announced_; });
            announced_ = false;
        }
        for (const shell::ReadIcon& icon : reading_.TakeReady()) {
            decoded_ += icon.pictures ? 1 : 0;
            --left_;
        }
    }

private:
    void Ready() {
        const std::lock_guard lock(mutex_);
        announced_ = true;
        ready_.notify_all();
    }

    std::size_t left_;
    std::size_t decoded_ = 0;
    std::mutex mutex_;
    std::condition_variable ready_;
    bool announced_ = false;
    shell::IconReading reading_; // last: its threads stop before the rest goes
};

} // namespace

int main(int argc, char** argv) {
    const bool largeThumbnails = argc > 1 && std::string_view(argv[1]) == "--large-thumbnails";
    const int firstFile = largeThumbnails ? 2 : 1;
    if (argc <= firstFile) {
        std::fprintf(stderr, "usage: lumaro_fill_bench [--large-thumbnails] FILE...\n");
        return 2;
    }
    const exif::PictureSize largeIcon = shell::LargeIconPicture(
        largeThumbnails ? false : shell::settings::kSetupListThumbSize.defaultValue);
    const std::vector<std::filesystem::path> files(argv + firstFile, argv + argc);
    const std::filesystem::path folder = files.front().parent_path();
    std::vector<std::string> names;
    for (const std::filesystem::path& file : files) {
        if (file.parent_path() != folder) {
            std::fprintf(stderr, "%s is not in %s\n", file.c_str(), folder.c_str());
            return 2;
        }
        names.push_back(file.filename().string());
    }
    try {
        shell::FillReading reading(folder, std::move(names),
                                   shell::TickedFields(shell::DefaultColumnRows()));
        IconCount icons(files, largeIcon);
        std::vector<shell::FilledPhoto> rows;
        rows.reserve(reading.Count());
        // The window looks for what the threads have read every 10 ms; the benchmark learns of
        // the last file at once, so that what it times is the reading and not its looks.
        while (!reading.AllTaken() || !icons.AllRead()) {
            if (!reading.AllTaken()) {
                reading.WaitForAllRead(milliseconds(10));
                for (shell::FilledPhoto& photo : reading.TakeReady()) {
                    rows.push_back(std::move(photo));
                }
            }
            icons.Take(reading.AllTaken() ? milliseconds(10) : milliseconds(0));
        }
        std::printf("rows %zu\nicons %zu\npeak_rss_kib %ld\n", rows.size(), icons.Decoded(),
                    bench::PeakResidentKib());
        if (icons.Decoded() != files.size()) {
            std::fprintf(stderr, "%zu files without a decoded thumbnail\n",
                         files.size() - icons.Decoded());
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
