#include "setup/completion.h"

#include "platform/codepage.h"
#include "platform/process_start.h"
#include "setup/file_primitives.h"
#include "setup/folder_memory.h"
#include "setup/host_paths.h"
#include "setup/messages.h"
#include "setup/uninstall_registration.h"

namespace setup {
namespace {

constexpr std::string_view kInstallerCopy = "SETUPZ.EXE";
constexpr std::string_view kUninstallerName = "UNORSET.EXE";
constexpr int kWindowSwitchPause = 500;

// Starts the program as the shell's "open" does; false when it cannot be started.
bool StartProgram(const std::string& program, const std::string& parameters) {
    const std::optional<std::filesystem::path> host =
        HasDriveLetter(program)
            ? HostPathOf(program)
            : std::optional<std::filesystem::path>(platform::Cp932ToPath(program));
    return host && platform::ShellOpen(*host, parameters).Ok();
}

} // namespace

void UpdateUninstaller(InstallRun& run) {
    const std::string source = run.session.workFolder + std::string(kInstallerCopy);
    const std::string target = run.macros.Value(Macro::Win) + std::string(kUninstallerName);
    if (!FileExists(target) || CompareFileTimes(source, target).value_or(1) > 0) {
        if (const platform::SystemError code = CopyOneFile(source, target)) {
            run.report.AddSystemError(report_tag::kSetupFile, target, code);
        }
    }
    if (!run.script.programId.empty()) {
        const std::string folder = run.macros.Value(Macro::App);
        if (platform::Status written = RememberFolder(run.script.programId, folder, run.macros);
            !written) {
            run.report.AddFailure(report_tag::kIniFile, FolderMemoryFile(run.macros),
                                  written.Error());
        }
    }
}

UninstallLog BuildUninstallLog(const InstallRun& run) {
    UninstallLog log;
    log.title = run.script.title.unSetup;
    log.setupFolder = run.macros.Value(Macro::App);
    log.lists = run.lists;
    log.unSetupOption = run.script.extend.unSetupOption;
    log.registryKey = std::string(kUninstallKeyPrefix) + run.script.title.unSetupKey;
    log.programId = run.script.programId;
    return log;
}

void StartUninstallLog(InstallRun& run) {
    if (run.script.title.SetupOnly()) {
        return;
    }
    const std::string logFile = run.LogFile();
    if (platform::Status begun =
            run.journal.Begin(logFile, UninstallLogText(BuildUninstallLog(run)));
        !begun) {
        run.report.AddFailure(report_tag::kUnSetup, logFile, begun.Error());
    }
}

void WriteUninstallInformation(InstallRun& run) {
    if (run.script.title.SetupOnly()) {
        return;
    }
    const UninstallLog log = BuildUninstallLog(run);
    const std::string logFile = run.LogFile();
    if (platform::Status written = run.journal.Finish(logFile, UninstallLogText(log)); !written) {
        run.report.AddFailure(report_tag::kUnSetup, logFile, written.Error());
    }
    const std::string command = UninstallCommand(run.macros.Value(Macro::Win), logFile);
    if (platform::Status registered =
            RegisterUninstall(log.registryKey, run.script.title.unSetupDisplay, command);
        !registered) {
        run.report.AddFailure(report_tag::kUnSetup, log.registryKey, registered.Error());
    }
}

void OfferErrorReport(InstallRun& run) {
    if (run.report.FailureCount() == 0) {
        return;
    }
    run.Show(Cp932Text(text::kSomeFailed));
    const Answer answer =
        run.Ask({Cp932Text(text::kShowFailures), Cp932Text(text::kWarningTitle),
                 MessageIcon::Exclamation, MessageButtons::YesNo, QuestionTopic::General});
    if (answer != Answer::Yes) {
        return;
    }
    run.ports.status.Hide();
    run.ports.mainWindow.ShowReportUntilContinue(Cp932Text(text::kFailuresFrame),
                                                 run.report.Text());
    run.Pause(kWindowSwitchPause);
    run.ports.status.Show();
}

void Complete(InstallRun& run) {
    const ExecuteFileEntry& execute = run.script.executeFile;
    if (execute.kind == ExecuteFileEntry::Kind::Restart) {
        run.restartRequested = true;
        return;
    }
    if (run.report.FailureCount() > 0 || run.failuresOutsideReport > 0) {
        // What failed was told; saying that the install completed would not be true. The status
        // keeps the failure message.
        run.Show(Cp932Text(text::kSomeFailed));
        return;
    }
    std::string message = Cp932Text(text::kCompleted);
    run.Show(message);
    if (!run.script.title.SetupOnly()) {
        message += Cp932Text(text::kUninstallHint);
    }
    (void)run.Ask({message, Cp932Text(text::kCompletedTitle), MessageIcon::Information,
                   MessageButtons::Ok, QuestionTopic::General});
    if (execute.kind == ExecuteFileEntry::Kind::Program &&
        !StartProgram(run.Expand(execute.program), run.Expand(execute.parameters))) {
        ++run.failuresOutsideReport;
        (void)run.Ask({Cp932Text(text::kExecuteFailed), Cp932Text(text::kWarningTitle),
                       MessageIcon::Exclamation, MessageButtons::Ok, QuestionTopic::General});
    }
}

} // namespace setup
