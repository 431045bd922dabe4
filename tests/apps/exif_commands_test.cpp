// lumaro summary, pane and names, run as the command line runs them.

#include "apps/lumaro/names_command.h"
#include "apps/lumaro/pane_command.h"
#include "apps/lumaro/summary_command.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace fixture;

namespace {

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kFNumber = 0x829D,
                        kDateTimeOriginal = 0x9003, kUserComment = 0x9286;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

Outcome RunCommand(Command command, std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The lines of an output, each without its LF.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

class ExifCommands : public ::testing::Test {
protected:
    // An E990 photo shot at the given date, with a comment that holds a tab and a line break.
    std::string Photo(const std::string& name, std::string_view date = "2000:12:31 09:05:07") {
        ExifContent content;
        content.ifd0 = {Ascii(kMake, "NIKON"), Ascii(kModel, "E990")};
        content.exif =
            std::vector<Entry>{Rational(kFNumber, 28, 10), Ascii(kDateTimeOriginal, date),
                               Undefined(kUserComment, {'a', '\t', 'b', '\n', 'c', 0})};
        content.makerNote = MakerNote{MakerNoteLayout::Headerless, {}};
        const auto path = sandbox.Path() / name;
        std::filesystem::create_directories(path.parent_path());
        WriteFile(path, BuildJpeg(content).bytes);
        return path.string();
    }
    Sandbox sandbox;
};

} // namespace

TEST_F(ExifCommands, SummaryPrintsAHeaderAndOneRowOfTwentyFiveValuesPerFile) {
    const Outcome run = RunCommand(RunSummaryCommand, {Photo("a.jpg"), Photo("b.jpg")});
    EXPECT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    const auto header = Split(lines[0], '\t');
    ASSERT_EQ(header.size(), 25u);
    EXPECT_EQ(header[0], "ファイル名");
    EXPECT_EQ(header[11], "絞り値");
    EXPECT_EQ(header[24], "コメント");
    const auto row = Split(lines[2], '\t');
    ASSERT_EQ(row.size(), 25u) << "tabs and line breaks of a value stay inside its cell";
    EXPECT_EQ(row[0], "b.jpg");
    EXPECT_EQ(row[2], "NIKON");
    EXPECT_EQ(row[5], "2000:12:31 09:05:07");
    EXPECT_EQ(row[6], "64 × 48");
    EXPECT_EQ(row[11], "F2.8");
    EXPECT_EQ(row[24], "a b c");
}

TEST_F(ExifCommands, SummaryReportsAFileItCannotReadAndGoesOn) {
    const std::string missing = (sandbox.Path() / "missing.jpg").string();
    const Outcome run = RunCommand(RunSummaryCommand, {missing, Photo("a.jpg")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].starts_with("a.jpg\t"));
    EXPECT_EQ(RunCommand(RunSummaryCommand, {}).status, 2);
}

TEST_F(ExifCommands, SummaryOfManyFilesKeepsTheirOrderAndReportsTheUnreadableInOrder) {
    std::vector<std::string> files;
    for (int i = 0; i < 300; ++i) {
        char date[20];
        std::snprintf(date, sizeof date, "2001:02:03 04:%02d:%02d", i / 60, i % 60);
        files.push_back(i % 97 == 50 ? (sandbox.Path() / ("gone" + std::to_string(i))).string()
                                     : Photo("many/p" + std::to_string(i) + ".jpg", date));
    }
    const Outcome run = RunCommand(RunSummaryCommand, files);
    EXPECT_EQ(run.status, 1);
    const auto errors = Lines(run.err);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("gone50"), std::string::npos) << errors[0];
    EXPECT_NE(errors[1].find("gone147"), std::string::npos) << errors[1];
    EXPECT_NE(errors[2].find("gone244"), std::string::npos) << errors[2];
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u + 300u - 3u);
    std::size_t line = 1;
    for (int i = 0; i < 300; ++i) {
        if (i % 97 == 50) {
            continue;
        }
        const auto row = Split(lines[line++], '\t');
        ASSERT_EQ(row.size(), 25u);
        const std::string number = std::to_string(i);
        EXPECT_EQ(row[0], "p" + number + ".jpg");
        char date[20];
        std::snprintf(date, sizeof date, "2001:02:03 04:%02d:%02d", i / 60, i % 60);
        EXPECT_EQ(row[5], date);
    }
}

TEST_F(ExifCommands, PaneShowsAllFieldsOrTheChosenOnesWithLineFeeds) {
    const std::string photo = Photo("a.jpg");
    const Outcome all = RunCommand(RunPaneCommand, {photo});
    EXPECT_EQ(all.status, 0);
    std::size_t colons = 0;
    for (std::size_t at = 0; (at = all.out.find("：", at)) != std::string::npos; ++at) {
        ++colons;
    }
    EXPECT_EQ(colons, 25u) << "one line per field";
    EXPECT_EQ(all.out.find('\r'), std::string::npos);

    const Outcome chosen = RunCommand(RunPaneCommand, {"--fields", "絞り値,メーカー", photo});
    EXPECT_EQ(chosen.status, 0);
    EXPECT_EQ(chosen.out, "絞り値　　　　　：F2.8\nメーカー　　　　：NIKON\n");

    const Outcome dump = RunCommand(RunPaneCommand, {"--fields", "メーカー", "--dump", photo});
    EXPECT_TRUE(dump.out.starts_with("メーカー　　　　：NIKON\n== IFD ==\nMake(A:6): NIKON\n"))
        << dump.out;
}

TEST_F(ExifCommands, PaneRefusesUnknownFieldsAndHeadsEachOfSeveralFiles) {
    const std::string photo = Photo("a.jpg");
    const Outcome unknown = RunCommand(RunPaneCommand, {"--fields", "絞り値,露出", photo});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("露出"), std::string::npos) << unknown.err;
    EXPECT_EQ(unknown.out, "");

    const Outcome two =
        RunCommand(RunPaneCommand, {"--fields", "ファイル名", photo, Photo("b.jpg")});
    EXPECT_EQ(two.out, "# " + photo + "\nファイル名　　　：a.jpg\n# " +
                           (sandbox.Path() / "b.jpg").string() + "\nファイル名　　　：b.jpg\n");
    EXPECT_EQ(RunCommand(RunPaneCommand, {"--dump"}).status, 2);
}

TEST_F(ExifCommands, NamesABatchShotInOneSecondWithoutCollisions) {
    const std::vector<std::string> photos = {Photo("src/a.JPG"), Photo("src/b.JPG"),
                                             Photo("src/c.JPG")};
    const auto destination = sandbox.Path() / "dest";
    std::filesystem::create_directory(destination);
    WriteFile(destination / "20001231_0905_01.jpg", {});

    std::vector<std::string> args = {"--date", "--to", destination.string()};
    args.insert(args.end(), photos.begin(), photos.end());
    const Outcome run = RunCommand(RunNamesCommand, args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), (std::vector<std::string>{photos[0] + "\t20001231_0905_02.jpg",
                                                        photos[1] + "\t20001231_0905_03.jpg",
                                                        photos[2] + "\t20001231_0905_04.jpg"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(destination),
                            std::filesystem::directory_iterator()),
              1)
        << "no file is touched";
}

TEST_F(ExifCommands, NamesTakesTheSettingsFromItsOptions) {
    const std::string photo = Photo("a.jpg");
    const Outcome run = RunCommand(RunNamesCommand, {"--date", "--date-pattern", "3", "--date-sep",
                                                     "", "--time-pattern", "2", "--time-sep", "-",
                                                     "--digits", "0", photo});
    EXPECT_EQ(run.out, photo + "\t00123109時05分07秒-.jpg\n");
}

TEST_F(ExifCommands, NamesSequenceNamesInEachFilesOwnFolderWithoutATarget) {
    const std::string first = Photo("src/a.jpg");
    const std::string second = Photo("src/b.jpg");
    WriteFile(sandbox.Path() / "src" / "img00007.jpg", {});
    const Outcome run = RunCommand(RunNamesCommand, {"--dcf", "img", first, second});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, first + "\tIMG00008.JPG\n" + second + "\tIMG00009.JPG\n");
}

TEST_F(ExifCommands, NamesRefusesBadOptionsAndReportsUnreadableFiles) {
    const std::string photo = Photo("a.jpg");
    EXPECT_EQ(RunCommand(RunNamesCommand, {photo}).status, 2) << "one naming must be chosen";
    EXPECT_EQ(RunCommand(RunNamesCommand, {"--date", "--dcf", "P", photo}).status, 2);
    EXPECT_EQ(RunCommand(RunNamesCommand, {"--date", "--digits", "6", photo}).status, 2);
    EXPECT_EQ(RunCommand(RunNamesCommand, {"--date", "--date-pattern", "9", photo}).status, 2);
    EXPECT_EQ(RunCommand(RunNamesCommand, {"--date", "--time-pattern", "x", photo}).status, 2);
    EXPECT_EQ(RunCommand(RunNamesCommand, {"--date", "--to"}).status, 2);

    const std::string missing = (sandbox.Path() / "missing.jpg").string();
    const Outcome run = RunCommand(RunNamesCommand, {"--date", missing, photo});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(missing), std::string::npos);
    EXPECT_EQ(run.out, photo + "\t20001231_0905_01.jpg\n");
}
