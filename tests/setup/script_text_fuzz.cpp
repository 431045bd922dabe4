// libFuzzer entry: any bytes, as a SETUP.INI or UNSETUP.INI on the medium or in the install
// folder, must be read section by section and key by key, and every value must go through the
// readers of script entries and log entries, without reading outside the text; and the whole
// file must be read as a script and as a log, repeated sections and file records included, and
// written back as a log.

#include "platform/profile_ini.h"
#include "setup/host_paths.h"
#include "setup/registry_entries.h"
#include "setup/registry_keys.h"
#include "setup/script.h"
#include "setup/script_entries.h"
#include "setup/uninstall_log.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void ReadValue(const std::string& value) {
    (void)setup::ParseCopyFileEntry(value);
    (void)setup::ParseShortcutEntry(value, value);
    (void)setup::ParseRegistryEntry(value, value, value);
    (void)setup::ParseIniFileEntry(value);
    (void)setup::ParseRelateEntry(1, value, value);
    (void)setup::ParseExecuteFileEntry(value);
    (void)setup::ParseSetupSpeed(value);
    (void)setup::ParseRootedKey(value);
    (void)setup::ParseUninstallRootedKey(value);
    (void)setup::ParseDecimal32(value);
    (void)setup::ParseHex32(value);
    (void)setup::SplitLogEntry(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("lumaro-fuzz-script-" + std::to_string(::getpid()) + ".ini");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::vector<std::string> values;
    for (const std::string& section : platform::ReadProfileSections(file)) {
        for (const std::string& key : platform::ReadProfileKeys(section, file)) {
            values.push_back(platform::ReadProfileString(section, key, "", file));
        }
    }
    for (const std::string& value : values) {
        ReadValue(value);
    }
    (void)setup::MergedEntries(values);
    (void)setup::MergedFileEntries(values);
    if (const std::optional<std::string> spelled = setup::WindowsSpelling(file)) {
        (void)setup::LoadSetupScript(*spelled);
        (void)setup::UninstallLogText(setup::ReadUninstallLog(*spelled));
    }
    return 0;
}
