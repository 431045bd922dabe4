#pragma once

// The section interface of the utility's settings: the registry key
// HKEY_CURRENT_USER\Software\Hestrom\LumaroUty used like an INI file, a section being a sub-key
// and a value a named registry value in it. Everything is written as REG_SZ text: integers in
// decimal, booleans as "1" and "0". Reads fall back to the caller's default when a value is
// missing or unusable. When the registry cannot be opened the store answers defaults and keeps
// the reason, so a program runs on defaults rather than stopping.

#include "platform/registry.h"
#include "platform/result.h"
#include "shell/settings_values.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace shell {

inline constexpr std::string_view kProgramKey = "Software\\Hestrom\\LumaroUty";

// A decimal integer: an optional sign and digits, in the range of int. None for anything else.
[[nodiscard]] std::optional<int> ParseDecimalInteger(std::string_view text);

class SettingsStore {
public:
    // The registry of the machine folder.
    [[nodiscard]] static SettingsStore OpenMachine();
    // A registry database at a given place.
    [[nodiscard]] static SettingsStore Open(const std::filesystem::path& databaseFile);

    // Why the store runs on defaults or could not create the program key; empty when all is well.
    [[nodiscard]] const std::string& Problem() const { return problem_; }

    // The stored value as the registry holds it, any type; none when absent or unreadable.
    // An empty section is the program key itself.
    [[nodiscard]] std::optional<platform::RegistryValue> StoredValue(std::string_view section,
                                                                     std::string_view name) const;
    // The stored text of a string value; none when absent or stored with another type.
    [[nodiscard]] std::optional<std::string> StoredText(std::string_view section,
                                                        std::string_view name) const;
    // The stored text read as a decimal integer; none when absent or not a decimal integer.
    [[nodiscard]] std::optional<int> StoredInteger(std::string_view section,
                                                   std::string_view name) const;

    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view name,
                                         std::string_view defaultValue) const;
    [[nodiscard]] int ReadInteger(std::string_view section, std::string_view name,
                                  int defaultValue) const;
    // Read as an integer with the default 1 or 0; true when not zero.
    [[nodiscard]] bool ReadBool(std::string_view section, std::string_view name,
                                bool defaultValue) const;

    // Each write creates the section when it is absent.
    [[nodiscard]] platform::Status WriteString(std::string_view section, std::string_view name,
                                               std::string_view value);
    [[nodiscard]] platform::Status WriteInteger(std::string_view section, std::string_view name,
                                                int value);
    [[nodiscard]] platform::Status WriteBool(std::string_view section, std::string_view name,
                                             bool value);

    // A REG_BINARY value of the program key; none unless it exists with exactly `size` bytes.
    [[nodiscard]] std::optional<std::string> ReadBinary(std::string_view name,
                                                        std::size_t size) const;
    [[nodiscard]] platform::Status WriteBinary(std::string_view name, std::string_view bytes);

    // The same through the table of values, with the value's own default.
    [[nodiscard]] std::string Read(const StringSetting& setting) const {
        return ReadString(setting.section, setting.name, setting.defaultValue);
    }
    [[nodiscard]] int Read(const IntegerSetting& setting) const {
        return ReadInteger(setting.section, setting.name, setting.defaultValue);
    }
    [[nodiscard]] bool Read(const BooleanSetting& setting) const {
        return ReadBool(setting.section, setting.name, setting.defaultValue);
    }
    [[nodiscard]] platform::Status Write(const StringSetting& setting, std::string_view value) {
        return WriteString(setting.section, setting.name, value);
    }
    [[nodiscard]] platform::Status Write(const IntegerSetting& setting, int value) {
        return WriteInteger(setting.section, setting.name, value);
    }
    [[nodiscard]] platform::Status Write(const BooleanSetting& setting, bool value) {
        return WriteBool(setting.section, setting.name, value);
    }

private:
    explicit SettingsStore(platform::Result<platform::Registry> registry);

    [[nodiscard]] platform::Status WriteValue(std::string_view section, std::string_view name,
                                              const platform::RegistryValue& value);

    std::optional<platform::Registry> registry_;
    std::string problem_;
};

} // namespace shell
