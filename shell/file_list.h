#pragma once

// What the file list shows for a folder: its photo files in caption order, and per file the
// values of the chosen summary columns and the embedded thumbnail. Plain work on files; the
// window turns the rows into items and icons.

#include "exif/summary_fields.h"
#include "shell/settings_columns.h"

#include <QCollator>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// True when the extension, upper-cased, is ".JPG" or ".TIF" (".jpeg" and ".tiff" are not).
[[nodiscard]] bool IsListedPhoto(const std::filesystem::path& path);

// The order of the list: file names compared as the user's language sorts words, case-sensitive
// ("a" < "A" < "b"). Without a language (the C locale) English rules stand in. Names the
// collation holds equal are ordered by their bytes, so the order is total.
class CaptionOrder {
public:
    CaptionOrder();
    [[nodiscard]] bool operator()(const std::filesystem::path& left,
                                  const std::filesystem::path& right) const;

private:
    QCollator collator_;
};

// The files of a folder the list shows: entries that are not folders and whose names are
// listed photos, in caption order. Throws platform::FileError when the folder cannot be read.
[[nodiscard]] std::vector<std::filesystem::path>
ListPhotoFiles(const std::filesystem::path& folder);

// The ticked rows of a column choice, in its order.
[[nodiscard]] std::vector<exif::SummaryFieldId> TickedFields(const ColumnRows& rows);

// One file of the list. The EXIF block is read and released inside ReadPhotoRow, so nothing
// of it outlives the call but these values.
struct PhotoRow {
    std::filesystem::path file;
    std::vector<std::string> values;                    // CP932, one per column asked for
    std::optional<std::vector<std::uint8_t>> thumbnail; // the embedded JPEG thumbnail
};

// A file that cannot be read still gives its row: no thumbnail, and each value as the summary
// gives it without a block ("" where even the file's own data cannot be read).
[[nodiscard]] PhotoRow ReadPhotoRow(const std::filesystem::path& file,
                                    std::span<const exif::SummaryFieldId> columns);

// The status-bar texts of a fill (UTF-8): "ファイル情報読み込み中" before the count is known,
// then "ファイル情報読み込み中(i/count)" with i the index of the file last read (0 before the
// first).
[[nodiscard]] std::string FillProgressText();
[[nodiscard]] std::string FillProgressText(std::size_t index, std::size_t count);

// At most this many files are offered by one drag.
inline constexpr std::size_t kMaxDraggedFiles = 1024;

} // namespace shell
