// Date names, sequence names and the running numbers that keep a batch free of collisions.

#include "exif/cp932_case.h"
#include "exif/name_templates.h"
#include "platform/codepage.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"

#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace exif;
using namespace fixture;

namespace {

constexpr std::uint16_t kMake = 0x010F, kDateTimeOriginal = 0x9003;

NameTemplateSettings Settings(std::string_view datePattern, std::string_view dateSeparator,
                              std::string_view timePattern, std::string_view timeSeparator,
                              int digits) {
    return {platform::Utf8ToCp932(datePattern), platform::Utf8ToCp932(dateSeparator),
            platform::Utf8ToCp932(timePattern), platform::Utf8ToCp932(timeSeparator), digits};
}

std::vector<std::filesystem::path> Names(std::initializer_list<const char*> names) {
    return {names.begin(), names.end()};
}

class NameTemplates : public ::testing::Test {
protected:
    void SetUp() override {
        destination = sandbox.Path() / "destination";
        std::filesystem::create_directory(destination);
    }
    // A camera file shot at the given date, in a source folder of its own.
    std::filesystem::path Photo(std::string_view date, const std::string& name = "a.JPG") {
        std::filesystem::create_directories(sandbox.Path() / "source");
        const auto path = sandbox.Path() / "source" / name;
        ExifContent content;
        content.ifd0 = {Ascii(kMake, "NIKON")};
        content.exif = std::vector<Entry>{Ascii(kDateTimeOriginal, date)};
        WriteFile(path, BuildJpeg(content).bytes);
        return path;
    }
    void Touch(const std::string& name) const { WriteFile(destination / name, {}); }
    std::string DateName(const std::filesystem::path& source, const NameTemplateSettings& settings,
                         const std::vector<std::filesystem::path>& batch = {}) const {
        return MakeDateName(source, destination, batch, "", settings).string();
    }
    std::string SequenceName(std::string_view prefix,
                             const std::vector<std::filesystem::path>& batch = {},
                             const std::filesystem::path& source = "b.jpg") const {
        return MakeSequenceName(source, destination, batch, platform::Utf8ToCp932(prefix), {})
            .string();
    }
    Sandbox sandbox;
    std::filesystem::path destination;
};

} // namespace

TEST_F(NameTemplates, BuildsADateNameFromDateTimeAndNumber) {
    const auto photo = Photo("2000:12:31 09:05:07");
    EXPECT_EQ(DateName(photo, Settings("YYYYMMDD", "", "HHMMSS", "_", 3)),
              "20001231090507_001.jpg");
    EXPECT_EQ(DateName(photo, Settings("YYMMDD", "", "HH.MM", "_", 3)), "00123109.05_001.jpg");
    EXPECT_EQ(DateName(photo, Settings("DDMMYYYY", "", "HH時MM分SS秒", "", 0)),
              "3112200009時05分07秒.jpg");
    EXPECT_EQ(DateName(photo, Settings("DDMM", "-", "HH時", "", 0)), "3112-09時.jpg");
}

TEST_F(NameTemplates, ReadsTheShortMonthDayYearPatternAsAFourDigitYear) {
    const auto photo = Photo("2000:12:31 09:05:07");
    EXPECT_EQ(DatePatternChoices()[1], "MMDDYYY");
    EXPECT_EQ(DateName(photo, Settings("MMDDYYY", "", "HHMM", "", 0)), "123120000905.jpg");
}

TEST_F(NameTemplates, PutsNoTimeForTheNoTimePatternButKeepsBothSeparators) {
    const auto photo = Photo("2000:12:31 09:05:07");
    EXPECT_EQ(DateName(photo, Settings("YYYYMMDD", "", "時間なし", "_", 0)), "20001231_.jpg");
    EXPECT_EQ(DateName(photo, Settings("YYMMDD", "+", "時間なし", "_", 2)), "001231+_01.jpg");
}

TEST_F(NameTemplates, NumbersPastTheFolderAndPastTheBatch) {
    const auto photo = Photo("2000:12:31 09:05:07");
    Touch("20001231_004.jpg");
    Touch("20001231_010.jpg");
    Touch("20001231_x99.jpg");
    const auto settings = Settings("YYYYMMDD", "_", "時間なし", "", 3);
    EXPECT_EQ(DateName(photo, settings), "20001231_011.jpg");
    EXPECT_EQ(DateName(photo, settings, {"20001231_011.jpg"}), "20001231_012.jpg");
}

TEST_F(NameTemplates, GivesABatchShotInOneSecondDistinctNames) {
    const auto settings = Settings("YYYYMMDD", "_", "HHMMSS", "_", 2);
    std::vector<std::filesystem::path> batch;
    for (const std::string name : {"a.JPG", "b.JPG", "c.JPG"}) {
        batch.push_back(
            MakeDateName(Photo("2000:12:31 09:05:07", name), destination, batch, "", settings));
    }
    ASSERT_EQ(batch.size(), 3u);
    EXPECT_EQ(batch[0].string(), "20001231_090507_01.jpg");
    EXPECT_EQ(batch[1].string(), "20001231_090507_02.jpg");
    EXPECT_EQ(batch[2].string(), "20001231_090507_03.jpg");
}

TEST_F(NameTemplates, CountsTheBatchWhateverTheCaseOfItsLetters) {
    // Date names come out in lower case, while the prefix they are numbered under keeps the
    // separator's capitals.
    const auto photo = Photo("2000:12:31 09:05:07");
    const auto settings = Settings("YYYYMMDD", "IMG", "時間なし", "", 1);
    const std::string first = DateName(photo, settings);
    EXPECT_EQ(first, "20001231img1.jpg");
    EXPECT_EQ(DateName(photo, settings, {first}), "20001231img2.jpg");
    EXPECT_EQ(SequenceName("dscn"), "DSCN0001.JPG");
    EXPECT_EQ(SequenceName("dscn", {"DSCN0001.JPG"}), "DSCN0002.JPG");
}

TEST_F(NameTemplates, UsesTheFileTimeWithoutAShootingDate) {
    const auto path = sandbox.Path() / "undated.JPG";
    ExifContent content;
    content.ifd0 = {Ascii(kMake, "Canon")};
    WriteFile(path, BuildJpeg(content).bytes);
    std::tm local{};
    local.tm_year = 2002 - 1900;
    local.tm_mon = 6;
    local.tm_mday = 8;
    local.tm_hour = 14;
    local.tm_min = 30;
    local.tm_isdst = -1;
    const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(DateName(path, Settings("YYYYMMDD", "_", "HHMM", "", 0)), "20020708_1430.jpg");
}

TEST_F(NameTemplates, UsesTheNoDateDateForAnEmptyShootingDate) {
    EXPECT_EQ(DateName(Photo(""), Settings("YYYYMMDD", "_", "HHMMSS", "", 0)),
              "99999999_999999.jpg");
}

TEST_F(NameTemplates, ReplacesTokensOnlyAtCharacterBoundaries) {
    // ギ is 0x83 0x4D: its trail byte and the next "M" are not the month.
    const auto photo = Photo("2000:12:31 09:05:07");
    EXPECT_EQ(DateName(photo, Settings("ギMMDD", "", "時間なし", "", 0)), "ギ1231.jpg");
}

TEST_F(NameTemplates, LowerCasesSingleByteLettersButNoTrailByte) {
    // ア is 0x83 0x41, whose trail byte is an "A"; lower-cased it would turn into ヂ.
    const auto photo = Photo("2000:12:31 09:05:07", "P.JPG");
    EXPECT_EQ(DateName(photo, Settings("YYYYMMDD", "ア", "時間なし", "X", 0)), "20001231アx.jpg");
    EXPECT_EQ(platform::Cp932ToUtf8(Cp932ToLower(platform::Utf8ToCp932("AアBヂ"))), "aアbヂ");
    EXPECT_EQ(platform::Cp932ToUtf8(Cp932ToUpper(platform::Utf8ToCp932("aヂbア"))), "AヂBア");
    EXPECT_TRUE(
        Cp932StartsWithNoCase(platform::Utf8ToCp932("ヂsc1"), platform::Utf8ToCp932("ヂSC")));
    EXPECT_FALSE(Cp932StartsWithNoCase(platform::Utf8ToCp932("ヂ"), platform::Utf8ToCp932("ア")));
}

TEST_F(NameTemplates, NumbersSequenceNamesPastTheFolderInUpperCase) {
    Touch("DSCN0041.JPG");
    Touch("dscn0007.jpg");
    std::filesystem::create_directory(destination / "DSCN0100");
    EXPECT_EQ(SequenceName("DSCN"), "DSCN0042.JPG") << "folders do not count";
    EXPECT_EQ(SequenceName("Pict"), "PICT0001.JPG");
}

TEST_F(NameTemplates, GivesShortPrefixesMoreDigitsAndRollsOverIntoAnExtraDigit) {
    EXPECT_EQ(SequenceName("PHOTO"), "PHOTO001.JPG");
    Touch("PHOTO999.JPG");
    const std::string rolled = SequenceName("PHOTO");
    EXPECT_EQ(rolled, "PHOTO1000.JPG");
    EXPECT_EQ(SequenceName("PHOTO", {rolled}), "PHOTO1001.JPG");
    Touch(rolled);
    EXPECT_EQ(SequenceName("PHOTO"), "PHOTO1001.JPG");
}

TEST_F(NameTemplates, NumbersLongPrefixesWithoutPadding) {
    EXPECT_EQ(SequenceName("HOLIDAYS"), "HOLIDAYS1.JPG");
    EXPECT_EQ(SequenceName("HOLIDAYS", {"HOLIDAYS1.JPG"}), "HOLIDAYS2.JPG");
    EXPECT_EQ(SequenceName("SUMMER2000", {"SUMMER20001.JPG", "SUMMER200012.JPG"}),
              "SUMMER200013.JPG");
}

TEST_F(NameTemplates, ReadsTheNumbersOfFolderAndBatch) {
    Touch("IMG_0012.JPG");
    Touch("img_0030.tif");
    Touch("IMG_12.JPG");
    Touch("IMG_ABCD.JPG");
    EXPECT_EQ(HighestNumber(destination, "IMG_", {}, 4), 30);
    EXPECT_EQ(HighestNumber(destination, "IMG_", Names({"IMG_0031.JPG", "X_0099.JPG"}), 4), 31);
    EXPECT_EQ(HighestNumber(destination, "PICT", {}, 4), 0);
    EXPECT_EQ(HighestNumber(destination / "missing", "IMG_", Names({"IMG_0005.JPG"}), 4), 5)
        << "a folder that does not exist yet holds nothing";
}

TEST_F(NameTemplates, SharesOneShapeSoTheCallerHoldsTheChosenMaker) {
    const NameMaker makers[] = {MakeDateName, MakeSequenceName, KeepName};
    const auto photo = Photo("2000:12:31 09:05:07", "Keep Me.JPG");
    const auto settings = Settings("YYMMDD", "", "時間なし", "", 0);
    const auto prefix = platform::Utf8ToCp932("DSCN");
    EXPECT_EQ(makers[0](photo, destination, {}, prefix, settings).string(), "001231.jpg");
    EXPECT_EQ(makers[1](photo, destination, {}, prefix, settings).string(), "DSCN0001.JPG");
    EXPECT_EQ(makers[2](photo, destination, {}, prefix, settings).string(), photo.string());
}
