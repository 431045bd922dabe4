#include "commands/batch_naming.h"
#include "commands/file_plan.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "tests/commands/file_command_fixture.h"

#include <gtest/gtest.h>

using namespace commands;
using fixture::Sjis;
namespace fs = std::filesystem;

namespace {

// The names the name templates give one file after another, the batch's list growing.
std::vector<fs::path> OneByOne(const std::vector<fs::path>& sources, const fs::path& folder,
                               const NamingRequest& request) {
    std::vector<fs::path> batch;
    std::vector<fs::path> names;
    for (const fs::path& source : sources) {
        if (request.choice == NamingChoice::Keep) {
            names.push_back(source.filename());
            continue;
        }
        const exif::NameMaker maker =
            request.choice == NamingChoice::Dcf ? exif::MakeSequenceName : exif::MakeDateName;
        batch.push_back(maker(source, folder, batch, request.prefix, request.settings));
        names.push_back(batch.back());
    }
    return names;
}

class BatchNaming : public fixture::FileCommandTest, public ::testing::Test {
protected:
    void SetUp() override {
        // Names in the destination that the running numbers must step over, in several spellings.
        for (const char* name :
             {"20001231_0905_004.jpg", "20001231_0905_010.JPG", "20001231_0905_x12.jpg",
              "20001231X0905_007.jpg", "20001231_0905_2.jpg", "DSCN0041.JPG", "dscn0099.jpg",
              "DSCN12345.JPG", "DSCNabc.JPG", "IMG_0003.jpg", "20001231_0905時05分07秒x_09.jpg"}) {
            WriteFile(fs::path("out") / name, "x");
        }
        fs::create_directories(out / "20001231_0905_050.jpg"); // a folder does not count
        for (int i = 0; i < 6; ++i) {
            sources.push_back(WritePhoto("in/p" + std::to_string(i) + ".JPG",
                                         i < 4 ? "2000:12:31 09:05:07" : ""));
        }
        sources.push_back(WriteFile("in/q.jpeg", "no exif at all"));
    }

    void ExpectSameNames(const NamingRequest& request) {
        const auto expected = OneByOne(sources, out, request);
        const auto folderOf = [this](const fs::path&) { return out; };
        EXPECT_EQ(NewNames(sources, folderOf, request), expected)
            << "prefix " << request.prefix << ", digits " << request.settings.digits;
    }

    fs::path out = sandbox.Path() / "out";
    std::vector<fs::path> sources;
};

exif::NameTemplateSettings Settings(int date, const std::string& dateSeparator, int time,
                                    const std::string& timeSeparator, int digits) {
    return {exif::DatePatternChoices()[static_cast<std::size_t>(date)], Sjis(dateSeparator),
            exif::TimePatternChoices()[static_cast<std::size_t>(time)], Sjis(timeSeparator),
            digits};
}

} // namespace

TEST_F(BatchNaming, DateNamesAreTheNameTemplatesOwn) {
    for (int digits = 0; digits <= 5; ++digits) {
        ExpectSameNames({NamingChoice::ShotDate, "", Settings(0, "_", 4, "_", digits)});
    }
    ExpectSameNames({NamingChoice::ShotDate, "", Settings(0, "x", 4, "_", 2)});
    ExpectSameNames({NamingChoice::ShotDate, "", Settings(0, "_", 2, "x_", 1)});
    ExpectSameNames({NamingChoice::ShotDate, "", Settings(6, "", 0, "", 3)});
}

TEST_F(BatchNaming, SequenceNamesAreTheNameTemplatesOwn) {
    for (const char* prefix : {"DSCN", "dscn", "IMG_", "P", "LONGNAME", "TOOLONGNAME", ""}) {
        ExpectSameNames({NamingChoice::Dcf, prefix, {}});
    }
    ExpectSameNames({NamingChoice::Dcf, Sjis("写真"), {}});
    ExpectSameNames({NamingChoice::Keep, "", {}});
}

TEST_F(BatchNaming, EachFolderIsListedOnceButItsNamesStillCount) {
    BatchNamer namer({NamingChoice::Dcf, "DSCN", {}});
    EXPECT_EQ(namer.NameFor(sources[0], out), "DSCN12346.JPG");
    WriteFile("out/DSCN99999.JPG", "written after the folder was listed");
    EXPECT_EQ(namer.NameFor(sources[1], out), "DSCN12347.JPG")
        << "the plan is made from the folder as it was when the batch began";
    EXPECT_EQ(namer.NameFor(sources[2], sandbox.Path() / "elsewhere"), "DSCN12348.JPG")
        << "the batch's names count in every folder";
    EXPECT_THROW((void)namer.NameFor(sources[0], sources[0] / "not a folder"), platform::FileError);
}

TEST_F(BatchNaming, DatesReadAheadOnSeveralThreadsNameAsOneByOneAndTheFirstUnreadableFails) {
    for (int i = 0; i < 200; ++i) {
        char date[20];
        std::snprintf(date, sizeof date, "2001:01:%02d 10:00:%02d", 1 + i % 3, i % 7);
        sources.push_back(WritePhoto("many/m" + std::to_string(i) + ".JPG", date));
    }
    ExpectSameNames({NamingChoice::ShotDate, "", Settings(0, "_", 4, "_", 2)});

    const auto folderOf = [this](const fs::path&) { return out; };
    std::vector<fs::path> withMissing = sources;
    withMissing[150] = sandbox.Path() / "gone150.JPG";
    withMissing[30] = sandbox.Path() / "gone30.JPG";
    try {
        (void)NewNames(withMissing, folderOf,
                       {NamingChoice::ShotDate, "", Settings(0, "_", 4, "_", 2)});
        FAIL() << "no error";
    } catch (const platform::FileError& error) {
        EXPECT_EQ(error.path(), withMissing[30]);
    }
}
