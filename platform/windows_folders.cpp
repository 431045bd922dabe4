#include "platform/windows_folders.h"

#include "platform/drives.h"
#include "platform/registry.h"
#include "platform/text_case.h"

#include <cstdlib>
#include <filesystem>

namespace platform {
namespace {

constexpr std::string_view kWindowsFolder = "C:\\WINDOWS";
constexpr std::string_view kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kDefaultProgramFiles = "C:\\Program Files";

Result<std::string> Created(std::string_view windowsPath) {
    if (Status created = CreateWindowsFolder(windowsPath); !created) {
        return Failure{created.Error()};
    }
    return std::string(windowsPath);
}

// The ProgramFilesDir text, empty when the key or the value is absent.
Result<std::string> ProgramFilesSetting() {
    Result<Registry> registry = Registry::OpenMachine();
    if (!registry) {
        return Failure{registry.Error()};
    }
    Result<std::optional<RegistryKey>> key =
        registry.Value().OpenKey(RegistryRoot::LocalMachine, kCurrentVersionKey);
    if (!key) {
        return Failure{key.Error()};
    }
    if (!key.Value()) {
        return std::string();
    }
    Result<std::optional<RegistryValue>> value = key.Value()->ReadValue("ProgramFilesDir");
    if (!value) {
        return Failure{value.Error()};
    }
    return value.Value() ? value.Value()->Text().value_or("") : std::string();
}

} // namespace

PlatformId CurrentPlatform() {
    const char* value = std::getenv(std::string(kPlatformVariable).c_str());
    return value != nullptr && EqualNoCase(value, "9x") ? PlatformId::Windows
                                                        : PlatformId::WindowsNt;
}

Result<std::string> WindowsFolder() {
    return Created(kWindowsFolder);
}

Result<std::string> SystemFolder() {
    return Created(std::string(kWindowsFolder) +
                   (CurrentPlatform() == PlatformId::WindowsNt ? "\\SYSTEM32" : "\\SYSTEM"));
}

Result<std::string> TemporaryFolder() {
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (error) {
        return Failure{"cannot find the temporary folder: " + error.message()};
    }
    Result<std::string> spelled = WindowsPath(temporary);
    if (spelled && spelled.Value().back() != '\\') {
        spelled.Value() += '\\';
    }
    return spelled;
}

Result<std::string> ProgramFilesFolder() {
    Result<std::string> setting = ProgramFilesSetting();
    if (!setting || !setting.Value().empty()) {
        return setting;
    }
    return Created(kDefaultProgramFiles);
}

} // namespace platform
