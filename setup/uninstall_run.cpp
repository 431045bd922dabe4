#include "setup/uninstall_run.h"

#include "setup/file_primitives.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"
#include "setup/uninstall_messages.h"

namespace setup {

UninstallRun::UninstallRun(const UninstallLog& log, PathMacros& macros, UninstallOptions options,
                           UninstallPorts ports, ProtectedFolders protectedFolders)
    : log(log), macros(macros), options(std::move(options)), ports(ports),
      protectedFolders(std::move(protectedFolders)) {}

void UninstallRun::Show(const std::string& message) {
    ports.status.SetMessage(message);
}

Answer UninstallRun::Ask(MessageBox box) {
    return ports.messages.Show(box);
}

bool UninstallRun::RefuseProtected(std::string_view tag, std::string_view path) {
    if (!protectedFolders.WouldDelete(path)) {
        return false;
    }
    report.Add(tag, path, Cp932Text(text::kProtectedFolder) + std::string(kCrLf));
    return true;
}

std::optional<platform::SystemError> UninstallRun::DeleteUnlessProtected(std::string_view tag,
                                                                         std::string_view path) {
    if (RefuseProtected(tag, path)) {
        return std::nullopt;
    }
    return DeletePath(path);
}

} // namespace setup
