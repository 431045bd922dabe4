#include "apps/lumaro/summary_command.h"

#include "apps/lumaro/arguments.h"
#include "apps/lumaro/field_list.h"
#include "apps/lumaro/json_text.h"
#include "apps/lumaro/summary_json.h"
#include "exif/summary_values.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/parallel_map.h"

#include <algorithm>
#include <ostream>
#include <vector>

namespace {

namespace fs = std::filesystem;
using exif::SummaryFieldId;

constexpr std::size_t kFilesPerStretch = 4096;
constexpr const char* kUsage =
    "usage: lumaro summary [--json] [--fields NAME,NAME...] [--no-header] FILE...\n";

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

std::string HeaderRow(std::span<const SummaryFieldId> fields) {
    std::string row;
    for (const SummaryFieldId id : fields) {
        if (!row.empty()) {
            row += '\t';
        }
        row += Cell(exif::SummaryFieldOf(id).name);
    }
    return row + '\n';
}

// The whole row is made before anything is written, so a file that fails leaves no half row.
std::string FileRow(const fs::path& path, std::span<const SummaryFieldId> fields, bool json) {
    const auto block = exif::LoadExifBlock(path);
    if (json) {
        return lumaro::SummaryJson(block, path, fields);
    }
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            row += '\t';
        }
        row += Cell(exif::SummaryValue(block, fields[i], path));
    }
    return row + '\n';
}

struct RowOrError {
    std::string row;
    std::string error; // why the file could not be read; empty when it could
};

RowOrError Row(const fs::path& file, std::span<const SummaryFieldId> fields, bool json) {
    try {
        return {FileRow(file, fields, json), {}};
    } catch (const platform::FileError& error) {
        return {{}, error.what()};
    }
}

struct SummaryRequest {
    std::vector<SummaryFieldId> fields;
    bool json = false;
    bool header = true;
};

std::optional<SummaryRequest> RequestOf(const lumaro::Arguments& arguments, std::ostream& err) {
    SummaryRequest request{lumaro::AllFields(), arguments.Has("--json"),
                           !arguments.Has("--no-header")};
    if (const auto list = arguments.Value("--fields")) {
        auto fields = lumaro::ParseFieldList("summary", *list, err);
        if (!fields) {
            return std::nullopt;
        }
        request.fields = std::move(*fields);
    }
    return request;
}

} // namespace

int RunSummaryCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments =
        lumaro::ParseArguments("summary", args, {{"--json", "--no-header"}, {"--fields"}}, err);
    const auto request = arguments ? RequestOf(*arguments, err) : std::nullopt;
    if (!request || lumaro::NamesNoFile(*arguments, arguments->operands)) {
        err << kUsage;
        return 2;
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return 2;
    }
    if (request->header && !request->json) {
        out << HeaderRow(request->fields);
    }
    lumaro::JsonArrayWriter array(out);
    int status = gathered->skipped ? 1 : 0;
    // Rows are made a stretch of files at a time on a few threads and written in order, so the
    // output is that of one file after another while a long list holds only a stretch of rows.
    const std::span<const fs::path> all = gathered->files;
    for (std::size_t first = 0; first < all.size(); first += kFilesPerStretch) {
        const auto files = all.subspan(first, std::min(kFilesPerStretch, all.size() - first));
        const std::vector<RowOrError> rows = platform::MapInParallel(
            files.size(), [&](std::size_t i) { return Row(files[i], request->fields, request->json); });
        for (const RowOrError& row : rows) {
            if (!row.error.empty()) {
                err << "lumaro: " << row.error << '\n';
                status = 1;
            } else if (request->json) {
                array.Write(row.row);
            } else {
                out << row.row;
            }
        }
    }
    if (request->json) {
        array.Finish();
    }
    return status;
}
