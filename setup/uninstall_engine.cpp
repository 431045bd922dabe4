#include "setup/uninstall_engine.h"

#include "platform/profile_ini.h"
#include "setup/folder_memory.h"
#include "setup/host_paths.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"
#include "setup/uninstall_files.h"
#include "setup/uninstall_folders.h"
#include "setup/uninstall_messages.h"
#include "setup/uninstall_registry.h"

#include <filesystem>

namespace setup {
namespace {

constexpr int kWindowSwitchPause = 500;

// Step 1: the status window takes the main window's place.
void BeginUninstall(UninstallRun& run) {
    run.ports.mainWindow.HideMainWindow();
    run.ports.status.Pause(kWindowSwitchPause);
    run.ports.status.Show();
    run.Show(Cp932Text(text::kUninstalling));
}

// Step 3: the folder memory forgets the program, and the temporary folder becomes the current
// one, so that the process itself holds no folder it is about to remove.
void ForgetProgram(UninstallRun& run) {
    if (!run.log.programId.empty()) {
        if (const auto memory = HostPathOf(FolderMemoryFile(run.macros))) {
            (void)platform::DeleteProfileSection(run.log.programId, *memory);
        }
    }
    if (const auto temporary = HostPathOf(run.macros.Value(Macro::Tmp))) {
        std::error_code ignored; // the current folder only matters for the folder removal
        std::filesystem::current_path(*temporary, ignored);
    }
}

// Step 11: with failures, offers the report and waits until the user goes on.
void OfferUninstallReport(UninstallRun& run) {
    if (run.report.FailureCount() == 0) {
        return;
    }
    run.Show(Cp932Text(text::kUninstallSomeFailed));
    const Answer answer =
        run.Ask({Cp932Text(text::kUninstallShowFailures), Cp932Text(text::kWarningTitle),
                 MessageIcon::Exclamation, MessageButtons::YesNo, QuestionTopic::General});
    if (answer != Answer::Yes) {
        return;
    }
    run.ports.status.Hide();
    run.ports.mainWindow.ShowReportUntilContinue(Cp932Text(text::kUninstallFailuresFrame),
                                                 run.report.Text());
    run.ports.status.Pause(kWindowSwitchPause);
    run.ports.status.Show();
}

void CompleteUninstall(UninstallRun& run) {
    const std::string message = Cp932Text(text::kUninstallCompleted);
    run.Show(message);
    (void)run.Ask({message, Cp932Text(text::kCompletedTitle), MessageIcon::Information,
                   MessageButtons::Ok, QuestionTopic::General});
}

} // namespace

bool UninstallResult::Succeeded() const {
    return outcome == UninstallOutcome::Completed && failureCount == 0;
}

std::string LoggedInstallFolder(const UninstallLog& log, const PathMacros& macros) {
    if (log.setupFolder.empty()) {
        return {};
    }
    return AddPathDelimiter(ExpandPathMacros(log.setupFolder, macros), PathSide::Bottom);
}

UninstallLog ReadSessionLog(const SetupSession& session) {
    UninstallLog log = ReadUninstallLog(session.scriptFile);
    log.location = session.originalScript;
    return log;
}

UninstallResult RunUninstall(const UninstallLog& log, PathMacros& macros, UninstallOptions options,
                             UninstallPorts ports) {
    const std::string folder = LoggedInstallFolder(log, macros);
    if (!folder.empty()) {
        macros.SetInstallFolder(folder);
    }
    UninstallRun run(log, macros, std::move(options), ports,
                     UninstallScope(macros, log.location, ProtectedFolders::OfMachine(macros)));
    BeginUninstall(run);
    if (folder.empty()) {
        (void)run.Ask({Cp932Text(text::kUnknownFolder), Cp932Text(text::kFatalTitle),
                       MessageIcon::Stop, MessageButtons::Ok, QuestionTopic::General});
        return {UninstallOutcome::Stopped, {}, 0};
    }
    ForgetProgram(run);
    RemoveFiles(run);
    RemoveShortcuts(run);
    RemoveFolders(run);
    RemoveRegistryKeys(run);
    RestoreAssociations(run);
    RemoveUninstallRegistration(run);
    RemoveInstallFolder(run);
    OfferUninstallReport(run);
    CompleteUninstall(run);
    return {UninstallOutcome::Completed, run.report.Text(), run.report.FailureCount()};
}

} // namespace setup
