// lumaro_fill_bench [--large-thumbnails] FILE...: the file list's fill of these files without
// windows, each file as the window reads it with the default settings: its row (the block, the
// values of the default column choice, the embedded thumbnail) and the thumbnail's two icon
// pictures, 40 x 30 and the icon view's size (80 x 60; 160 x 120 with --large-thumbnails, the
// setting ListThumbSize off). Texts and icon pictures are kept, as the list keeps its items;
// everything else goes with its file. Prints "rows N", "icon_kib N" (the pixels kept) and
// "peak_rss_kib N".

#include "bench/peak_memory.h"
#include "platform/codepage.h"
#include "shell/file_list.h"
#include "shell/list_icon_pictures.h"
#include "shell/settings_columns.h"
#include "shell/settings_values.h"

#include <QString>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

struct Item {
    std::vector<QString> values;
    std::optional<shell::IconPictures> icons;
};

Item FillItem(const std::filesystem::path& file, std::span<const exif::SummaryFieldId> columns,
              exif::PictureSize largeIcon) {
    const shell::PhotoRow row = shell::ReadPhotoRow(file, columns);
    Item item;
    for (const std::string& value : row.values) {
        item.values.push_back(QString::fromStdString(platform::Cp932ToUtf8(value)));
    }
    if (row.thumbnail) {
        item.icons = shell::DecodeIconPictures(*row.thumbnail, largeIcon);
    }
    return item;
}

std::size_t IconBytes(const Item& item) {
    return item.icons ? item.icons->small.Pixels().size() + item.icons->large.Pixels().size() : 0;
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
        const std::vector<exif::SummaryFieldId> columns =
            shell::TickedFields(shell::DefaultColumnRows());
        std::vector<Item> items;
        items.reserve(static_cast<std::size_t>(argc - firstFile));
        std::size_t iconBytes = 0;
        int withoutIcons = 0;
        for (int i = firstFile; i < argc; ++i) {
            items.push_back(FillItem(argv[i], columns, largeIcon));
            iconBytes += IconBytes(items.back());
            withoutIcons += items.back().icons ? 0 : 1;
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
