#include "shell/file_list.h"

#include "platform/file_error.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <system_error>
#include <utility>

namespace shell {
namespace {

namespace fs = std::filesystem;

QLocale CollationLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English) : system;
}

std::string UpperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

} // namespace

bool IsListedPhoto(const fs::path& path) {
    const std::string extension = UpperAscii(path.extension().string());
    return extension == ".JPG" || extension == ".TIF";
}

struct CaptionOrder::Key {
    QCollatorSortKey collation;
    std::string name; // the bytes, for names the collation holds equal
};

CaptionOrder::CaptionOrder() : collator_(CollationLocale()) {
    collator_.setCaseSensitivity(Qt::CaseSensitive);
}

CaptionOrder::Key CaptionOrder::KeyOf(const fs::path& file) const {
    std::string name = file.filename().string();
    return {collator_.sortKey(QFile::decodeName(QByteArray::fromStdString(name))), std::move(name)};
}

bool CaptionOrder::Less(const Key& left, const Key& right) {
    const int order = left.collation.compare(right.collation);
    return order != 0 ? order < 0 : left.name < right.name;
}

bool CaptionOrder::operator()(const fs::path& left, const fs::path& right) const {
    return Less(KeyOf(left), KeyOf(right));
}

void CaptionOrder::Sort(std::vector<fs::path>& files) const {
    std::vector<std::pair<Key, fs::path>> keyed;
    keyed.reserve(files.size());
    for (fs::path& file : files) {
        Key key = KeyOf(file);
        keyed.emplace_back(std::move(key), std::move(file));
    }
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& left, const auto& right) { return Less(left.first, right.first); });
    for (std::size_t i = 0; i < files.size(); ++i) {
        files[i] = std::move(keyed[i].second);
    }
}

std::vector<fs::path> ListPhotoFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        // Only plain files: a folder or a pipe with a photo's name is not a photo.
        std::error_code ignored;
        if (entry->is_regular_file(ignored) && IsListedPhoto(entry->path())) {
            files.push_back(entry->path());
        }
    }
    if (error) {
        throw platform::FileError("list the folder", folder, error.message());
    }
    CaptionOrder().Sort(files);
    return files;
}

std::string FillProgressText() {
    return "ファイル情報読み込み中";
}

std::string FillProgressText(std::size_t index, std::size_t count) {
    return FillProgressText() + "(" + std::to_string(index) + "/" + std::to_string(count) + ")";
}

} // namespace shell
