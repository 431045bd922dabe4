#include "shell/settings_store.h"

#include <charconv>
#include <utility>

namespace shell {
namespace {

using platform::Failure;
using platform::RegistryRoot;
using platform::RegistryValue;
using platform::Status;

std::string SectionPath(std::string_view section) {
    std::string path(kProgramKey);
    if (!section.empty()) {
        path += '\\';
        path += section;
    }
    return path;
}

} // namespace

std::optional<int> ParseDecimalInteger(std::string_view text) {
    // from_chars takes a minus sign but no plus sign; both are decimal integers.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

SettingsStore::SettingsStore(platform::Result<platform::Registry> registry) {
    if (!registry) {
        problem_ = registry.Error();
        return;
    }
    registry_.emplace(std::move(registry).Value());
    // Every access of the program opens its key with creation, so the key exists from the
    // first run on.
    if (auto key = registry_->CreateKey(RegistryRoot::CurrentUser, kProgramKey); !key) {
        problem_ = key.Error();
    }
}

SettingsStore SettingsStore::OpenMachine() {
    return SettingsStore(platform::Registry::OpenMachine());
}

SettingsStore SettingsStore::Open(const std::filesystem::path& databaseFile) {
    return SettingsStore(platform::Registry::Open(databaseFile));
}

std::optional<RegistryValue> SettingsStore::StoredValue(std::string_view section,
                                                        std::string_view name) const {
    if (!registry_) {
        return std::nullopt;
    }
    auto key = registry_->OpenKey(RegistryRoot::CurrentUser, SectionPath(section));
    if (!key || !key.Value()) {
        return std::nullopt;
    }
    auto value = key.Value()->ReadValue(name);
    return value ? std::move(value).Value() : std::nullopt;
}

std::optional<std::string> SettingsStore::StoredText(std::string_view section,
                                                     std::string_view name) const {
    const std::optional<RegistryValue> value = StoredValue(section, name);
    return value ? value->Text() : std::nullopt;
}

std::optional<int> SettingsStore::StoredInteger(std::string_view section,
                                                std::string_view name) const {
    const std::optional<std::string> text = StoredText(section, name);
    return text ? ParseDecimalInteger(*text) : std::nullopt;
}

std::string SettingsStore::ReadString(std::string_view section, std::string_view name,
                                      std::string_view defaultValue) const {
    return StoredText(section, name).value_or(std::string(defaultValue));
}

int SettingsStore::ReadInteger(std::string_view section, std::string_view name,
                               int defaultValue) const {
    return StoredInteger(section, name).value_or(defaultValue);
}

bool SettingsStore::ReadBool(std::string_view section, std::string_view name,
                             bool defaultValue) const {
    return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

Status SettingsStore::WriteString(std::string_view section, std::string_view name,
                                  std::string_view value) {
    return WriteValue(section, name, RegistryValue::Sz(value));
}

Status SettingsStore::WriteInteger(std::string_view section, std::string_view name, int value) {
    return WriteValue(section, name, RegistryValue::Sz(std::to_string(value)));
}

Status SettingsStore::WriteBool(std::string_view section, std::string_view name, bool value) {
    return WriteValue(section, name, RegistryValue::Sz(value ? "1" : "0"));
}

std::optional<std::string> SettingsStore::ReadBinary(std::string_view name,
                                                     std::size_t size) const {
    std::optional<RegistryValue> value = StoredValue("", name);
    if (!value || value->type != platform::RegistryType::Binary || value->data.size() != size) {
        return std::nullopt;
    }
    return std::move(value->data);
}

Status SettingsStore::WriteBinary(std::string_view name, std::string_view bytes) {
    return WriteValue("", name, RegistryValue::Binary(bytes));
}

Status SettingsStore::WriteValue(std::string_view section, std::string_view name,
                                 const RegistryValue& value) {
    if (!registry_) {
        return Failure{problem_};
    }
    auto key = registry_->CreateKey(RegistryRoot::CurrentUser, SectionPath(section));
    if (!key) {
        return Failure{key.Error()};
    }
    return key.Value().WriteValue(name, value);
}

} // namespace shell
