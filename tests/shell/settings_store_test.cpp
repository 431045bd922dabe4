// The section interface: conversions, defaults, types and the registry it runs on.

#include "platform/codepage.h"
#include "platform/registry_names.h"
#include "shell/settings_catalogue.h"
#include "shell/settings_columns.h"
#include "shell/settings_live.h"
#include "shell/settings_store.h"
#include "shell/settings_values.h"
#include "tests/support/machine_sandbox.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace shell;
using platform::RegistryRoot;
using platform::RegistryValue;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    // A raw value in a section, bypassing the section interface.
    void Plant(std::string_view section, std::string_view name, const RegistryValue& value) {
        auto registry = platform::Registry::OpenMachine();
        ASSERT_TRUE(registry.Ok()) << registry.Error();
        auto key = registry.Value().CreateKey(
            RegistryRoot::CurrentUser, std::string(kProgramKey) + "\\" + std::string(section));
        ASSERT_TRUE(key.Ok()) << key.Error();
        ASSERT_TRUE(key.Value().WriteValue(name, value).Ok());
    }

    std::optional<RegistryValue> Raw(std::string_view section, std::string_view name) {
        return SettingsStore::OpenMachine().StoredValue(section, name);
    }

    fixture::MachineSandbox machine_;
};

} // namespace

TEST_F(SettingsStoreTest, AFreshUserStartsOnEveryDefault) {
    const SettingsStore store = SettingsStore::OpenMachine();
    ASSERT_EQ(store.Problem(), "");

    // Thumbnail view, no current folder.
    EXPECT_TRUE(store.Read(settings::kDisplayThumb));
    EXPECT_FALSE(store.Read(settings::kDisplayList));
    EXPECT_EQ(store.Read(settings::kDisplayCurDirectory), "");

    const LiveSettings live = LiveSettings::Load(store);
    for (const ColumnRows* rows : {&live.setup.listColumns, &live.setup.detailLines,
                                   &live.setup.htmlFields, &live.setup.csvColumns}) {
        for (std::size_t row = 0; row < rows->size(); ++row) {
            EXPECT_EQ((*rows)[row].field, static_cast<int>(row) + 1);
            EXPECT_TRUE((*rows)[row].ticked);
        }
    }
    EXPECT_TRUE(live.setup.largeThumbnails); // 80x60
    EXPECT_FALSE(live.setup.detailExif);
    EXPECT_TRUE(live.setup.startInLastFolder);

    // Date names "YYYYMMDD" + "_" + "HHMM" + "_" + a two-digit number.
    const exif::NameTemplateSettings names = live.NameTemplate();
    EXPECT_EQ(names.datePattern, "YYYYMMDD");
    EXPECT_EQ(names.dateSeparator, "_");
    EXPECT_EQ(names.timePattern, "HHMM");
    EXPECT_EQ(names.timeSeparator, "_");
    EXPECT_EQ(names.digits, 2);

    // Preview "標準", slides every 10 seconds, no external programs.
    EXPECT_TRUE(live.tool.standardPreview);
    EXPECT_FALSE(live.tool.fixedPreview);
    EXPECT_EQ(live.tool.previewWidth, "640");
    EXPECT_EQ(live.tool.slideInterval, "10");
    for (const ExecEntry& entry : live.exec) {
        EXPECT_EQ(entry, ExecEntry{});
    }

    // Opening the store makes the program key, and nothing else is written.
    auto registry = platform::Registry::OpenMachine();
    auto key = registry.Value().OpenKey(RegistryRoot::CurrentUser, kProgramKey);
    ASSERT_TRUE(key.Ok() && key.Value().has_value());
    EXPECT_TRUE(key.Value()->SubKeyNames().Value().empty());
    EXPECT_TRUE(key.Value()->Values().Value().empty());
}

TEST_F(SettingsStoreTest, EveryTableValueIsReachableByNameWithItsDefault) {
    // The tables of the settings, typed in here again rather than taken from the code.
    const std::map<std::pair<std::string, std::string>, std::string> expected = {
        {{"Display", "LeftW"}, "145"},
        {{"Display", "FolderH"}, "192"},
        {{"Display", "List"}, "0"},
        {{"Display", "Thumb"}, "1"},
        {{"Display", "CurDirectory"}, ""},
        {{"Setup", "PreFolder"}, "1"},
        {{"Setup", "PreFolderPath"}, ""},
        {{"Setup", "Date1"}, "0"},
        {{"Setup", "Date2"}, "_"},
        {{"Setup", "Date3"}, "4"},
        {{"Setup", "Date4"}, "_"},
        {{"Setup", "Date5"}, "2"},
        {{"Setup", "ListThumbSize"}, "1"},
        {{"Setup", "DetailExif"}, "0"},
        {{"Tool", "Pre1"}, "1"},
        {{"Tool", "Pre2"}, "0"},
        {{"Tool", "Preview"}, "640"},
        {{"Tool", "Slide"}, "10"},
        {{"FileCopy", "EditFolder"}, ""},
        {{"FileCopy", "EditDCF"}, "DSCN"},
        {{"FileCopy", "EditName"}, "$F"},
        {{"FileCopy", "RadioButton1"}, "1"},
        {{"FileCopy", "RadioButton2"}, "0"},
        {{"FileCopy", "RadioButton3"}, "0"},
        {{"FileCopy", "RadioButton4"}, "0"},
        {{"FileMove", "EditFolder"}, ""},
        {{"FileMove", "EditDCF"}, "DSCN"},
        {{"FileMove", "EditName"}, "$F"},
        {{"FileMove", "RadioButton1"}, "1"},
        {{"FileMove", "RadioButton2"}, "0"},
        {{"FileMove", "RadioButton3"}, "0"},
        {{"FileMove", "RadioButton4"}, "0"},
        {{"FileRename", "EditDCF"}, "DSCN"},
        {{"FileRename", "EditName"}, "$F"},
        {{"FileRename", "RadioButton2"}, "0"},
        {{"FileRename", "RadioButton3"}, "1"},
        {{"FileRename", "RadioButton4"}, "0"},
        {{"ExifCopy", "EditFolder"}, ""},
        {{"ExifAdd", "EditFolder"}, ""},
        {{"ExifAdd", "CheckBoxFolder"}, "0"},
        {{"ExifDel", "EditFolder"}, ""},
        {{"ExifDel", "CheckBoxFolder"}, "0"},
        {{"EditDate", "RadioButton1"}, "1"},
        {{"EditDate", "RadioButton2"}, "0"},
        {{"EditDate", "RadioButton3"}, "0"},
        {{"EditDate", "DateTime"}, "1"},
        {{"EditDate", "DateTimeOriginal"}, "1"},
        {{"EditDate", "DateTimeDigitized"}, "1"},
        {{"HTML", "EditFolder"}, ""},
        {{"HTML", "EditWidth"}, "640"},
        {{"HTML", "EditWidthS"}, "200"},
        {{"HTML", "RBImage1"}, "1"},
        {{"HTML", "RBImage2"}, "0"},
        {{"HTML", "RBImage3"}, "0"},
        {{"CSV", "EditFile"}, ""},
        {{"CrePrezen", "EditFolder"}, ""},
        {{"CrePrezen", "EditDCF"}, "DSCN"},
    };
    const std::string allFields = " 1 2 3 4 5 6 7 8 910111213141516171819202122232425";
    const std::string allTicked(25, '1');

    const SettingsStore store = SettingsStore::OpenMachine();
    std::set<std::pair<std::string, std::string>> seen;
    std::size_t execValues = 0;
    for (const CatalogueEntry& entry : SettingsCatalogue()) {
        EXPECT_TRUE(seen.insert({platform::FoldRegistryName(entry.section),
                                 platform::FoldRegistryName(entry.name)})
                        .second)
            << entry.section << "\\" << entry.name << " is listed twice";
        const EffectiveValue value = ReadEffective(store, entry);
        EXPECT_TRUE(value.isDefault) << entry.name;
        EXPECT_EQ(FindSetting(entry.section, entry.name), &entry);
        if (entry.section == "Exec") {
            ++execValues;
            EXPECT_EQ(value.text, "") << entry.name;
        } else if (entry.kind == SettingKind::ColumnList) {
            EXPECT_EQ(value.text, allFields) << entry.name;
        } else if (entry.kind == SettingKind::CheckString) {
            EXPECT_EQ(value.text, allTicked) << entry.name;
        } else if (entry.kind == SettingKind::Binary) {
            EXPECT_EQ(value.text, "") << entry.name;
        } else {
            const auto found = expected.find({entry.section, entry.name});
            ASSERT_NE(found, expected.end()) << entry.section << "\\" << entry.name;
            EXPECT_EQ(value.text, found->second) << entry.section << "\\" << entry.name;
        }
    }
    for (const auto& [key, text] : expected) {
        EXPECT_NE(FindSetting(key.first, key.second), nullptr) << key.first << "\\" << key.second;
    }
    EXPECT_EQ(execValues, 26u * 5u);
    for (const char* name :
         {"List", "ListCheck", "Detail", "DetailCheck", "HTML", "HTMLCheck", "CSV", "CSVCheck"}) {
        EXPECT_NE(FindSetting("Setup", name), nullptr) << name;
    }
    for (const char* name : {"FormMainWinPlaceMain", "FontInfoList", "FontInfoDetail"}) {
        EXPECT_NE(FindSetting("", name), nullptr) << name;
    }
    EXPECT_NE(FindSetting("exec", "titlea"), nullptr);
    EXPECT_EQ(FindSetting("Exec", "TitleAA"), nullptr);
    EXPECT_EQ(seen.size(), expected.size() + 8 + 3 + 130);
}

TEST_F(SettingsStoreTest, BooleansAreWrittenAsOneAndZeroAndOtherTextReadsAsTheDefault) {
    SettingsStore store = SettingsStore::OpenMachine();
    ASSERT_TRUE(store.WriteBool("Setup", "DetailExif", true).Ok());
    ASSERT_TRUE(store.Write(settings::kSetupPreFolder, false).Ok());
    EXPECT_EQ(Raw("Setup", "DetailExif"), RegistryValue::Sz("1"));
    EXPECT_EQ(Raw("Setup", "PreFolder"), RegistryValue::Sz("0"));
    EXPECT_TRUE(store.Read(settings::kSetupDetailExif));
    EXPECT_FALSE(store.Read(settings::kSetupPreFolder));

    Plant("Tool", "Pre1", RegistryValue::Sz("yes"));
    Plant("Tool", "Pre2", RegistryValue::Sz("yes"));
    EXPECT_TRUE(store.Read(settings::kToolPre1));
    EXPECT_FALSE(store.Read(settings::kToolPre2));
    // Any other integer is true, as the program reads booleans as integers.
    Plant("Tool", "Pre2", RegistryValue::Sz("-1"));
    EXPECT_TRUE(store.Read(settings::kToolPre2));
    Plant("Tool", "Pre1", RegistryValue::Sz("0"));
    EXPECT_FALSE(store.Read(settings::kToolPre1));
}

TEST_F(SettingsStoreTest, IntegersAreDecimalTextAndAnythingElseGivesTheDefault) {
    SettingsStore store = SettingsStore::OpenMachine();
    ASSERT_TRUE(store.WriteInteger("Display", "LeftW", -1).Ok());
    EXPECT_EQ(Raw("Display", "LeftW"), RegistryValue::Sz("-1"));
    EXPECT_EQ(store.ReadInteger("Display", "LeftW", 145), -1);

    const std::pair<const char*, int> cases[] = {
        {"640", 640}, {"+7", 7},          {"007", 7},   {"-2147483648", -2147483648},
        {" 5", 99},   {"5 ", 99},         {"0x10", 99}, {"$10", 99},
        {"1e3", 99},  {"2147483648", 99}, {"", 99},     {"--1", 99},
        {"+-1", 99},  {"+", 99},
    };
    for (const auto& [text, number] : cases) {
        Plant("Display", "FolderH", RegistryValue::Sz(text));
        EXPECT_EQ(store.ReadInteger("Display", "FolderH", 99), number) << '"' << text << '"';
    }
}

TEST_F(SettingsStoreTest, AValueOfAnotherTypeReadsAsTheDefault) {
    const SettingsStore store = SettingsStore::OpenMachine();
    Plant("Setup", "Date2", RegistryValue::Dword(7));
    Plant("Setup", "Date1", RegistryValue::Dword(3));
    Plant("Tool", "Preview", RegistryValue::Binary("800"));
    Plant("Tool", "Slide", RegistryValue::ExpandSz("20"));
    EXPECT_EQ(store.Read(settings::kSetupDate2), "_");
    EXPECT_EQ(store.Read(settings::kSetupDate1), 0);
    EXPECT_EQ(store.Read(settings::kToolPreview), "640");
    // REG_EXPAND_SZ is a string type too.
    EXPECT_EQ(store.Read(settings::kToolSlide), "20");
    EXPECT_EQ(store.StoredValue("Setup", "Date1"), RegistryValue::Dword(3));
}

TEST_F(SettingsStoreTest, StringsAreStoredAsTheirCp932Bytes) {
    SettingsStore store = SettingsStore::OpenMachine();
    // "表" and "ソ" end in the byte of a backslash.
    const std::string folder = platform::Utf8ToCp932("C:\\写真\\表ソ");
    ASSERT_TRUE(store.Write(settings::kDisplayCurDirectory, folder).Ok());
    EXPECT_EQ(Raw("Display", "CurDirectory"), RegistryValue::Sz(folder));
    EXPECT_EQ(SettingsStore::OpenMachine().Read(settings::kDisplayCurDirectory), folder);
    // Section and value names do not depend on case.
    EXPECT_EQ(store.ReadString("DISPLAY", "curdirectory", ""), folder);
}

TEST_F(SettingsStoreTest, TheValueHtmlOfSetupAndTheSectionHtmlLiveApart) {
    SettingsStore store = SettingsStore::OpenMachine();
    ColumnRows rows = DefaultColumnRows();
    std::swap(rows[0], rows[24]);
    rows[3].ticked = false;
    ASSERT_TRUE(WriteColumnList(store, settings::kSetupHtml, rows).Ok());
    ASSERT_TRUE(store.Write(settings::kHtmlEditFolder, "C:\\album").Ok());
    ASSERT_TRUE(store.Write(settings::kHtmlRBImage2, true).Ok());
    ASSERT_TRUE(store.Write(settings::kCsvEditFile, "C:\\list.csv").Ok());

    const SettingsStore reader = SettingsStore::OpenMachine();
    const ColumnListReading html = ReadColumnList(reader, settings::kSetupHtml);
    EXPECT_FALSE(html.fromDefault);
    EXPECT_EQ(html.rows[0].field, 25);
    EXPECT_FALSE(html.rows[3].ticked);
    EXPECT_TRUE(ReadColumnList(reader, settings::kSetupCsv).fromDefault);
    EXPECT_EQ(reader.Read(settings::kHtmlEditFolder), "C:\\album");
    EXPECT_TRUE(reader.Read(settings::kHtmlRBImage2));
    EXPECT_EQ(reader.Read(settings::kCsvEditFile), "C:\\list.csv");
    EXPECT_EQ(reader.StoredValue("HTML", "HTML"), std::nullopt);
    EXPECT_EQ(reader.StoredValue("Setup", "EditFolder"), std::nullopt);

    auto registry = platform::Registry::OpenMachine();
    auto program = registry.Value().OpenKey(RegistryRoot::CurrentUser, kProgramKey);
    EXPECT_EQ(program.Value()->SubKeyNames().Value(),
              (std::vector<std::string>{"CSV", "HTML", "Setup"}));
}

TEST_F(SettingsStoreTest, AnUnusableRegistryIsReportedAndTheDefaultsApply) {
    std::filesystem::create_directories(machine_.Folder());
    std::ofstream(machine_.Database()) << std::string(8192, 'Z');

    SettingsStore store = SettingsStore::OpenMachine();
    EXPECT_NE(store.Problem().find(machine_.Database().string()), std::string::npos)
        << store.Problem();
    EXPECT_EQ(store.Read(settings::kSetupDate2), "_");
    EXPECT_EQ(store.ReadBinary("FontInfoList", 48), std::nullopt);
    const platform::Status written = store.Write(settings::kSetupDate2, "-");
    EXPECT_FALSE(written.Ok());
    EXPECT_EQ(written.Error(), store.Problem());
    EXPECT_EQ(LiveSettings::Load(store),
              LiveSettings::Load(SettingsStore::Open(machine_.Folder() / "fresh.db")));
}
