#include "publish/csv_listing.h"

#include "exif/exif_block.h"
#include "exif/summary_fields.h"
#include "exif/summary_values.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "publish/text_file.h"
#include "shell/settings_values.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace publish {

namespace {

// Below this many files one thread makes every row.
constexpr std::size_t kFilesPerWorker = 64;
constexpr unsigned kMostWorkers = 4;

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

// The rows of a stretch of the files, each line ended by CR LF. Fields are given by their
// place in the summary table, 0 for a name outside it, whose values are empty.
std::string Rows(std::span<const std::filesystem::path> files, std::span<const int> fields) {
    std::string rows;
    for (const std::filesystem::path& file : files) {
        const std::optional<exif::ExifBlock> block = exif::LoadExifBlock(file);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) {
                rows += ',';
            }
            AppendQuoted(
                rows, fields[i] == 0
                          ? std::string()
                          : exif::SummaryValue(block, static_cast<exif::SummaryFieldId>(fields[i]),
                                               file));
        }
        rows += "\r\n";
    }
    return rows;
}

std::size_t WorkerCount(std::size_t files) {
    const std::size_t cores =
        std::max(1u, std::min(std::thread::hardware_concurrency(), kMostWorkers));
    return std::max<std::size_t>(1, std::min(cores, files / kFilesPerWorker));
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
    // other: several threads read one stretch of the list each, and the stretches are joined
    // in list order. An error of an earlier stretch is reported first, as a single thread
    // would meet it first.
    const std::size_t workers = WorkerCount(files.size());
    std::vector<std::string> stretches(workers);
    std::vector<std::exception_ptr> errors(workers);
    const auto work = [&](std::size_t w) {
        try {
            const std::size_t begin = files.size() * w / workers;
            const std::size_t end = files.size() * (w + 1) / workers;
            stretches[w] = Rows(files.subspan(begin, end - begin), indexes);
        } catch (...) {
            errors[w] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < workers; ++w) {
        threads.emplace_back(work, w);
    }
    work(0);
    for (std::thread& thread : threads) {
        thread.join();
    }
    std::string listing = CsvLine(fields);
    for (std::size_t w = 0; w < workers; ++w) {
        if (errors[w]) {
            std::rethrow_exception(errors[w]);
        }
        listing += stretches[w];
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
