#include "setup/space_check.h"

#include "platform/disk_space.h"
#include "setup/file_primitives.h"
#include "setup/host_paths.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"

namespace setup {

CopyTotals MeasureCopyFiles(const SetupScript& script, std::string_view programFolder,
                            const PathMacros& macros) {
    CopyTotals totals;
    for (const CopyFileEntry& entry : script.copyFiles) {
        ++totals.entryCount;
        const std::string name = FileNamePart(ExpandPathMacros(entry.path, macros));
        const std::optional<std::uint64_t> size = FileSize(std::string(programFolder) + name);
        if (!size) {
            totals.sizesKnown = false;
            continue;
        }
        totals.totalBytes += *size == 0 ? 1 : *size;
    }
    return totals;
}

std::optional<std::uint64_t> DiskFreeBytes(std::string_view drive) {
    const auto host = HostPathOf(drive);
    if (!host) {
        return std::nullopt;
    }
    platform::Result<std::uint64_t> free = platform::FreeDiskBytes(*host);
    if (!free) {
        return std::nullopt;
    }
    return free.Value();
}

Flow CheckSpace(InstallRun& run, CopyTotals& totals) {
    run.Show(Cp932Text(text::kMeasuring));
    PathMacros duringCopy = run.macros;
    duringCopy.SetInstallFolder(run.request.folder);
    totals = MeasureCopyFiles(run.script, run.session.programFolder, duringCopy);
    if (run.EndStep() == Flow::Stop) {
        return Flow::Stop;
    }
    if (!totals.sizesKnown) {
        return Flow::Go;
    }
    run.Show(Cp932Text(text::kCheckingSpace));
    const std::optional<std::uint64_t> free = DiskFreeBytes(DriveOf(run.request.folder));
    if (!free || *free <= totals.totalBytes) {
        const std::string question = free ? Cp932Text(text::kSpaceShort)
                                          : Cp932Text(text::kSpaceUnknownBefore) +
                                                std::to_string(totals.totalBytes) +
                                                Cp932Text(text::kSpaceUnknownAfter);
        const Answer answer =
            run.Ask({question, Cp932Text(text::kSpaceShortTitle), MessageIcon::Question,
                     MessageButtons::YesNo, QuestionTopic::General});
        if (answer != Answer::Yes) {
            return run.FatalStop(text::kCannotContinue, text::kSetupStoppedTitle);
        }
    }
    return run.EndStep();
}

} // namespace setup
