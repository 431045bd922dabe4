#include "setup/uninstall_run.h"

namespace setup {

UninstallRun::UninstallRun(const UninstallLog& log, PathMacros& macros, UninstallOptions options,
                           UninstallPorts ports, UninstallScope scope)
    : log(log), macros(macros), options(std::move(options)), ports(ports), scope(std::move(scope)) {
}

void UninstallRun::Show(const std::string& message) {
    ports.status.SetMessage(message);
}

Answer UninstallRun::Ask(MessageBox box) {
    return ports.messages.Show(box);
}

bool UninstallRun::Refuses(std::string_view tag, std::string_view path, Refusal refusal) {
    if (refusal == Refusal::None) {
        return false;
    }
    report.Add(tag, path, RefusalText(refusal));
    return true;
}

} // namespace setup
