#pragma once

// Every section and value of the utility's registry key in one list, for tools that address
// them by name (lumaro settings): each value's kind, its default, and its effective value as
// the program would read it.

#include "platform/result.h"
#include "shell/settings_store.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace shell {

enum class SettingKind { String, Integer, Boolean, ColumnList, CheckString, Binary };

struct CatalogueEntry {
    std::string section{}; // empty for the binary records in the program key itself
    std::string name{};
    SettingKind kind = SettingKind::String;
    std::string defaultText{}; // as stored; empty for a binary record, whose default is absence
    std::string partner{};     // the check string of a column list, the list of a check string
    std::size_t size = 0;      // the byte count of a binary record
};

// Program key first, then the sections in the order of the settings tables.
[[nodiscard]] std::span<const CatalogueEntry> SettingsCatalogue();

// Names compare without regard to ASCII case, as in the registry. None when unknown.
[[nodiscard]] const CatalogueEntry* FindSetting(std::string_view section, std::string_view name);
// The section's spelling in the catalogue; none when no value lives in such a section.
[[nodiscard]] std::optional<std::string> CatalogueSection(std::string_view section);

struct EffectiveValue {
    std::string text; // CP932 text, or the bytes of a binary record (empty when absent)
    bool isDefault;   // nothing usable is stored, so the default applies
};

// The value as the program reads it: a string of another type, an integer that is no decimal
// number and a malformed column list all read as their default. A check string follows its
// list: when the list reads as the default, all rows are ticked.
[[nodiscard]] EffectiveValue ReadEffective(const SettingsStore& store, const CatalogueEntry& entry);

// The text as the program stores the value: an integer in decimal, a boolean as "1" or "0",
// anything else as it is. Text the program could not have written (not a number, a malformed
// column list, a check string that is not 25 of "0" and "1", a record of the wrong size) is
// refused with a message.
[[nodiscard]] platform::Result<std::string> StoredForm(const CatalogueEntry& entry,
                                                       std::string_view text);

// Writes a value in its stored form: a binary record as REG_BINARY, anything else as REG_SZ.
[[nodiscard]] platform::Status WriteStoredForm(SettingsStore& store, const CatalogueEntry& entry,
                                               std::string_view storedForm);

} // namespace shell
