// lumaro_fill_bench [--large-thumbnails] FILE...: the file list's fill of these files without
// windows, each file read as the window reads it with the default settings (shell::FillReading
// on its worker threads): its row (the block, the values of the default column choice, the
// embedded thumbnail) and the thumbnail's two icon pictures, 40 x 30 and the icon view's size
// (80 x 60; 160 x 120 with --large-thumbnails, the setting ListThumbSize off). Texts and icon
// pictures are kept, as the list keeps its items; everything else goes with its file. Prints
// "rows N", "icon_kib N" (the pixels kept) and "peak_rss_kib N".

#include "bench/peak_memory.h"
#include "shell/fill_reading.h"
#include "shell/settings_columns.h"
#include "shell/settings_values.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

namespace {

std::size_t IconBytes(const shell::FilledPhoto& photo) {
    return photo.icons ? photo.icons->small.Pixels().size() + photo.icons->large.Pixels().size()
                       : 0;
}

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
    try {
        shell::FillReading reading(
            std::vector<std::filesystem::path>(argv + firstFile, argv + argc),
            shell::TickedFields(shell::DefaultColumnRows()), largeIcon);
        std::vector<shell::FilledPhoto> items;
        items.reserve(reading.Count());
        std::size_t iconBytes = 0;
        int withoutIcons = 0;
        // The window looks for what the workers have read every 10 ms; so does the benchmark,
        // but it learns of the last file at once, so that what it times is the reading and not
        // the phase of its looks.
        while (!reading.AllTaken()) {
            reading.WaitForAllRead(std::chrono::milliseconds(10));
            for (shell::FilledPhoto& photo : reading.TakeReady()) {
                iconBytes += IconBytes(photo);
                withoutIcons += photo.icons ? 0 : 1;
                items.push_back(std::move(photo));
            }
        }
        std::printf("rows %zu\nicon_kib %zu\npeak_rss_kib %ld\n", items.size(), iconBytes / 1024,
                    bench::PeakResidentKib());
        if (withoutIcons > 0) {
            std::fprintf(stderr, "%d files without a decoded thumbnail\n", withoutIcons);
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
