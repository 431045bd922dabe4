#include "setup/registry_entries.h"

#include "setup/messages.h"
#include "setup/text_primitives.h"

#include <charconv>

namespace setup {
namespace {

constexpr std::size_t kTypeTokenLength = 5;

platform::Status WriteEntry(const RegistryEntry& entry, const platform::RegistryValue* value) {
    platform::Result<platform::Registry> registry = platform::Registry::OpenMachine();
    if (!registry) {
        return platform::Failure{registry.Error()};
    }
    platform::Result<platform::RegistryKey> key =
        registry.Value().CreateKey(entry.key.root, entry.key.path);
    if (!key) {
        return platform::Failure{key.Error()};
    }
    return value != nullptr ? key.Value().WriteValue(entry.valueName, *value) : platform::Status();
}

} // namespace

std::optional<std::uint32_t> ParseDecimal32(std::string_view text) {
    std::int32_t number = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (!text.empty() && text.front() == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || first == last) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

std::optional<std::uint32_t> ParseHex32(std::string_view text) {
    std::uint32_t number = 0;
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, 16);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

std::optional<platform::RegistryValue> RegistryValueOf(std::string_view value,
                                                       bool dropTrailingDelimiter) {
    using platform::RegistryValue;
    if (value.empty()) {
        return std::nullopt;
    }
    const std::string_view type = value.substr(0, kTypeTokenLength);
    std::string data(value.substr(std::min(value.size(), kTypeTokenLength)));
    if (dropTrailingDelimiter) {
        data = RemovePathDelimiter(data, PathSide::Bottom);
    }
    if (type == "(Str)") {
        return RegistryValue::Sz(data);
    }
    if (type == "(Int)" || type == "(Dwd)") {
        return RegistryValue::Dword(ParseDecimal32(data).value_or(0));
    }
    if (type == "(Bin)") {
        const std::optional<std::uint32_t> number = ParseHex32(data);
        if (!number) {
            return std::nullopt;
        }
        return RegistryValue::Binary(RegistryValue::Dword(*number).data);
    }
    if (type == "(Exp)") {
        return RegistryValue::ExpandSz(data);
    }
    return RegistryValue::Sz(dropTrailingDelimiter ? RemovePathDelimiter(value, PathSide::Bottom)
                                                   : std::string(value));
}

Flow WriteRegistryEntries(InstallRun& run) {
    for (const RegistryEntry& entry : run.script.registry) {
        run.Show(Cp932Text(text::kSettingRegistry));
        const std::optional<platform::RegistryValue> value =
            RegistryValueOf(run.Expand(entry.value), entry.dropTrailingDelimiter);
        if (platform::Status written = WriteEntry(entry, value ? &*value : nullptr); !written) {
            run.report.AddFailure(report_tag::kRegistry, entry.keyText, written.Error());
        }
        if (run.EndStep() == Flow::Stop) {
            return Flow::Stop;
        }
    }
    return Flow::Go;
}

} // namespace setup
