#include "commands/batch_run.h"

#include "platform/codepage.h"
#include "platform/file_error.h"

#include <algorithm>
#include <stdexcept>

namespace commands {
namespace {

// The progress window closes however the run ends.
class ProgressSession {
public:
    ProgressSession(ProgressPort& progress, int maximum) : progress_(progress) {
        progress_.Start(maximum);
    }
    ~ProgressSession() { progress_.Finish(); }
    ProgressSession(const ProgressSession&) = delete;
    ProgressSession& operator=(const ProgressSession&) = delete;

private:
    ProgressPort& progress_;
};

bool Runs(const BatchItem& item, const PlannedRow& row) {
    return row.checked && static_cast<bool>(item.work);
}

// The confirmation list keeps its rows sorted by caption, equal captions in the order of
// adding; the plan is put in that order first, so row i of the list is item i.
ConfirmationList ListOf(BatchPlan& plan) {
    std::stable_sort(
        plan.items.begin(), plan.items.end(),
        [](const BatchItem& a, const BatchItem& b) { return a.row.fileName < b.row.fileName; });
    ConfirmationList list;
    list.Clear(plan.oldCaption, plan.newCaption);
    for (const BatchItem& item : plan.items) {
        list.AddRow(item.row);
    }
    return list;
}

void RequireSameRows(const ConfirmationList& list, const BatchPlan& plan) {
    const bool same = list.Rows().size() == plan.items.size() &&
                      std::equal(list.Rows().begin(), list.Rows().end(), plan.items.begin(),
                                 [](const PlannedRow& row, const BatchItem& item) {
                                     return row.fileName == item.row.fileName;
                                 });
    if (!same) {
        throw std::logic_error("the confirmation list changed its rows");
    }
}

// Runs one row's work; false when the file was not processed: a file error is the report's
// failure, which ends the run; a file the work refused is noted and the run goes on.
bool RunOne(const std::string& progressText, const BatchItem& item, const PlannedRow& row,
            ProgressPort& progress, BatchReport& report) {
    progress.SetTexts(progressText, platform::PathToCp932(item.file), row.newValue);
    try {
        item.work();
    } catch (const platform::FileRefused& refused) {
        report.notes.push_back({item.file, refused.reason()});
        progress.Step();
        return false;
    } catch (const platform::FileError& error) {
        report.failure = error.what();
        return false;
    }
    ++report.processed;
    progress.Step();
    return true;
}

} // namespace

std::string NotProcessedAction() {
    return platform::Utf8ToCp932("処理せず");
}

std::string RowCaption(const std::filesystem::path& file) {
    return platform::PathToCp932(file.filename());
}

BatchItem NotProcessedItem(const std::filesystem::path& file, std::string reason) {
    return {PlannedRow{RowCaption(file), NotProcessedAction(), "", "", false}, file, {},
            std::move(reason)};
}

std::string NotJpegReason() {
    return "not a JPEG file (.JPG)";
}

BatchReport RunBatch(BatchPlan plan, ConfirmPort& confirm, ProgressPort& progress) {
    ConfirmationList list = ListOf(plan);
    BatchReport report;
    if (confirm.Confirm(list) != Confirmation::Ok) {
        for (const BatchItem& item : plan.items) {
            if (!item.shortfall.empty()) {
                report.notes.push_back({item.file, item.shortfall});
            }
        }
        return report;
    }
    report.confirmed = true;
    RequireSameRows(list, plan);
    const auto& rows = list.Rows();
    int maximum = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        maximum += Runs(plan.items[i], rows[i]) ? 1 : 0;
    }
    const ProgressSession session(progress, maximum);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const BatchItem& item = plan.items[i];
        if (!Runs(item, rows[i])) {
            report.notes.push_back(
                {item.file, item.shortfall.empty() ? "left out of the run" : item.shortfall});
        } else if (report.failure) {
            report.notes.push_back({item.file, "not reached: the run stopped at an earlier file"});
        } else if (RunOne(plan.progressText, item, rows[i], progress, report)) {
            if (!item.shortfall.empty()) {
                report.notes.push_back({item.file, item.shortfall});
            }
        }
    }
    return report;
}

} // namespace commands
