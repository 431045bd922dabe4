#include "shell/settings_catalogue.h"

#include "platform/codepage.h"
#include "platform/registry_names.h"
#include "shell/settings_columns.h"
#include "shell/settings_exec.h"
#include "shell/settings_values.h"

#include <vector>

namespace shell {
namespace {

using namespace settings;

CatalogueEntry Entry(const StringSetting& setting) {
    return {.section = std::string(setting.section),
            .name = std::string(setting.name),
            .kind = SettingKind::String,
            .defaultText = std::string(setting.defaultValue)};
}

CatalogueEntry Entry(const IntegerSetting& setting) {
    return {.section = std::string(setting.section),
            .name = std::string(setting.name),
            .kind = SettingKind::Integer,
            .defaultText = std::to_string(setting.defaultValue)};
}

CatalogueEntry Entry(const BooleanSetting& setting) {
    return {.section = std::string(setting.section),
            .name = std::string(setting.name),
            .kind = SettingKind::Boolean,
            .defaultText = setting.defaultValue ? "1" : "0"};
}

CatalogueEntry Entry(const BinarySetting& setting) {
    return {.name = std::string(setting.name), .kind = SettingKind::Binary, .size = setting.size};
}

std::vector<CatalogueEntry> ColumnListEntries(const ColumnListSetting& setting) {
    const ColumnListText text = EncodeColumnList(DefaultColumnRows());
    return {{.section = std::string(setting.section),
             .name = std::string(setting.name),
             .kind = SettingKind::ColumnList,
             .defaultText = text.list,
             .partner = std::string(setting.checkName)},
            {.section = std::string(setting.section),
             .name = std::string(setting.checkName),
             .kind = SettingKind::CheckString,
             .defaultText = text.check,
             .partner = std::string(setting.name)}};
}

std::vector<CatalogueEntry> ExecEntries() {
    std::vector<CatalogueEntry> entries;
    for (int index = 0; index < kExecEntryCount; ++index) {
        for (const ExecField field : kExecFields) {
            entries.push_back({.section = std::string(kExecSection),
                               .name = ExecValueName(field, index),
                               .kind = SettingKind::String});
        }
    }
    return entries;
}

std::vector<CatalogueEntry> MakeCatalogue() {
    std::vector<CatalogueEntry> entries;
    const auto add = [&](const std::vector<CatalogueEntry>& group) {
        entries.insert(entries.end(), group.begin(), group.end());
    };
    add({Entry(kFormMainWinPlaceMain), Entry(kFontInfoList), Entry(kFontInfoDetail)});
    add({Entry(kDisplayLeftW), Entry(kDisplayFolderH), Entry(kDisplayList), Entry(kDisplayThumb),
         Entry(kDisplayCurDirectory)});
    add({Entry(kSetupPreFolder), Entry(kSetupPreFolderPath), Entry(kSetupDate1), Entry(kSetupDate2),
         Entry(kSetupDate3), Entry(kSetupDate4), Entry(kSetupDate5)});
    add(ColumnListEntries(kSetupList));
    add({Entry(kSetupListThumbSize)});
    add(ColumnListEntries(kSetupDetail));
    add({Entry(kSetupDetailExif)});
    add(ColumnListEntries(kSetupHtml));
    add(ColumnListEntries(kSetupCsv));
    add({Entry(kToolPre1), Entry(kToolPre2), Entry(kToolPreview), Entry(kToolSlide)});
    add(ExecEntries());
    add({Entry(kFileCopyEditFolder), Entry(kFileCopyEditDCF), Entry(kFileCopyEditName),
         Entry(kFileCopyRadioButton1), Entry(kFileCopyRadioButton2), Entry(kFileCopyRadioButton3),
         Entry(kFileCopyRadioButton4)});
    add({Entry(kFileMoveEditFolder), Entry(kFileMoveEditDCF), Entry(kFileMoveEditName),
         Entry(kFileMoveRadioButton1), Entry(kFileMoveRadioButton2), Entry(kFileMoveRadioButton3),
         Entry(kFileMoveRadioButton4)});
    add({Entry(kFileRenameEditDCF), Entry(kFileRenameEditName), Entry(kFileRenameRadioButton2),
         Entry(kFileRenameRadioButton3), Entry(kFileRenameRadioButton4)});
    add({Entry(kExifCopyEditFolder), Entry(kExifAddEditFolder), Entry(kExifAddCheckBoxFolder),
         Entry(kExifDelEditFolder), Entry(kExifDelCheckBoxFolder)});
    add({Entry(kEditDateRadioButton1), Entry(kEditDateRadioButton2), Entry(kEditDateRadioButton3),
         Entry(kEditDateDateTime), Entry(kEditDateDateTimeOriginal),
         Entry(kEditDateDateTimeDigitized)});
    add({Entry(kHtmlEditFolder), Entry(kHtmlEditWidth), Entry(kHtmlEditWidthS),
         Entry(kHtmlRBImage1), Entry(kHtmlRBImage2), Entry(kHtmlRBImage3)});
    add({Entry(kCsvEditFile), Entry(kCrePrezenEditFolder), Entry(kCrePrezenEditDCF)});
    return entries;
}

// The registry's own comparison, so a name finds what the registry would find.
bool SameName(std::string_view a, std::string_view b) {
    return platform::FoldRegistryName(a) == platform::FoldRegistryName(b);
}

EffectiveValue ReadColumnEntry(const SettingsStore& store, const CatalogueEntry& entry) {
    const bool isList = entry.kind == SettingKind::ColumnList;
    const ColumnListSetting setting{entry.section, isList ? entry.name : entry.partner,
                                    isList ? entry.partner : entry.name};
    const ColumnListReading reading = ReadColumnList(store, setting);
    ColumnListText text = EncodeColumnList(reading.rows);
    return {isList ? std::move(text.list) : std::move(text.check), reading.fromDefault};
}

constexpr std::size_t kSummaryRowCount = exif::kSummaryFieldCount;

platform::Failure Refuse(const CatalogueEntry& entry, const std::string& why) {
    const std::string where =
        entry.section.empty() ? entry.name : entry.section + "\\" + entry.name;
    return platform::Failure{"cannot set " + where + ": " + why};
}

} // namespace

std::span<const CatalogueEntry> SettingsCatalogue() {
    static const std::vector<CatalogueEntry> catalogue = MakeCatalogue();
    return catalogue;
}

const CatalogueEntry* FindSetting(std::string_view section, std::string_view name) {
    for (const CatalogueEntry& entry : SettingsCatalogue()) {
        if (SameName(entry.section, section) && SameName(entry.name, name)) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<std::string> CatalogueSection(std::string_view section) {
    for (const CatalogueEntry& entry : SettingsCatalogue()) {
        if (SameName(entry.section, section)) {
            return entry.section;
        }
    }
    return std::nullopt;
}

EffectiveValue ReadEffective(const SettingsStore& store, const CatalogueEntry& entry) {
    switch (entry.kind) {
    case SettingKind::String: {
        std::optional<std::string> text = store.StoredText(entry.section, entry.name);
        return text ? EffectiveValue{std::move(*text), false}
                    : EffectiveValue{entry.defaultText, true};
    }
    case SettingKind::Integer:
    case SettingKind::Boolean: {
        const std::optional<int> number = store.StoredInteger(entry.section, entry.name);
        if (!number) {
            return {entry.defaultText, true};
        }
        const bool isBoolean = entry.kind == SettingKind::Boolean;
        return {isBoolean ? (*number != 0 ? "1" : "0") : std::to_string(*number), false};
    }
    case SettingKind::ColumnList:
    case SettingKind::CheckString:
        return ReadColumnEntry(store, entry);
    case SettingKind::Binary: {
        std::optional<std::string> bytes = store.ReadBinary(entry.name, entry.size);
        return bytes ? EffectiveValue{std::move(*bytes), false} : EffectiveValue{{}, true};
    }
    }
    return {entry.defaultText, true};
}

platform::Result<std::string> StoredForm(const CatalogueEntry& entry, std::string_view text) {
    switch (entry.kind) {
    case SettingKind::String:
        break;
    case SettingKind::Integer:
    case SettingKind::Boolean: {
        const std::optional<int> number = ParseDecimalInteger(text);
        if (!number) {
            // Held first: g++ 12 takes "\"" + a temporary string for an overlapping copy.
            const std::string shown = platform::Cp932ToUtf8(text);
            return Refuse(entry, "\"" + shown + "\" is not a decimal integer");
        }
        if (entry.kind == SettingKind::Boolean) {
            return std::string(*number != 0 ? "1" : "0");
        }
        return std::to_string(*number);
    }
    case SettingKind::ColumnList:
        if (ReadColumnList(std::string(text), std::nullopt).fromDefault) {
            return Refuse(entry, "a column list is 25 numbers of two characters (\" 1 2 3\"), "
                                 "each field 1 to 25 once");
        }
        break;
    case SettingKind::CheckString:
        if (text.size() != kSummaryRowCount ||
            text.find_first_not_of("01") != std::string_view::npos) {
            return Refuse(entry, "a check string is 25 characters of \"0\" and \"1\"");
        }
        break;
    case SettingKind::Binary:
        if (text.size() != entry.size) {
            return Refuse(entry, "the record is " + std::to_string(entry.size) + " bytes, not " +
                                     std::to_string(text.size()));
        }
        break;
    }
    return std::string(text);
}

platform::Status WriteStoredForm(SettingsStore& store, const CatalogueEntry& entry,
                                 std::string_view storedForm) {
    return entry.kind == SettingKind::Binary
               ? store.WriteBinary(entry.name, storedForm)
               : store.WriteString(entry.section, entry.name, storedForm);
}

} // namespace shell
