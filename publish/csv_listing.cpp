#include "publish/csv_listing.h"

#include "exif/exif_block.h"
#include "exif/summary_values.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "publish/album_pages.h"
#include "shell/settings_values.h"

#include <vector>

namespace publish {

std::string CsvLine(std::span<const std::string> values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += '"';
        for (const char c : values[i]) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    return line + "\r\n";
}

std::string CsvListing(std::span<const std::filesystem::path> files,
                       std::span<const std::string> fields) {
    std::string listing = CsvLine(fields);
    std::vector<std::string> values(fields.size());
    for (const std::filesystem::path& file : files) {
        const std::optional<exif::ExifBlock> block = exif::LoadExifBlock(file);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            values[i] = exif::SummaryValue(block, fields[i], file);
        }
        listing += CsvLine(values);
    }
    return listing;
}

std::filesystem::path LoadCsvDialog(const shell::SettingsStore& store) {
    return platform::Cp932ToPath(store.Read(shell::settings::kCsvEditFile));
}

DialogEnd CsvDialogOk(const std::filesystem::path& output,
                      std::span<const std::filesystem::path> files,
                      std::span<const std::string> fields, shell::SettingsStore& store,
                      PublishPort& port) {
    if (output.empty()) {
        port.Tell("出力先ファイル名を指定してください");
        return DialogEnd::StayOpen;
    }
    try {
        WriteTextFile(output, CsvListing(files, fields));
    } catch (const platform::FileError& error) {
        port.Tell(error.what());
        return DialogEnd::StayOpen;
    }
    (void)store.Write(shell::settings::kCsvEditFile, platform::PathToCp932(output));
    return DialogEnd::Close;
}

} // namespace publish
