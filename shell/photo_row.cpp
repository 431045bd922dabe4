#include "shell/photo_row.h"

#include "exif/exif_block.h"
#include "exif/summary_values.h"
#include "platform/file_error.h"

#include <optional>

namespace shell {
namespace {

namespace fs = std::filesystem;

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

} // namespace

PhotoRow ReadPhotoRow(const fs::path& file, std::span<const exif::SummaryFieldId> columns) {
    const std::optional<exif::ExifBlock> block = LoadBlockOrNone(file);
    PhotoRow row{file, {}};
    row.values.reserve(columns.size());
    for (const exif::SummaryFieldId field : columns) {
        row.values.push_back(ValueOrEmpty(block, field, file));
    }
    return row;
}

} // namespace shell
