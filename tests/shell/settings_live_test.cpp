// The live copy of Setup, Tool and Exec, and the external-program table inside it.

#include "platform/codepage.h"
#include "shell/settings_live.h"
#include "tests/support/machine_sandbox.h"

#include <gtest/gtest.h>

using namespace shell;

TEST(ExecTable, ValuesAreNamedByWordAndLetterAndOptionsKeepTheirOrder) {
    EXPECT_EQ(ExecValueName(ExecField::Title, 0), "TitleA");
    EXPECT_EQ(ExecValueName(ExecField::Program, 1), "ProgramB");
    EXPECT_EQ(ExecValueName(ExecField::Param, 2), "ParamC");
    EXPECT_EQ(ExecValueName(ExecField::Work, 3), "WorkD");
    EXPECT_EQ(ExecValueName(ExecField::Exif, 25), "ExifZ");

    EXPECT_EQ(ParseExecOptions("MTE"), (ExecOptions{true, true, false, true}));
    EXPECT_EQ(ParseExecOptions("xd"), ExecOptions{});
    EXPECT_EQ(FormatExecOptions(ParseExecOptions("MDTE")), "ETDM");
    EXPECT_EQ(FormatExecOptions({false, true, false, true}), "TM");
}

TEST(ExecTable, RoundTripsThroughTheStore) {
    fixture::MachineSandbox machine;
    SettingsStore store = SettingsStore::OpenMachine();
    ExecTable table;
    table[0] = {platform::Utf8ToCp932("画像編集"),
                "C:\\Tools\\edit.exe",
                "$P\\$F",
                "C:\\Tools",
                {true, false, true, false}};
    table[25].title = "Last";
    ASSERT_TRUE(WriteExecTable(store, table).Ok());
    EXPECT_EQ(store.StoredText("Exec", "ExifA"), "ED");
    EXPECT_EQ(store.StoredText("Exec", "TitleZ"), "Last");
    EXPECT_EQ(store.StoredText("Exec", "ProgramM"), "");
    EXPECT_EQ(ReadExecTable(SettingsStore::OpenMachine()), table);
}

TEST(LiveSettings, SaveThenLoadGivesTheSameCopyAndReloadDropsChanges) {
    fixture::MachineSandbox machine;
    SettingsStore store = SettingsStore::OpenMachine();
    LiveSettings live = LiveSettings::Load(store);
    live.setup.startInLastFolder = false;
    live.setup.homeFolder = platform::Utf8ToCp932("D:\\写真");
    live.setup.datePattern = 3;
    live.setup.dateSeparator = "-";
    live.setup.timePattern = 5;
    live.setup.timeSeparator = "";
    live.setup.digits = 0;
    std::swap(live.setup.csvColumns[0], live.setup.csvColumns[1]);
    live.setup.csvColumns[1].ticked = false;
    live.setup.largeThumbnails = false;
    live.setup.detailExif = true;
    live.tool = {false, true, "800", "3"};
    live.exec[2].title = "C";
    ASSERT_TRUE(live.Save(store).Ok());

    const LiveSettings loaded = LiveSettings::Load(SettingsStore::OpenMachine());
    EXPECT_EQ(loaded, live);
    EXPECT_EQ(store.StoredText("Setup", "CSV").value().substr(0, 4), " 2 1");
    EXPECT_EQ(store.StoredText("Setup", "CSVCheck").value().substr(0, 3), "101");
    EXPECT_EQ(store.StoredText("Setup", "Date3"), "5");

    const exif::NameTemplateSettings names = loaded.NameTemplate();
    EXPECT_EQ(names.datePattern, "YYMMDD");
    EXPECT_EQ(names.dateSeparator, "-");
    EXPECT_EQ(names.timePattern, platform::Utf8ToCp932("HH時MM分"));
    EXPECT_EQ(names.timeSeparator, "");
    EXPECT_EQ(names.digits, 0);

    // The copy is not the registry: edits stay in it until saved, and a reload drops them.
    LiveSettings edited = loaded;
    edited.tool.slideInterval = "99";
    ASSERT_TRUE(store.Write(settings::kToolPreview, "1024").Ok());
    EXPECT_EQ(edited.tool.previewWidth, "800");
    edited.Reload(store);
    EXPECT_EQ(edited.tool.slideInterval, "3");
    EXPECT_EQ(edited.tool.previewWidth, "1024");
}

TEST(LiveSettings, PatternIndexesOutsideTheirListsReadAsTheDefaults) {
    fixture::MachineSandbox machine;
    SettingsStore store = SettingsStore::OpenMachine();
    ASSERT_TRUE(store.WriteInteger("Setup", "Date1", 9).Ok());
    ASSERT_TRUE(store.WriteInteger("Setup", "Date3", -1).Ok());
    ASSERT_TRUE(store.WriteInteger("Setup", "Date5", 6).Ok());
    LiveSettings live = LiveSettings::Load(store);
    EXPECT_EQ(live.setup.datePattern, 0);
    EXPECT_EQ(live.setup.timePattern, 4);
    EXPECT_EQ(live.setup.digits, 2);

    ASSERT_TRUE(store.WriteInteger("Setup", "Date1", 8).Ok());
    ASSERT_TRUE(store.WriteInteger("Setup", "Date3", 0).Ok());
    ASSERT_TRUE(store.WriteInteger("Setup", "Date5", 5).Ok());
    live.Reload(store);
    exif::NameTemplateSettings names = live.NameTemplate();
    EXPECT_EQ(names.datePattern, "DDMM");
    EXPECT_EQ(names.timePattern, platform::Utf8ToCp932("時間なし"));
    EXPECT_EQ(names.digits, 5);

    // A copy changed by hand out of range still gives usable names.
    live.setup.datePattern = 42;
    live.setup.timePattern = 9;
    live.setup.digits = -3;
    names = live.NameTemplate();
    EXPECT_EQ(names.datePattern, "YYYYMMDD");
    EXPECT_EQ(names.timePattern, "HHMM");
    EXPECT_EQ(names.digits, 2);
}
