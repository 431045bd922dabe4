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

CaptionOrder::Key CaptionOrder::KeyOf(const std::string& name) const {
    return {collator_.sortKey(QFile::decodeName(QByteArray::fromStdString(name))), name};
}

bool CaptionOrder::Less(const Key& left, const Key& right) {
    const int order = left.collation.compare(right.collation);
    return order != 0 ? order < 0 : left.name < right.name;
}

bool CaptionOrder::operator()(const std::string& left, const std::string& right) const {
    return Less(KeyOf(left), KeyOf(right));
}

void CaptionOrder::Sort(std::vector<std::string>& names) const {
    std::vector<Key> keys;
    keys.reserve(names.size());
    for (const std::string& name : names) {
        keys.push_back(KeyOf(name));
    }
    std::sort(keys.begin(), keys.end(), Less);
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = std::move(keys[i].name);
    }
}

std::vector<std::string> ListPhotoNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        // Only plain files: a folder or a pipe with a photo's name is not a photo.
        std::error_code ignored;
        if (entry->is_regular_file(ignored) && IsListedPhoto(entry->path())) {
            names.push_back(entry->path().filename().string());
        }
    }
    if (error) {
        throw platform::FileError("list the folder", folder, error.message());
    }
    CaptionOrder().Sort(names);
    return names;
}

std::string FillProgressText() {
    return "ファイル情報読み込み中";
}

std::string FillProgressText(std::size_t index, std::size_t count) {
    return FillProgressText() + "(" + std::to_string(index) + "/" + std::to_string(count) + ")";
}

} // namespace shell
