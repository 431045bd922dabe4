#include "shell/file_list.h"

#include "platform/file_error.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <system_error>

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

CaptionOrder::CaptionOrder() : collator_(CollationLocale()) {
    collator_.setCaseSensitivity(Qt::CaseSensitive);
}

bool CaptionOrder::operator()(const fs::path& left, const fs::path& right) const {
    const std::string leftName = left.filename().string();
    const std::string rightName = right.filename().string();
    const int order = collator_.compare(QFile::decodeName(QByteArray::fromStdString(leftName)),
                                        QFile::decodeName(QByteArray::fromStdString(rightName)));
    return order != 0 ? order < 0 : leftName < rightName;
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
    std::sort(files.begin(), files.end(), CaptionOrder());
    return files;
}

std::string FillProgressText() {
    return "ファイル情報読み込み中";
}

std::string FillProgressText(std::size_t index, std::size_t count) {
    return FillProgressText() + "(" + std::to_string(index) + "/" + std::to_string(count) + ")";
}

} // namespace shell
