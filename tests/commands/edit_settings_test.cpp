// The registry sections of the editing dialogs: defaults of a fresh user, values read back as
// written, the stored texts, and radio values the system would not write.

#include "commands/edit_settings.h"
#include "platform/codepage.h"
#include "tests/support/machine_sandbox.h"

#include <gtest/gtest.h>

using namespace commands;

namespace {

class EditSettings : public ::testing::Test {
protected:
    fixture::MachineSandbox machine;
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
};

TEST_F(EditSettings, AFreshUserGetsTheDefaults) {
    const DateEditSettings date = ReadDateEditSettings(store);
    EXPECT_EQ(date.source, DateSource::FileTime);
    EXPECT_TRUE(date.targets.dateTime && date.targets.dateTimeOriginal &&
                date.targets.dateTimeDigitized);
    EXPECT_EQ(ReadExifCopyFolder(store), "");
    for (const ExifOutputSection section : {ExifOutputSection::Add, ExifOutputSection::Delete}) {
        const OutputChoice output = ReadExifOutput(store, section);
        EXPECT_FALSE(output.copyToFolder);
        EXPECT_EQ(output.folder, "");
    }
}

TEST_F(EditSettings, DateValuesAreStoredAsOneAndZeroUnderTheirNames) {
    WriteDateEditSettings(store, {DateSource::Shift, {true, false, true}});

    const std::pair<const char*, const char*> stored[] = {
        {"RadioButton1", "0"}, {"RadioButton2", "0"},     {"RadioButton3", "1"},
        {"DateTime", "1"},     {"DateTimeOriginal", "0"}, {"DateTimeDigitized", "1"}};
    for (const auto& [name, text] : stored) {
        EXPECT_EQ(store.StoredText("EditDate", name), text) << name;
    }
    const DateEditSettings back = ReadDateEditSettings(store);
    EXPECT_EQ(back.source, DateSource::Shift);
    EXPECT_FALSE(back.targets.dateTimeOriginal);
}

TEST_F(EditSettings, TheLastRadioValueThatIsTrueCounts) {
    ASSERT_TRUE(store.WriteString("EditDate", "RadioButton2", "1").Ok());
    EXPECT_EQ(ReadDateEditSettings(store).source, DateSource::Given); // RadioButton1 defaults to 1
    ASSERT_TRUE(store.WriteString("EditDate", "RadioButton1", "0").Ok());
    ASSERT_TRUE(store.WriteString("EditDate", "RadioButton2", "0").Ok());
    EXPECT_EQ(ReadDateEditSettings(store).source, DateSource::FileTime);
}

TEST_F(EditSettings, FoldersAreStoredAsCp932TextInTheirOwnSections) {
    const std::filesystem::path copyFrom = "/写真/カメラ";
    const std::filesystem::path addTo = "/写真/追加後";
    WriteExifCopyFolder(store, copyFrom);
    WriteExifOutput(store, ExifOutputSection::Add, {true, addTo});

    EXPECT_EQ(store.StoredText("ExifCopy", "EditFolder"), platform::Utf8ToCp932("/写真/カメラ"));
    EXPECT_EQ(store.StoredText("ExifAdd", "CheckBoxFolder"), "1");
    EXPECT_EQ(ReadExifCopyFolder(store), copyFrom);
    const OutputChoice add = ReadExifOutput(store, ExifOutputSection::Add);
    EXPECT_TRUE(add.copyToFolder);
    EXPECT_EQ(add.folder, addTo);
    EXPECT_FALSE(ReadExifOutput(store, ExifOutputSection::Delete).copyToFolder);
}

} // namespace
