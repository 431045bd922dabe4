#pragma once

// What the file list shows for a folder: the names of its photo files in caption order, and the
// status-bar texts of a fill.

#include <QCollator>
#include <cstddef>
#include <filesystem>
#include <string>
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
    // File names in the host's encoding.
    [[nodiscard]] bool operator()(const std::string& left, const std::string& right) const;
    // Puts the names in this order. Each name's collation key is made once, so a folder of a
    // hundred thousand files sorts in a fraction of the time that comparing names would take.
    void Sort(std::vector<std::string>& names) const;

private:
    struct Key;
    [[nodiscard]] Key KeyOf(const std::string& name) const;
    [[nodiscard]] static bool Less(const Key& left, const Key& right);

    QCollator collator_;
};

// The names of the files of a folder the list shows: entries that are not folders and whose
// names are listed photos, in caption order. Names, not paths: a path keeps each of its parts
// apart, and a hundred thousand of them take seconds to copy and tens of megabytes to hold.
// Throws platform::FileError when the folder cannot be read.
[[nodiscard]] std::vector<std::string> ListPhotoNames(const std::filesystem::path& folder);

// The status-bar texts of a fill (UTF-8): "ファイル情報読み込み中" before the count is known,
// then "ファイル情報読み込み中(i/count)" with i the index of the file last read (0 before the
// first).
[[nodiscard]] std::string FillProgressText();
[[nodiscard]] std::string FillProgressText(std::size_t index, std::size_t count);

// At most this many files are offered by one drag.
inline constexpr std::size_t kMaxDraggedFiles = 1024;

} // namespace shell
