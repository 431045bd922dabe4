#include "apps/lumaro/summary_command.h"

#include "exif/summary_values.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/parallel_map.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

constexpr std::size_t kFilesPerStretch = 4096;

bool IsAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A value as one table cell: tabs and line breaks inside a comment would break the table.
// Most values are plain ASCII, which reads the same in CP932 and UTF-8.
std::string Cell(const std::string& cp932) {
    std::string cell = IsAscii(cp932) ? cp932 : platform::Cp932ToUtf8(cp932);
    std::replace_if(
        cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return cell;
}

std::string HeaderRow() {
    std::string row;
    for (const exif::SummaryField& field : exif::SummaryFields()) {
        row += (row.empty() ? "" : "\t") + Cell(field.name);
    }
    return row + '\n';
}

// The whole row is made before anything is written, so a file that fails leaves no half row.
std::string FileRow(const std::filesystem::path& path) {
    const auto block = exif::LoadExifBlock(path);
    std::string row;
    for (const exif::SummaryField& field : exif::SummaryFields()) {
        if (field.id != exif::SummaryFieldId::FileName) {
            row += '\t';
        }
        row += Cell(exif::SummaryValue(block, field.id, path));
    }
    return row + '\n';
}

struct RowOrError {
    std::string row;
    std::string error; // why the file could not be read; empty when it could
};

RowOrError Row(const std::string& file) {
    try {
        return {FileRow(file), {}};
    } catch (const platform::FileError& error) {
        return {{}, error.what()};
    }
}

} // namespace

int RunSummaryCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "usage: lumaro summary FILE...\n";
        return 2;
    }
    out << HeaderRow();
    int status = 0;
    // Rows are made a stretch of files at a time on a few threads and written in order, so the
    // output is that of one file after another while a long list holds only a stretch of rows.
    for (std::size_t first = 0; first < args.size(); first += kFilesPerStretch) {
        const auto files = args.subspan(first, std::min(kFilesPerStretch, args.size() - first));
        const std::vector<RowOrError> rows =
            platform::MapInParallel(files.size(), [&](std::size_t i) { return Row(files[i]); });
        for (const RowOrError& row : rows) {
            if (row.error.empty()) {
                out << row.row;
            } else {
                err << "lumaro: " << row.error << '\n';
                status = 1;
            }
        }
    }
    return status;
}
