#include "setup/unattended_setup.h"

#include "platform/codepage.h"
#include "platform/named_mutex.h"
#include "setup/console_ports.h"
#include "setup/folder_proposal.h"
#include "setup/host_paths.h"
#include "setup/install_engine.h"
#include "setup/macro_folders.h"
#include "setup/program_folder.h"
#include "setup/session.h"
#include "setup/text_primitives.h"
#include "setup/unattended_uninstall.h"
#include "setup/work_folder.h"

#include <optional>
#include <ostream>

namespace setup {
namespace {

constexpr std::string_view kMutexName = "ORVSETUP";
constexpr std::string_view kRestartNote = "Windowsを再起動すると，セットアップは完了します．";

// Control characters cannot stand in a Windows folder name, and a line end would break the
// lines of the uninstall log.
bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return true;
        }
    }
    return false;
}

// The folder the install goes to: the one given, or the proposal.
std::optional<std::string> InstallFolder(const CommandLine& commandLine, const SetupScript& script,
                                         const PathMacros& macros) {
    if (!commandLine.folder) {
        return ProposeInstallFolder(script, macros);
    }
    if (commandLine.folder->empty() || HasControlCharacter(*commandLine.folder)) {
        return std::nullopt;
    }
    std::optional<std::string> folder = WindowsSpellingOfArgument(*commandLine.folder);
    if (folder) {
        *folder = AddPathDelimiter(*folder, PathSide::Bottom);
    }
    return folder;
}

int Summarize(const InstallResult& result, const std::string& folder, std::ostream& err) {
    const std::string where = platform::Cp932ToUtf8(folder);
    switch (result.outcome) {
    case InstallOutcome::Completed:
        if (result.restartRequested) {
            err << "setup: " << kRestartNote << '\n';
        }
        if (result.Succeeded()) {
            err << "setup: installed into " << where << '\n';
            return kExitSucceeded;
        }
        err << "setup: installed into " << where << " with "
            << result.failureCount + result.failuresOutsideReport << " failure(s)\n";
        return kExitFailed;
    case InstallOutcome::Stopped:
        err << "setup: the install into " << where << " stopped\n";
        return kExitFailed;
    case InstallOutcome::Aborted:
        err << "setup: the install into " << where << " was aborted\n";
        return kExitFailed;
    }
    return kExitFailed;
}

int RunSession(const SetupSession& session, const CommandLine& commandLine, std::ostream& err) {
    if (!session.startupErrors.empty()) {
        ConsolePorts(err).SetMessage(session.startupErrors);
        return kExitFailed;
    }
    if (session.mode == RunMode::Unsetup) {
        return RunUnattendedUninstall(session, err);
    }
    const SetupScript script = LoadSetupScript(session.scriptFile);
    PathMacros macros = ResolvePathMacros(session.programFolder);
    const std::optional<std::string> folder = InstallFolder(commandLine, script, macros);
    if (!folder) {
        err << "setup: the folder given with /DIR cannot be used: "
            << commandLine.folder.value_or("") << '\n';
        return kExitUnavailable;
    }
    ConsolePorts ports(err);
    const InstallResult result = RunInstall(
        session, script, macros, {*folder, DefaultInstallOptions(script)}, ports.Ports());
    return Summarize(result, *folder, err);
}

} // namespace

int RunUnattendedSetup(const CommandLine& commandLine, std::string_view programFolder,
                       std::ostream& err) {
    platform::Result<std::optional<platform::NamedMutex>> mutex =
        platform::NamedMutex::Acquire(kMutexName);
    if (!mutex) {
        err << "setup: " << mutex.Error() << '\n';
        return kExitFailed;
    }
    if (!mutex.Value()) {
        err << "setup: another installer is running\n";
        return kExitFailed;
    }
    const SetupSession session = StartSession(programFolder, commandLine.firstArgument);
    const int status = RunSession(session, commandLine, err);
    RemoveWorkFolders(session.temporaryFolder);
    return status;
}

int RunSetupProgram(const std::vector<std::string>& arguments, std::ostream& err) {
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (!commandLine.silent) {
        err << "setup: the run without windows needs /SILENT\n";
        return kExitUnavailable;
    }
    const std::optional<std::string> folder = RunningProgramFolder();
    if (!folder) {
        err << "setup: cannot find the folder of the running program\n";
        return kExitFailed;
    }
    return RunUnattendedSetup(commandLine, *folder, err);
}

} // namespace setup
