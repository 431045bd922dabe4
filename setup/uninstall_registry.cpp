#include "setup/uninstall_registry.h"

#include "platform/registry.h"
#include "setup/messages.h"
#include "setup/registry_keys.h"
#include "setup/text_primitives.h"
#include "setup/uninstall_messages.h"

namespace setup {
namespace {

using platform::RegistryRoot;

// Deletes the key while it exists, at most kKeyDeleteAttempts times; keys that the registry
// cannot open are left as they are.
void DeleteKey(platform::Registry& registry, RegistryRoot root, const std::string& path) {
    if (path.empty()) {
        return;
    }
    for (int attempt = 0; attempt < kKeyDeleteAttempts; ++attempt) {
        platform::Result<bool> exists = registry.KeyExists(root, path);
        if (!exists || !exists.Value() || !registry.DeleteKey(root, path)) {
            return;
        }
    }
}

// Sets the default value of an existing "." + ext key; false when the key is not there. A
// failed write leaves the key as the install made it, as a failed delete would.
bool SetFileType(platform::Registry& registry, const std::string& key, const std::string& type) {
    platform::Result<std::optional<platform::RegistryKey>> opened =
        registry.OpenKey(RegistryRoot::ClassesRoot, key);
    if (!opened || !opened.Value()) {
        return false;
    }
    (void)opened.Value()->WriteValue("", platform::RegistryValue::Sz(type));
    return true;
}

void RestoreAssociation(platform::Registry& registry, std::string_view slot) {
    const SplitText split = SplitAtFirst(slot, ',');
    const std::string& extension = split.before;
    const std::string& previousType = split.after;
    if (extension.empty()) {
        return;
    }
    const std::string key = "." + extension;
    if (previousType.empty() || !SetFileType(registry, key, previousType)) {
        DeleteKey(registry, RegistryRoot::ClassesRoot, key);
    }
    const std::string type = extension + "_auto_file";
    if (!EqualNoCaseCp932(previousType, type)) {
        DeleteKey(registry, RegistryRoot::ClassesRoot, type);
    }
}

} // namespace

void RemoveRegistryKeys(UninstallRun& run) {
    platform::Result<platform::Registry> registry = platform::Registry::OpenMachine();
    if (!registry) {
        run.report.AddFailure(report_tag::kRegistry, "", registry.Error());
        return;
    }
    for (const std::string& text : run.log.lists.registryKeys) {
        const RootedKey key = ParseUninstallRootedKey(text);
        DeleteKey(registry.Value(), key.root, key.path);
    }
}

void RestoreAssociations(UninstallRun& run) {
    platform::Result<platform::Registry> registry = platform::Registry::OpenMachine();
    if (!registry) {
        run.report.AddFailure(report_tag::kRelate, "", registry.Error());
        return;
    }
    for (const std::string& slot : run.log.lists.restoreRelate) {
        if (!slot.empty()) {
            RestoreAssociation(registry.Value(), slot);
        }
    }
}

void RemoveUninstallRegistration(UninstallRun& run) {
    // Only a key of the platform's program list: a log cannot have other keys deleted this way.
    const std::string key = TrimKeyPath(run.log.registryKey);
    const std::string_view prefix = kUninstallKeyPrefix;
    if (key.empty()) {
        return;
    }
    if (key.size() <= prefix.size() || !EqualNoCaseCp932(key.substr(0, prefix.size()), prefix)) {
        run.report.Add(report_tag::kUnSetup, run.log.registryKey,
                       Cp932Text(text::kNotUninstallKey) + std::string(kCrLf));
        return;
    }
    platform::Result<platform::Registry> registry = platform::Registry::OpenMachine();
    if (!registry) {
        run.report.AddFailure(report_tag::kUnSetup, run.log.registryKey, registry.Error());
        return;
    }
    DeleteKey(registry.Value(), RegistryRoot::LocalMachine, key);
}

} // namespace setup
