#include "setup/shared_dlls.h"

#include "platform/registry.h"
#include "setup/file_primitives.h"

namespace setup {
namespace {

platform::Result<platform::RegistryKey> SharedDllsKey() {
    platform::Result<platform::Registry> registry = platform::Registry::OpenMachine();
    if (!registry) {
        return platform::Failure{registry.Error()};
    }
    return registry.Value().CreateKey(platform::RegistryRoot::LocalMachine, kSharedDllsKey);
}

} // namespace

std::int64_t SharedDllCount(std::string_view path) {
    platform::Result<platform::RegistryKey> key = SharedDllsKey();
    if (!key) {
        return 0;
    }
    platform::Result<std::optional<platform::RegistryValue>> value = key.Value().ReadValue(path);
    if (!value || !value.Value()) {
        return 0;
    }
    return value.Value()->Number().value_or(0);
}

platform::Result<std::int64_t> ChangeSharedDllCount(std::string_view path, CountChange change) {
    platform::Result<platform::RegistryKey> key = SharedDllsKey();
    if (!key) {
        return platform::Failure{key.Error()};
    }
    std::int64_t count = SharedDllCount(path);
    if (change == CountChange::Increment) {
        if (count == 0 && FileExists(path)) {
            count = 1;
        }
        const std::int64_t raised = count + 1;
        platform::Status written = key.Value().WriteValue(
            path, platform::RegistryValue::Dword(static_cast<std::uint32_t>(raised)));
        if (!written) {
            return platform::Failure{written.Error()};
        }
        return raised;
    }
    const std::int64_t lowered = count - 1;
    if (count == 1 || lowered < 0) {
        platform::Result<bool> deleted = key.Value().DeleteValue(path);
        if (!deleted) {
            return platform::Failure{deleted.Error()};
        }
        return lowered;
    }
    platform::Status written = key.Value().WriteValue(
        path, platform::RegistryValue::Dword(static_cast<std::uint32_t>(lowered)));
    if (!written) {
        return platform::Failure{written.Error()};
    }
    return lowered;
}

} // namespace setup
