#include "setup/unattended_uninstall.h"

#include "platform/codepage.h"
#include "setup/console_ports.h"
#include "setup/macro_folders.h"
#include "setup/unattended_setup.h"
#include "setup/uninstall_engine.h"

#include <ostream>

namespace setup {

int RunUnattendedUninstall(const SetupSession& session, std::ostream& err) {
    const UninstallLog log = ReadSessionLog(session);
    PathMacros macros = ResolvePathMacros(session.programFolder);
    const std::string folder = platform::Cp932ToUtf8(LoggedInstallFolder(log, macros));
    ConsolePorts ports(err);
    const UninstallResult result =
        RunUninstall(log, macros, UninstallOptionsOf(UninstallBoxesOf(log.unSetupOption)),
                     {ports, ports, ports, ports});
    if (result.outcome == UninstallOutcome::Stopped) {
        err << "setup: the uninstall stopped: the log names no install folder\n";
        return kExitFailed;
    }
    if (result.Succeeded()) {
        err << "setup: uninstalled from " << folder << '\n';
        return kExitSucceeded;
    }
    err << "setup: uninstalled from " << folder << " with " << result.failureCount
        << " failure(s)\n";
    return kExitFailed;
}

} // namespace setup
