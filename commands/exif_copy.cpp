#include "commands/exif_copy.h"

#include "exif/exif_writer.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"

#include <algorithm>
#include <map>
#include <string>

namespace commands {
namespace {

namespace fs = std::filesystem;

std::string AsciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

// The regular file of that name in the folder, exact or else without regard to ASCII case.
std::optional<fs::path> FileNamed(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::is_regular_file(folder / name, error)) {
        return folder / name;
    }
    const std::string wanted = AsciiLower(name);
    // Sorted, so that of several spellings the same one is found whatever the listing order.
    std::map<std::string, fs::path> matches;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string found = entry->path().filename().string();
        if (AsciiLower(found) == wanted && entry->is_regular_file(error)) {
            matches.emplace(found, entry->path());
        }
    }
    if (matches.empty()) {
        return std::nullopt;
    }
    return matches.begin()->second;
}

} // namespace

std::optional<fs::path> FindExifSource(const fs::path& sourceFolder, const fs::path& file) {
    const std::string name = file.filename().string();
    if (auto same = FileNamed(sourceFolder, name)) {
        return same;
    }
    const std::size_t dash = name.rfind('-');
    if (dash == std::string::npos) {
        return std::nullopt;
    }
    return FileNamed(sourceFolder, name.substr(0, dash) + file.extension().string());
}

BatchPlan PlanExifCopy(const Selection& files, const fs::path& sourceFolder) {
    using platform::PathToCp932;
    using platform::Utf8ToCp932;
    BatchPlan plan{Utf8ToCp932("コピー元ファイル"),
                   Utf8ToCp932("対象ファイル"),
                   Utf8ToCp932("Exif情報コピー"),
                   {}};
    for (const fs::path& file : files) {
        const std::optional<fs::path> source =
            exif::IsJpegName(file) ? FindExifSource(sourceFolder, file) : std::nullopt;
        if (!source) {
            plan.items.push_back(NotProcessedItem(
                file, exif::IsJpegName(file)
                          ? "no file of its name in " + sourceFolder.string() + " to copy from"
                          : NotJpegReason()));
            continue;
        }
        const PlannedRow row{RowCaption(file), plan.progressText, PathToCp932(*source),
                             PathToCp932(file), true};
        plan.items.push_back({row, file,
                              [file, source = *source] {
                                  exif::RebuildWithExif(file, file, source,
                                                        exif::RebuildDates::FromDateTimeTag,
                                                        exif::RebuildThumbnail::Renew);
                              },
                              ""});
    }
    return plan;
}

std::optional<BatchReport> RunExifCopy(const Selection& files, const fs::path& sourceFolder,
                                       EditPorts ports) {
    if (sourceFolder.empty()) {
        ports.prompt.Tell("コピー元フォルダを指定してください");
        return std::nullopt;
    }
    return RunEditBatch([&] { return PlanExifCopy(files, sourceFolder); }, ports);
}

} // namespace commands
