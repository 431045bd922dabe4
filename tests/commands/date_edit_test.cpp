// Date editing: from the file time, a given date and time text, a time shift across month and
// year ends, unparsable shifts and dates, and unticked target boxes.

#include "commands/date_edit.h"
#include "commands/date_shift.h"
#include "exif/file_probes.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>

using namespace commands;
using namespace edit_test;

namespace {

struct Dates {
    std::string dateTime, original, digitized;
    friend bool operator==(const Dates&, const Dates&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Dates& d) {
        return out << d.dateTime << " / " << d.original << " / " << d.digitized;
    }
};

Dates DatesOf(const std::filesystem::path& file) {
    return {exif::ReadTagText(file, "DateTime"), exif::ReadTagText(file, "DateTimeOriginal"),
            exif::ReadTagText(file, "DateTimeDigitized")};
}

Dates All(const std::string& date) {
    return {date, date, date};
}

class ADateEdit : public ::testing::Test {
protected:
    fixture::Sandbox box;
    std::filesystem::path folder = box.Path();
    Ports ports;
};

TEST(ATimeShift, ReadsSignDaysHoursMinutesAndSeconds) {
    EXPECT_EQ(ParseTimeShift("+1 02:03"), 86400 + 7200 + 180);
    EXPECT_EQ(ParseTimeShift("-09:30"), -(9 * 3600 + 30 * 60));
    EXPECT_EQ(ParseTimeShift("00:00:45"), 45);
    EXPECT_EQ(ParseTimeShift("  -2 0:05:07 "), -(2 * 86400 + 5 * 60 + 7));
    EXPECT_EQ(ParseTimeShift("+365 00:00"), 365 * 86400);
    for (const char* bad : {"", "+", "1", "12:3", "12:60", "1:00:60", "+-1:00", "1 2", "1d 02:00",
                            "123:00", "02:00:00:00", "２:00", "1  :00"}) {
        EXPECT_FALSE(ParseTimeShift(bad)) << bad;
    }
}

TEST(ATimeShift, MovesDatesAcrossMonthYearAndLeapDays) {
    EXPECT_EQ(ShiftDateText("2000:01:31 23:30:00", 86400 + 3600), "2000:02:02 00:30:00");
    EXPECT_EQ(ShiftDateText("2000:02:28 12:00:00", 86400), "2000:02:29 12:00:00");
    EXPECT_EQ(ShiftDateText("2001:02:28 12:00:00", 86400), "2001:03:01 12:00:00");
    EXPECT_EQ(ShiftDateText("2001:01:01 00:10:00", -20 * 60), "2000:12:31 23:50:00");
    EXPECT_EQ(ShiftDateText("2004:06:15 10:00:00", 0), "2004:06:15 10:00:00");
    for (const char* bad : {"0000:00:00 00:00:00", "2001:02:29 00:00:00", "2001:13:01 00:00:00",
                            "2001:01:01 24:00:00", "2001-01-01 00:00:00", "2001:01:01 00:00",
                            "2001:01:01 00:00:00 ", ""}) {
        EXPECT_FALSE(ShiftDateText(bad, 60)) << bad;
    }
    EXPECT_FALSE(ShiftDateText("9999:12:31 23:59:59", 1));
}

TEST_F(ADateEdit, SetsTheThreeDatesToTheFileTimeAndKeepsThatTime) {
    WritePhoto(folder / "a.jpg");
    const auto time = SetTime(folder / "a.jpg", {2003, 4, 5, 6, 7, 8});

    const auto report = RunDateEdit({folder / "a.jpg"}, {}, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(report->processed, 1);
    ASSERT_TRUE(ports.confirm.shown);
    EXPECT_EQ(Shown(*ports.confirm.shown).at(0),
              (ShownRow{"a.jpg", "日付修正", "2000:12:31 09:05:07", "2003:04:05 06:07:08", true}));
    EXPECT_EQ(DatesOf(folder / "a.jpg"), All("2003:04:05 06:07:08"));
    EXPECT_EQ(platform::LastWriteTime(folder / "a.jpg"), time);
}

TEST_F(ADateEdit, WritesAGivenDateWithTheTimeTextAsTyped) {
    WritePhoto(folder / "a.jpg");
    WritePhoto(folder / "b.jpg");
    DateEditRequest request{
        .source = DateSource::Given, .date = {2001, 2, 3}, .timeText = "04:05:06"};
    ASSERT_TRUE(RunDateEdit({folder / "a.jpg"}, request, ports.Edit()));
    EXPECT_EQ(DatesOf(folder / "a.jpg"), All("2001:02:03 04:05:06"));

    request.timeText = Cp932("4時5分") + "9999";
    ASSERT_TRUE(RunDateEdit({folder / "b.jpg"}, request, ports.Edit()));
    EXPECT_EQ(Shown(*ports.confirm.shown).at(0).newValue, "2001:02:03 4時5分9999");
    // 19 bytes of room: the date, a blank and the first 8 bytes of the text.
    EXPECT_EQ(DatesOf(folder / "b.jpg"), All(Cp932("2001:02:03 4時5分99")));
}

TEST_F(ADateEdit, ShiftsEachFilesOwnDateAcrossAMonthEnd) {
    WritePhoto(folder / "a.jpg", {.date = "2000:01:31 23:30:00"});
    WritePhoto(folder / "b.jpg", {.date = "2001:02:28 22:00:00"});
    const DateEditRequest request{.source = DateSource::Shift, .shiftText = "+1 01:00"};

    const auto report = RunDateEdit({folder / "a.jpg", folder / "b.jpg"}, request, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(report->processed, 2);
    EXPECT_EQ(Shown(*ports.confirm.shown).at(0).newValue, "2000:02:02 00:30:00");
    EXPECT_EQ(DatesOf(folder / "a.jpg"), All("2000:02:02 00:30:00"));
    EXPECT_EQ(DatesOf(folder / "b.jpg"), All("2001:03:01 23:00:00"));
}

// DateTime often says when a program last saved the file: a shift moves each tag by its own
// date, so the shooting date never takes it, and a tag whose date does not shift stays.
TEST_F(ADateEdit, ShiftsEachTagByItsOwnDate) {
    WritePhoto(folder / "edited.jpg",
               {.date = "2004:06:15 10:00:00", .saved = "2010:01:02 03:04:05"});
    WritePhoto(folder / "reset.jpg",
               {.date = "2004:06:15 10:00:00", .saved = "0000:00:00 00:00:00"});
    const DateEditRequest request{.source = DateSource::Shift, .shiftText = "-01:00"};

    const auto report =
        RunDateEdit({folder / "edited.jpg", folder / "reset.jpg"}, request, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(report->processed, 2);
    EXPECT_EQ(DatesOf(folder / "edited.jpg"),
              (Dates{"2010:01:02 02:04:05", "2004:06:15 09:00:00", "2004:06:15 09:00:00"}));
    EXPECT_EQ(DatesOf(folder / "reset.jpg"),
              (Dates{"0000:00:00 00:00:00", "2004:06:15 09:00:00", "2004:06:15 09:00:00"}));
    EXPECT_EQ(Shown(*ports.confirm.shown).at(1),
              (ShownRow{"reset.jpg", "日付修正", "2004:06:15 10:00:00", "2004:06:15 09:00:00",
                        true}));
}

TEST_F(ADateEdit, LeavesAFileWhoseDateCannotBeShiftedAloneEvenWhenTicked) {
    WritePhoto(folder / "clockless.jpg", {.date = "0000:00:00 00:00:00"});
    const auto before = ReadAll(folder / "clockless.jpg");
    ports.confirm.beforeAnswer = [](ConfirmationList& list) { list.CheckAll(true); };

    const auto report =
        RunDateEdit({folder / "clockless.jpg"},
                    {.source = DateSource::Shift, .shiftText = "-01:00"}, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(Shown(*ports.confirm.shown).at(0),
              (ShownRow{"clockless.jpg", "日付修正", "0000:00:00 00:00:00", "0000:00:00 00:00:00",
                        false}));
    EXPECT_EQ(report->processed, 0);
    EXPECT_EQ(ReadAll(folder / "clockless.jpg"), before);
}

TEST_F(ADateEdit, RefusesAShiftThatDoesNotParseBeforeShowingAnyRow) {
    WritePhoto(folder / "a.jpg");

    const auto report =
        RunDateEdit({folder / "a.jpg"}, {.source = DateSource::Shift, .shiftText = "ten minutes"},
                    ports.Edit());

    EXPECT_FALSE(report);
    EXPECT_EQ(ports.confirm.calls, 0);
    ASSERT_EQ(ports.prompt.tells.size(), 1u);
    EXPECT_NE(ports.prompt.tells[0].find("「ten minutes」"), std::string::npos);
}

TEST_F(ADateEdit, WritesOnlyTheTickedTargetsAndNothingWithNone) {
    WritePhoto(folder / "a.jpg");
    WritePhoto(folder / "b.jpg");
    const DateEditRequest some{.source = DateSource::Given,
                               .date = {2010, 10, 10},
                               .timeText = "10:10:10",
                               .targets = {false, true, false}};
    ASSERT_TRUE(RunDateEdit({folder / "a.jpg"}, some, ports.Edit()));
    EXPECT_EQ(DatesOf(folder / "a.jpg"),
              (Dates{"2000:12:31 09:05:07", "2010:10:10 10:10:10", "2000:12:31 09:05:07"}));

    const auto before = ReadAll(folder / "b.jpg");
    DateEditRequest none = some;
    none.targets = {false, false, false};
    const auto report = RunDateEdit({folder / "b.jpg"}, none, ports.Edit());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->processed, 1);
    EXPECT_EQ(ReadAll(folder / "b.jpg"), before);
}

} // namespace
