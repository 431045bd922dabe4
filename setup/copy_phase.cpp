#include "setup/copy_phase.h"

#include "setup/compressed_file.h"
#include "setup/file_primitives.h"
#include "setup/host_paths.h"
#include "setup/messages.h"
#include "setup/register_server.h"
#include "setup/resolved_paths.h"
#include "setup/shared_dlls.h"
#include "setup/text_primitives.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace setup {
namespace {

namespace fs = std::filesystem;

struct CopyProgress {
    CopyTotals totals;
    std::uint64_t bytesDone = 0;
    int processed = 0;
    int diskNumber = 1;
};

std::string FolderWithoutDelimiter(std::string_view path) {
    return RemovePathDelimiter(FolderPart(path), PathSide::Bottom);
}

// Whether the source lies in the medium's folder or below it once "..", "/" and links are
// resolved: the script names files of the medium, never others of the machine.
bool LiesOnMedium(const InstallRun& run, const std::string& source) {
    const auto medium = HostPathOf(run.session.programFolder);
    const auto file = HostPathOf(source);
    if (!medium || !file) {
        return false;
    }
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(*medium, error);
    const fs::path resolved = error ? fs::path() : fs::weakly_canonical(*file, error);
    return !error && IsBelow(resolved, folder);
}

// Asks for the next disk until the source is there; Cancel is a fatal stop.
Flow WaitForDisk(InstallRun& run, const std::string& source, CopyProgress& progress) {
    ++progress.diskNumber;
    do {
        const Answer answer =
            run.Ask({std::to_string(progress.diskNumber) + Cp932Text(text::kChangeDisk),
                     Cp932Text(text::kChangeDiskTitle), MessageIcon::Information,
                     MessageButtons::OkCancel, QuestionTopic::DiskChange});
        if (answer != Answer::Ok) {
            return run.FatalStop(text::kCannotContinue, text::kFatalTitle);
        }
    } while (!FileExists(source));
    return Flow::Go;
}

// Bytes done against the total while the sizes are known, else entries against the count.
void UpdateProgress(InstallRun& run, CopyProgress& progress, const std::string& source,
                    int number) {
    ++progress.processed;
    CopyTotals& totals = progress.totals;
    if (totals.sizesKnown) {
        if (const std::optional<std::uint64_t> size = FileSize(source)) {
            progress.bytesDone += *size == 0 ? 1 : *size;
        } else {
            totals.sizesKnown = false;
            (void)run.Ask({Cp932Text(text::kSizeLost), Cp932Text(text::kInternalErrorTitle),
                           MessageIcon::Exclamation, MessageButtons::Ok, QuestionTopic::General});
        }
    }
    double share = 0;
    if (totals.sizesKnown && totals.totalBytes > 0) {
        share = static_cast<double>(progress.bytesDone) / static_cast<double>(totals.totalBytes);
    } else if (!totals.sizesKnown && totals.entryCount > 0) {
        share = static_cast<double>(number) / totals.entryCount;
    }
    const int position = std::clamp(static_cast<int>(std::lround(share * 100)), 0, 100);
    run.ports.status.SetProgress(position, std::to_string(position) + "%(" +
                                               std::to_string(progress.processed) + "/" +
                                               std::to_string(totals.entryCount) + ")");
}

// Whether an existing target is replaced: asked when the overwrite box is off, else only by a
// later source. Only a whole file is weighed so: anything else in its place (a link, say) is
// replaced.
bool ShouldCopy(InstallRun& run, const std::string& source, const std::string& target) {
    if (!IsPlainFile(target)) {
        return true;
    }
    if (!run.request.options.overwrite) {
        return run.Ask({target + Cp932Text(text::kOverwriteQuestion),
                        Cp932Text(text::kOverwriteTitle), MessageIcon::Question,
                        MessageButtons::YesNo, QuestionTopic::General}) == Answer::Yes;
    }
    return CompareFileTimes(source, target).value_or(1) > 0;
}

// The record of what the target holds when the install put it there: copied now, or the very
// file of the medium left by an earlier run that was stopped. A file kept as it was is no file
// of this install.
std::optional<FileRecord> InstalledRecord(const std::string& source, const std::string& target,
                                          bool copied) {
    std::optional<FileRecord> record = RecordOf(target);
    if (copied || !record) {
        return record;
    }
    const std::optional<FileRecord> medium = RecordOf(source);
    return medium == record ? record : std::nullopt;
}

// Copies (or keeps) one file whose source is there, counts and registers it, and records it.
void InstallFile(InstallRun& run, const CopyFileEntry& entry, const std::string& source,
                 const std::string& target, const std::string& options) {
    bool copy = ShouldCopy(run, source, target);
    if (entry.HasOption("/S")) {
        if (auto counted = ChangeSharedDllCount(target, CountChange::Increment); !counted) {
            run.report.AddFailure(report_tag::kFile, target, counted.Error());
        }
    }
    copy = copy || entry.HasOption("/W");
    const platform::SystemError code = copy ? CopyOneFile(source, target) : platform::kErrorSuccess;
    if (entry.HasOption("/R") && FileExists(target) &&
        !RegisterServer(target, platform::ServerCall::Register, &run.ports.messages)) {
        ++run.failuresOutsideReport;
    }
    if (code != platform::kErrorSuccess) {
        run.report.AddSystemError(report_tag::kFile, target, code);
    } else {
        run.RecordFile(target + options, InstalledRecord(source, target, copy));
    }
}

Flow CopyEntry(InstallRun& run, const CopyFileEntry& entry, int number, CopyProgress& progress) {
    CopyPlan plan = PlanCopy(entry, run);
    if (entry.diskChange && WaitForDisk(run, plan.source, progress) == Flow::Stop) {
        return Flow::Stop;
    }
    if (!LiesOnMedium(run, plan.source)) {
        run.Show(Cp932Text(text::kSkippingFile) + plan.target);
        run.report.Add(report_tag::kFile, plan.source,
                       Cp932Text(text::kSourceOffMedium) + std::string(kCrLf));
    } else if (!FileExists(plan.source)) {
        run.Show(Cp932Text(text::kSkippingFile) + plan.target);
        run.report.Add(report_tag::kFile, plan.source,
                       Cp932Text(text::kSourceMissing) + std::string(kCrLf));
    } else if (!IsCompressedName(plan.source)) {
        run.Show(Cp932Text(text::kCopyingFile) + plan.target);
        InstallFile(run, entry, plan.source, plan.target, plan.options);
    } else if (auto expanded = ExpandLzFile(plan.source, plan.target, run.session.workFolder)) {
        run.Show(Cp932Text(text::kCopyingFile) + expanded.Value().target);
        InstallFile(run, entry, expanded.Value().temporary, expanded.Value().target, plan.options);
        (void)DeletePath(expanded.Value().temporary);
    } else {
        run.Show(Cp932Text(text::kCopyingFile) + plan.target);
        run.report.AddFailure(report_tag::kFile, plan.source, expanded.Error());
    }
    UpdateProgress(run, progress, plan.source, number);
    return run.EndStep();
}

} // namespace

CopyPlan PlanCopy(const CopyFileEntry& entry, const InstallRun& run) {
    const std::string path = run.Expand(entry.path);
    CopyPlan plan;
    if (entry.renamed) {
        plan.target = FolderWithoutDelimiter(path) + "\\" + run.Expand(entry.newName);
    } else if (IsCompressedName(path)) {
        plan.target = FolderWithoutDelimiter(path) + "\\" + std::string(kAutoExtensionName);
    } else {
        plan.target = path;
    }
    plan.source = run.session.programFolder + FileNamePart(path);
    plan.options = run.Expand(entry.options);
    return plan;
}

Flow CopyFiles(InstallRun& run, CopyTotals totals) {
    run.ports.status.ShowProgressFrame(true);
    CopyProgress progress{totals};
    int number = 0;
    for (const CopyFileEntry& entry : run.script.copyFiles) {
        if (CopyEntry(run, entry, ++number, progress) == Flow::Stop) {
            return Flow::Stop;
        }
    }
    run.ports.status.ShowProgressFrame(false);
    return Flow::Go;
}

} // namespace setup
