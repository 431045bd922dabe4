#include "apps/lumaro/settings_command.h"

#include "apps/lumaro/arguments.h"
#include "platform/codepage.h"
#include "shell/settings_catalogue.h"
#include "shell/settings_store.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>

namespace {

using shell::CatalogueEntry;
using shell::SettingKind;

constexpr std::string_view kProgramKeySection = ".";

constexpr std::string_view kUsage =
    "usage: lumaro settings list [SECTION]\n"
    "       lumaro settings get SECTION VALUE\n"
    "       lumaro settings set SECTION VALUE TEXT\n"
    "The section \".\" is the program key itself (FormMainWinPlaceMain, FontInfoList,\n"
    "FontInfoDetail); their values are bytes in hexadecimal. A TEXT that begins with \"-\"\n"
    "follows \"--\": lumaro settings set SECTION VALUE -- -TEXT\n";

int Usage(std::ostream& err) {
    err << kUsage;
    return 2;
}

std::string SectionArgument(std::string_view section) {
    return section == kProgramKeySection ? std::string() : std::string(section);
}

std::string SectionLabel(std::string_view section) {
    return section.empty() ? std::string(kProgramKeySection) : std::string(section);
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const char byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[static_cast<unsigned char>(byte) >> 4];
        text += kDigits[static_cast<unsigned char>(byte) & 0x0F];
    }
    return text;
}

// Hexadecimal digits in pairs, blanks anywhere; none for anything else.
std::optional<std::string> Unhex(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        digits += c;
    }
    if (digits.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// Text for the terminal: binary records in hexadecimal, everything else from CP932.
std::string Shown(const CatalogueEntry& entry, std::string_view value) {
    return entry.kind == SettingKind::Binary ? Hex(value) : platform::Cp932ToUtf8(value);
}

// A stored value as it is, whatever its type.
std::string ShownStored(const platform::RegistryValue& value) {
    if (const auto text = value.Text()) {
        return platform::Cp932ToUtf8(*text);
    }
    if (const auto number = value.Number()) {
        return std::to_string(*number);
    }
    return Hex(value.data);
}

shell::SettingsStore OpenStore(std::ostream& err) {
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    if (!store.Problem().empty()) {
        err << "lumaro: " << store.Problem() << "; using the defaults\n";
    }
    return store;
}

const CatalogueEntry* FindOrComplain(std::string_view section, std::string_view name,
                                     std::ostream& err) {
    const CatalogueEntry* entry = shell::FindSetting(SectionArgument(section), name);
    if (entry == nullptr) {
        err << "lumaro: no setting " << SectionLabel(SectionArgument(section)) << "\\" << name
            << "\n";
    }
    return entry;
}

int List(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> only;
    if (!args.empty()) {
        only = shell::CatalogueSection(SectionArgument(args[0]));
        if (!only) {
            err << "lumaro: no settings section " << args[0] << "\n";
            return 2;
        }
    }
    const shell::SettingsStore store = OpenStore(err);
    std::optional<std::string_view> current;
    for (const CatalogueEntry& entry : shell::SettingsCatalogue()) {
        if (only && entry.section != *only) {
            continue;
        }
        if (current != entry.section) {
            current = entry.section;
            out << "[" << SectionLabel(entry.section) << "]\n";
        }
        const shell::EffectiveValue value = shell::ReadEffective(store, entry);
        out << entry.name << "=" << Shown(entry, value.text)
            << (value.isDefault ? "  ; default" : "") << "\n";
    }
    return 0;
}

int Get(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const CatalogueEntry* entry = FindOrComplain(args[0], args[1], err);
    if (entry == nullptr) {
        return 2;
    }
    const shell::SettingsStore store = OpenStore(err);
    if (const auto stored = store.StoredValue(entry->section, entry->name)) {
        out << ShownStored(*stored) << "\n";
    } else {
        out << Shown(*entry, entry->defaultText) << "\n";
    }
    return 0;
}

int Set(std::span<const std::string> args, std::ostream& err) {
    const CatalogueEntry* entry = FindOrComplain(args[0], args[1], err);
    if (entry == nullptr) {
        return 2;
    }
    std::string value;
    if (entry->kind == SettingKind::Binary) {
        std::optional<std::string> bytes = Unhex(args[2]);
        if (!bytes) {
            err << "lumaro: " << args[2] << " is not bytes in hexadecimal\n";
            return 2;
        }
        value = std::move(*bytes);
    } else {
        value = platform::Utf8ToCp932(args[2]);
        // The conversion writes "?" for what CP932 cannot hold.
        if (std::count(value.begin(), value.end(), '?') !=
            std::count(args[2].begin(), args[2].end(), '?')) {
            err << "lumaro: \"" << args[2] << "\" has characters the settings cannot hold\n";
            return 2;
        }
    }
    const platform::Result<std::string> stored = shell::StoredForm(*entry, value);
    if (!stored) {
        err << "lumaro: " << stored.Error() << "\n";
        return 2;
    }
    shell::SettingsStore store = OpenStore(err);
    if (platform::Status written = shell::WriteStoredForm(store, *entry, stored.Value());
        !written) {
        err << "lumaro: " << written.Error() << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int RunSettingsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    // A text that begins with "-" follows "--", as with every command.
    const auto arguments = lumaro::ParseArguments("settings", args, {{}, {}, false}, err);
    if (!arguments || arguments->operands.empty()) {
        return Usage(err);
    }
    const std::span<const std::string> operands = arguments->operands;
    const std::string& verb = operands[0];
    const auto rest = operands.subspan(1);
    if (verb == "list" && rest.size() <= 1) {
        return List(rest, out, err);
    }
    if (verb == "get" && rest.size() == 2) {
        return Get(rest, out, err);
    }
    if (verb == "set" && rest.size() == 3) {
        return Set(rest, err);
    }
    return Usage(err);
}
