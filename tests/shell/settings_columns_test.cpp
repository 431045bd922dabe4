#include "exif/summary_fields.h"
#include "platform/codepage.h"
#include "shell/settings_columns.h"
#include "tests/support/machine_sandbox.h"

#include <gtest/gtest.h>

using namespace shell;

namespace {

const std::string kAllFields = " 1 2 3 4 5 6 7 8 910111213141516171819202122232425";
const std::string kAllTicked(25, '1');

std::string FieldName(int field) {
    return exif::SummaryFieldOf(static_cast<exif::SummaryFieldId>(field)).name;
}

void ExpectDefault(const ColumnListReading& reading, const std::string& why) {
    EXPECT_TRUE(reading.fromDefault) << why;
    for (std::size_t row = 0; row < reading.rows.size(); ++row) {
        EXPECT_EQ(reading.rows[row].field, static_cast<int>(row) + 1) << why;
        EXPECT_TRUE(reading.rows[row].ticked) << why;
    }
}

} // namespace

TEST(ColumnLists, SwappedFirstRowsShowFileSizeUntickedThenFileNameTicked) {
    const std::string list = " 2 1" + kAllFields.substr(4);
    const std::string check = "0" + std::string(24, '1');
    const ColumnListReading reading = ReadColumnList(list, check);
    ASSERT_FALSE(reading.fromDefault);
    EXPECT_EQ(FieldName(reading.rows[0].field), platform::Utf8ToCp932("ファイルサイズ"));
    EXPECT_FALSE(reading.rows[0].ticked);
    EXPECT_EQ(FieldName(reading.rows[1].field), platform::Utf8ToCp932("ファイル名"));
    EXPECT_TRUE(reading.rows[1].ticked);
    EXPECT_EQ(reading.rows[24].field, 25);

    const ColumnListText text = EncodeColumnList(reading.rows);
    EXPECT_EQ(text.list, list);
    EXPECT_EQ(text.check, check);
}

TEST(ColumnLists, TheDefaultIsEveryFieldInTableOrderTicked) {
    const ColumnListText text = EncodeColumnList(DefaultColumnRows());
    EXPECT_EQ(text.list, kAllFields);
    EXPECT_EQ(text.check, kAllTicked);
    ExpectDefault(ReadColumnList(std::nullopt, std::nullopt), "absent");
    // An empty list wins over any check string.
    ExpectDefault(ReadColumnList(std::string(), std::string(25, '0')), "empty");
}

TEST(ColumnLists, MalformedListsFallBackToTheDefault) {
    const std::string reversed = "25242322212019181716151413121110 9 8 7 6 5 4 3 2 1";
    ASSERT_FALSE(ReadColumnList(reversed, std::string(25, '0')).fromDefault);
    const std::pair<std::string, std::string> cases[] = {
        {kAllFields.substr(0, 48), "two characters short"},
        {kAllFields + " 1", "two characters over"},
        {" 1 1" + kAllFields.substr(4), "a field twice"},
        {"26" + kAllFields.substr(2), "a field above 25"},
        {"xx" + kAllFields.substr(2), "no number"},
        {"  " + kAllFields.substr(2), "a blank cell"},
        {"-1" + kAllFields.substr(2), "a sign"},
        {" 2 0" + kAllFields.substr(4), "a zero that names a field already there"},
    };
    for (const auto& [list, why] : cases) {
        ExpectDefault(ReadColumnList(list, std::string(25, '0')), why);
    }
}

TEST(ColumnLists, ZeroMeansTheRowsOwnFieldAndTicksNeedAOne) {
    // A name not in the table was written as 0; it reads as the field of its row.
    const std::string list = " 0" + kAllFields.substr(2, 46) + "25";
    const ColumnListReading reading = ReadColumnList(list, std::string("1x0"));
    ASSERT_FALSE(reading.fromDefault);
    EXPECT_EQ(reading.rows[0].field, 1);
    EXPECT_TRUE(reading.rows[0].ticked);
    EXPECT_FALSE(reading.rows[1].ticked); // "x"
    EXPECT_FALSE(reading.rows[2].ticked);
    EXPECT_FALSE(reading.rows[3].ticked); // beyond the check string
    // Blanks on either side of a number are trimmed.
    EXPECT_FALSE(ReadColumnList("1 " + kAllFields.substr(2), kAllTicked).fromDefault);

    EXPECT_EQ(ColumnRowOf(platform::Utf8ToCp932("コメント"), true).field, 25);
    ColumnRows rows = DefaultColumnRows();
    rows[4] = ColumnRowOf(platform::Utf8ToCp932("存在しない欄"), false);
    rows[5].field = 99;
    const ColumnListText text = EncodeColumnList(rows);
    EXPECT_EQ(text.list.substr(8, 4), " 0 0");
    EXPECT_EQ(text.check.substr(3, 3), "101");
}

TEST(ColumnLists, AListWrittenToTheStoreReadsBackWithItsTicks) {
    fixture::MachineSandbox machine;
    ColumnRows rows;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        rows[row] = {static_cast<int>(rows.size() - row), row % 3 == 0};
    }
    SettingsStore store = SettingsStore::OpenMachine();
    ASSERT_TRUE(WriteColumnList(store, settings::kSetupDetail, rows).Ok());
    EXPECT_EQ(store.StoredText("Setup", "Detail"),
              "25242322212019181716151413121110 9 8 7 6 5 4 3 2 1");
    EXPECT_EQ(store.StoredText("Setup", "DetailCheck"), "1001001001001001001001001");
    const ColumnListReading reading = ReadColumnList(store, settings::kSetupDetail);
    EXPECT_FALSE(reading.fromDefault);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(reading.rows[row].field, rows[row].field);
        EXPECT_EQ(reading.rows[row].ticked, rows[row].ticked);
    }
}

TEST(TickedFields, KeepTheChoiceOrderAndSkipUntickedRows) {
    ColumnRows rows = DefaultColumnRows();
    std::swap(rows[0], rows[11]);
    for (std::size_t i = 3; i < rows.size(); ++i) {
        rows[i].ticked = false;
    }
    rows[1].ticked = false;
    EXPECT_EQ(TickedFields(rows), (std::vector<exif::SummaryFieldId>{exif::SummaryFieldId::Aperture,
                                                                     exif::SummaryFieldId::Make}));
}
