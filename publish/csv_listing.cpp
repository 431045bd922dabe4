#include "publish/csv_listing.h"

#include "exif/exif_block.h"
#include "exif/summary_fields.h"
#include "exif/summary_values.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/parallel_map.h"
#include "publish/text_file.h"
#include "shell/settings_values.h"

#include <vector>

namespace publish {

namespace {

// Appends the value between double quotes, a double quote inside doubled.
void AppendQuoted(std::string& line, std::string_view value) {
    line += '"';
    for (const char c : value) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

// The row of one file, ended by CR LF. Fields are given by their place in the summary table, 0
// for a name outside it, whose values are empty.
std::string Row(const std::filesystem::path& file, std::span<const int> fields) {
    const std::optional<exif::ExifBlock> block = exif::LoadExifBlock(file);
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            row += ',';
        }
        AppendQuoted(row, fields[i] == 0
                              ? std::string()
                              : exif::SummaryValue(
                                    block, static_cast<exif::SummaryFieldId>(fields[i]), file));
    }
    return row + "\r\n";
}

} // namespace

std::string CsvLine(std::span<const std::string> values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        AppendQuoted(line, values[i]);
    }
    return line + "\r\n";
}

std::string CsvListing(std::span<const std::filesystem::path> files,
                       std::span<const std::string> fields) {
    std::vector<int> indexes;
    for (const std::string& name : fields) {
        indexes.push_back(exif::SummaryFieldIndex(name));
    }
    // A row waits mostly for its file to be opened and read, and rows do not depend on each
    // other. An error of an earlier file is reported first, as a single thread would meet it.
    const std::vector<std::string> rows = platform::MapInParallel(
        files.size(), [&](std::size_t i) { return Row(files[i], indexes); });
    std::string listing = CsvLine(fields);
    for (const std::string& row : rows) {
        listing += row;
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
