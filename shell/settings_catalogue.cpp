#include "shell/settings_catalogue.h"

#include "platform/codepage.h"
#include "shell/settings_columns.h"
#include "shell/settings_exec.h"
#include "shell/settings_values.h"

#include <algorithm>
#include <vector>

namespace shell {
namespace {

using namespace settings;

CatalogueEntry Entry(const StringSetting& setting) {
    return {std::string(setting.section),
            std::string(setting.name),
            SettingKind::String,
            std::string(setting.defaultValue),
            {},
            0};
}

CatalogueEntry Entry(const IntegerSetting& setting) {
    return {std::string(setting.section),
            std::string(setting.name),
            SettingKind::Integer,
            std::to_string(setting.defaultValue),
            {},
            0};
}

CatalogueEntry Entry(const BooleanSetting& setting) {
    return {std::string(setting.section),
            std::string(setting.name),
            SettingKind::Boolean,
            setting.defaultValue ? "1" : "0",
            {},
            0};
}

CatalogueEntry Entry(const BinarySetting& setting) {
    return {{}, std::string(setting.name), SettingKind::Binary, {}, {}, setting.size};
}

void AddColumnList(std::vector<CatalogueEntry>& entries, const ColumnListSetting& setting) {
    const ColumnListText text = EncodeColumnList(DefaultColumnRows());
    entries.push_back({std::string(setting.section), std::string(setting.name),
                       SettingKind::ColumnList, text.list, std::string(setting.checkName), 0});
    entries.push_back({std::string(setting.section), std::string(setting.checkName),
                       SettingKind::CheckString, text.check, std::string(setting.name), 0});
}

void AddExecTable(std::vector<CatalogueEntry>& entries) {
    for (int index = 0; index < kExecEntryCount; ++index) {
        for (const ExecField field : kExecFields) {
            entries.push_back({std::string(kExecSection),
                               ExecValueName(field, index),
                               SettingKind::String,
                               {},
                               {},
                               0});
        }
    }
}

std::vector<CatalogueEntry> MakeCatalogue() {
    std::vector<CatalogueEntry> entries = {
        Entry(kFormMainWinPlaceMain), Entry(kFontInfoList),        Entry(kFontInfoDetail),
        Entry(kDisplayLeftW),         Entry(kDisplayFolderH),      Entry(kDisplayList),
        Entry(kDisplayThumb),         Entry(kDisplayCurDirectory), Entry(kSetupPreFolder),
        Entry(kSetupPreFolderPath),   Entry(kSetupDate1),          Entry(kSetupDate2),
        Entry(kSetupDate3),           Entry(kSetupDate4),          Entry(kSetupDate5)};
    AddColumnList(entries, kSetupList);
    entries.push_back(Entry(kSetupListThumbSize));
    AddColumnList(entries, kSetupDetail);
    entries.push_back(Entry(kSetupDetailExif));
    AddColumnList(entries, kSetupHtml);
    AddColumnList(entries, kSetupCsv);
    for (const CatalogueEntry& entry :
         {Entry(kToolPre1), Entry(kToolPre2), Entry(kToolPreview), Entry(kToolSlide)}) {
        entries.push_back(entry);
    }
    AddExecTable(entries);
    for (const CatalogueEntry& entry : {Entry(kFileCopyEditFolder),
                                        Entry(kFileCopyEditDCF),
                                        Entry(kFileCopyEditName),
                                        Entry(kFileCopyRadioButton1),
                                        Entry(kFileCopyRadioButton2),
                                        Entry(kFileCopyRadioButton3),
                                        Entry(kFileCopyRadioButton4),
                                        Entry(kFileMoveEditFolder),
                                        Entry(kFileMoveEditDCF),
                                        Entry(kFileMoveEditName),
                                        Entry(kFileMoveRadioButton1),
                                        Entry(kFileMoveRadioButton2),
                                        Entry(kFileMoveRadioButton3),
                                        Entry(kFileMoveRadioButton4),
                                        Entry(kFileRenameEditDCF),
                                        Entry(kFileRenameEditName),
                                        Entry(kFileRenameRadioButton2),
                                        Entry(kFileRenameRadioButton3),
                                        Entry(kFileRenameRadioButton4),
                                        Entry(kExifCopyEditFolder),
                                        Entry(kExifAddEditFolder),
                                        Entry(kExifAddCheckBoxFolder),
                                        Entry(kExifDelEditFolder),
                                        Entry(kExifDelCheckBoxFolder),
                                        Entry(kEditDateRadioButton1),
                                        Entry(kEditDateRadioButton2),
                                        Entry(kEditDateRadioButton3),
                                        Entry(kEditDateDateTime),
                                        Entry(kEditDateDateTimeOriginal),
                                        Entry(kEditDateDateTimeDigitized),
                                        Entry(kHtmlEditFolder),
                                        Entry(kHtmlEditWidth),
                                        Entry(kHtmlEditWidthS),
                                        Entry(kHtmlRBImage1),
                                        Entry(kHtmlRBImage2),
                                        Entry(kHtmlRBImage3),
                                        Entry(kCsvEditFile),
                                        Entry(kCrePrezenEditFolder),
                                        Entry(kCrePrezenEditDCF)}) {
        entries.push_back(entry);
    }
    return entries;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
        return upper(x) == upper(y);
    });
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

bool IsCatalogueSection(std::string_view section) {
    const auto entries = SettingsCatalogue();
    return std::any_of(entries.begin(), entries.end(), [&](const CatalogueEntry& entry) {
        return SameName(entry.section, section);
    });
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
            return Refuse(entry,
                          "\"" + platform::Cp932ToUtf8(text) + "\" is not a decimal integer");
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
