#include "setup/uninstall_registration.h"

#include "platform/registry.h"
#include "setup/registry_keys.h"

namespace setup {

std::string UninstallCommand(std::string_view windowsFolder, std::string_view logFile) {
    return std::string(windowsFolder) + "UNORSET.EXE \"" + std::string(logFile) + "\"";
}

platform::Status RegisterUninstall(std::string_view key, std::string_view displayName,
                                   std::string_view uninstallCommand) {
    platform::Result<platform::Registry> registry = platform::Registry::OpenMachine();
    if (!registry) {
        return platform::Failure{registry.Error()};
    }
    platform::Result<platform::RegistryKey> opened =
        registry.Value().CreateKey(platform::RegistryRoot::LocalMachine, TrimKeyPath(key));
    if (!opened) {
        return platform::Failure{opened.Error()};
    }
    if (platform::Status written =
            opened.Value().WriteValue("DisplayName", platform::RegistryValue::Sz(displayName));
        !written) {
        return written;
    }
    return opened.Value().WriteValue("UninstallString",
                                     platform::RegistryValue::Sz(uninstallCommand));
}

} // namespace setup
