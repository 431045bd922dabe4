#include "shell/file_list.h"

#include "exif/exif_block.h"
#include "exif/summary_values.h"
#include "platform/file_error.h"
#include "shell/embedded_thumbnail.h"

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

std::optional<exif::ExifBlock> LoadBlockOrNone(const fs::path& file) {
    try {
        return exif::LoadExifBlock(file);
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
}

std::string ValueOrEmpty(const std::optional<exif::ExifBlock>& block, exif::SummaryFieldId field,
                         const fs::path& file) {
    try {
        return exif::SummaryValue(block, field, file);
    } catch (const platform::FileError&) {
        return {};
    }
}

std::optional<std::vector<std::uint8_t>> ThumbnailOrNone(const exif::ExifBlock& block,
                                                         const fs::path& file) {
    try {
        return ReadEmbeddedThumbnail(block, file);
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
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

std::vector<exif::SummaryFieldId> TickedFields(const ColumnRows& rows) {
    std::vector<exif::SummaryFieldId> fields;
    for (const ColumnRow& row : rows) {
        if (row.ticked && row.field >= 1 && row.field <= exif::kSummaryFieldCount) {
            fields.push_back(static_cast<exif::SummaryFieldId>(row.field));
        }
    }
    return fields;
}

PhotoRow ReadPhotoRow(const fs::path& file, std::span<const exif::SummaryFieldId> columns) {
    const std::optional<exif::ExifBlock> block = LoadBlockOrNone(file);
    PhotoRow row{file, {}, std::nullopt};
    if (block) {
        row.thumbnail = ThumbnailOrNone(*block, file);
    }
    row.values.reserve(columns.size());
    for (const exif::SummaryFieldId field : columns) {
        row.values.push_back(ValueOrEmpty(block, field, file));
    }
    return row;
}

std::string FillProgressText() {
    return "ファイル情報読み込み中";
}

std::string FillProgressText(std::size_t index, std::size_t count) {
    return FillProgressText() + "(" + std::to_string(index) + "/" + std::to_string(count) + ")";
}

} // namespace shell
