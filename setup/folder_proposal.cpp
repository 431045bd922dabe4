#include "setup/folder_proposal.h"

#include "platform/registry.h"
#include "setup/folder_memory.h"
#include "setup/ini_access.h"
#include "setup/registry_keys.h"
#include "setup/text_primitives.h"

namespace setup {
namespace {

// The string value that "rooted key, value name" names; empty when there is none.
std::string ReferredRegistryValue(std::string_view reference) {
    const RootedKey named = ParseRootedKey(GetField(reference, ',', 1));
    const std::string valueName = GetField(reference, ',', 2);
    platform::Result<platform::Registry> registry = platform::Registry::OpenMachine();
    if (!registry) {
        return {};
    }
    platform::Result<std::optional<platform::RegistryKey>> key =
        registry.Value().OpenKey(named.root, named.path);
    if (!key || !key.Value()) {
        return {};
    }
    platform::Result<std::optional<platform::RegistryValue>> value =
        key.Value()->ReadValue(valueName);
    if (!value || !value.Value()) {
        return {};
    }
    return value.Value()->Text().value_or("");
}

// The value that "section, key, file" names, each field macro-expanded; empty when absent.
std::string ReferredIniValue(std::string_view reference, const PathMacros& macros) {
    return IniReadString(ExpandPathMacros(GetField(reference, ',', 1), macros),
                         ExpandPathMacros(GetField(reference, ',', 2), macros), "",
                         ExpandPathMacros(GetField(reference, ',', 3), macros));
}

} // namespace

std::string ProposeInstallFolder(const SetupScript& script, const PathMacros& macros) {
    std::string folder = script.defaultFolder.folder;
    if (!script.programId.empty()) {
        folder = RememberedFolder(script.programId, folder, macros);
    }
    if (!script.defaultFolder.referRegistry.empty()) {
        if (std::string value = ReferredRegistryValue(script.defaultFolder.referRegistry);
            !value.empty()) {
            folder = std::move(value);
        }
    }
    if (!script.defaultFolder.referIniFile.empty()) {
        if (std::string value = ReferredIniValue(script.defaultFolder.referIniFile, macros);
            !value.empty()) {
            folder = std::move(value);
        }
    }
    return AddPathDelimiter(ExpandPathMacros(folder, macros), PathSide::Bottom);
}

} // namespace setup
