#pragma once

// The pattern every batch command follows: plan one row per selected file, let the user
// confirm and untick rows, run the ticked rows with progress, and say whether any file was
// processed, so that the caller refreshes the file list only then. An input/output error ends
// the run at the file that caused it; the files before it stay processed. A file whose content
// the work refuses (platform::FileRefused) is noted, and the run goes on.

#include "commands/batch_ports.h"
#include "commands/confirmation_list.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace commands {

// The selected files in list order, each as its folder + name. A file's own folder is its
// current folder, so one batch may take files from several folders.
using Selection = std::vector<std::filesystem::path>;

// One selected file: its row in the confirmation list and the work that processes it.
struct BatchItem {
    PlannedRow row;             // CP932 texts
    std::filesystem::path file; // named by the progress window while the work runs
    std::function<void()> work; // empty: the file is left alone even when its row is ticked
    // Why the work would not do to the file all that was asked (UTF-8, "no EXIF data", "cut to
    // 8 bytes"); empty when it would. A file left alone has an unticked row and no work.
    std::string shortfall;
};

// A file the run did not change as asked, and why (UTF-8).
struct FileNote {
    std::filesystem::path file;
    std::string reason;
    bool operator==(const FileNote&) const = default;
};

struct BatchPlan {
    std::string oldCaption; // the third and fourth column of the confirmation list (CP932)
    std::string newCaption;
    std::string progressText; // what the progress window says is being done (CP932)
    std::vector<BatchItem> items;
};

struct BatchReport {
    bool confirmed = false;             // the confirmation list was answered with OK
    int processed = 0;                  // files whose work was done
    std::optional<std::string> failure; // why the run stopped early (UTF-8)
    // Every other file not changed as asked, in list order: the shortfalls of the plan (also
    // when the list was not confirmed, so that a dry run can tell them), rows left out, and the
    // files not reached after a failure.
    std::vector<FileNote> notes;

    [[nodiscard]] bool NeedsRefresh() const { return processed > 0; }
};

// "処理せず" in CP932: the action text of rows a command leaves alone.
[[nodiscard]] std::string NotProcessedAction();

// The row caption of a file: its name as CP932 text.
[[nodiscard]] std::string RowCaption(const std::filesystem::path& file);

// A file the command cannot process: an unticked "処理せず" row with empty columns, no work,
// and the reason as its shortfall (UTF-8).
[[nodiscard]] BatchItem NotProcessedItem(const std::filesystem::path& file, std::string reason);

// "not a JPEG file (.JPG)": the shortfall of a file the EXIF commands do not take.
[[nodiscard]] std::string NotJpegReason();

// Shows the plan's rows for confirmation and, after OK, runs the work of every ticked row
// that has work, in the list's order. A platform::FileError ends the run and is reported in
// the result; the progress window is closed on every path. The report's notes name every
// other file not changed as asked.
[[nodiscard]] BatchReport RunBatch(BatchPlan plan, ConfirmPort& confirm, ProgressPort& progress);

} // namespace commands
