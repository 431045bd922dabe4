#include "setup/ini_access.h"

#include "platform/codepage.h"
#include "platform/profile_ini.h"
#include "platform/text_case.h"
#include "setup/host_paths.h"

namespace setup {

std::string IniReadString(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::string_view file) {
    const auto host = HostPathOf(file);
    if (!host) {
        return std::string(defaultValue);
    }
    return platform::ReadProfileString(section, key, defaultValue, *host);
}

platform::Status IniWriteString(std::string_view section, std::string_view key,
                                std::string_view value, std::string_view file) {
    const auto host = HostPathOf(file);
    if (!host) {
        return platform::Failure{"cannot write " + platform::Cp932ToUtf8(file) +
                                 ": it names no drive of this machine"};
    }
    return platform::WriteProfileString(section, key, value, *host);
}

std::vector<std::string> IniReadList(std::string_view section, std::string_view prefix,
                                     std::string_view file) {
    std::vector<std::string> values;
    const auto host = HostPathOf(file);
    if (!host) {
        return values;
    }
    // One reading of the file for the whole list: a script may hold thousands of entries.
    const std::unordered_map<std::string, std::string> keys =
        platform::ReadProfileSection(section, *host, platform::SectionRepeats::FirstOnly);
    for (int n = 1;; ++n) {
        const auto found = keys.find(platform::UpperAscii(std::string(prefix) + std::to_string(n)));
        if (found == keys.end() || found->second.empty()) {
            return values;
        }
        values.push_back(found->second);
    }
}

} // namespace setup
