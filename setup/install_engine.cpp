#include "setup/install_engine.h"

#include "setup/associations.h"
#include "setup/completion.h"
#include "setup/copy_phase.h"
#include "setup/ini_entries.h"
#include "setup/install_folder.h"
#include "setup/messages.h"
#include "setup/registry_entries.h"
#include "setup/shortcuts.h"
#include "setup/space_check.h"

namespace setup {
namespace {

constexpr int kWindowSwitchPause = 500;
constexpr int kStartPause = 1000;

// Phase 1: the status window takes the main window's place.
Flow BeginInstall(InstallRun& run) {
    run.ports.mainWindow.HideMainWindow();
    run.Pause(kWindowSwitchPause);
    run.ports.status.Show();
    run.Show(Cp932Text(text::kStarting));
    run.Pause(kStartPause);
    return run.Step(Cp932Text(text::kPreparing));
}

// The script's [DeleteRegistry] keys as written and its [AddDeleteFile] files expanded.
void RecordUninstallExtras(InstallRun& run) {
    for (const std::string& key : run.script.deleteRegistry) {
        run.Record(LogListId::RegistryKeys, key);
    }
    for (const std::string& file : run.script.addDeleteFiles) {
        run.Record(LogListId::AddedFiles, run.Expand(file));
    }
}

// Phases 1 to 10, each of which may end the install.
Flow MakeEverything(InstallRun& run) {
    CopyTotals totals;
    if (BeginInstall(run) == Flow::Stop || CheckSpace(run, totals) == Flow::Stop ||
        PrepareInstallFolder(run) == Flow::Stop) {
        return Flow::Stop;
    }
    TakeOverPreviousLog(run);
    StartUninstallLog(run);
    run.ports.status.EnableAbort(true);
    if (MakeFolders(run) == Flow::Stop || CopyFiles(run, totals) == Flow::Stop) {
        return Flow::Stop;
    }
    run.RecordFile(run.LogFile(), std::nullopt);
    if (MakeShortcuts(run) == Flow::Stop || WriteRegistryEntries(run) == Flow::Stop ||
        WriteIniEntries(run) == Flow::Stop) {
        return Flow::Stop;
    }
    RecordUninstallExtras(run);
    return SetAssociations(run);
}

} // namespace

bool InstallResult::Succeeded() const {
    return outcome == InstallOutcome::Completed && failureCount == 0 && failuresOutsideReport == 0;
}

InstallResult RunInstall(const SetupSession& session, const SetupScript& script, PathMacros& macros,
                         InstallRequest request, InstallPorts ports) {
    InstallRun run(session, script, macros, std::move(request), ports);
    if (MakeEverything(run) == Flow::Go) {
        run.Show(Cp932Text(text::kUpdatingUninstall));
        run.ports.status.EnableAbort(false);
        UpdateUninstaller(run);
        WriteUninstallInformation(run);
        OfferErrorReport(run);
        Complete(run);
    }
    return {run.outcome, run.report.Text(), run.report.FailureCount(), run.failuresOutsideReport,
            run.restartRequested};
}

} // namespace setup
