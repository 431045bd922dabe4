// lumaro's editing subcommands, run as the command line runs them: UTF-8 texts written as
// CP932, --dry-run tables that change nothing, files from several folders, the folder question
// answered by --yes, usage errors, and EXIF add with the template picture beside the program.

#include "apps/lumaro/edit_commands.h"
#include "exif/exif_block.h"
#include "exif/file_probes.h"
#include "exif/user_comment.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace edit_test;

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

Outcome Lumaro(Command command, const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

class LumaroEdit : public ::testing::Test {
protected:
    fixture::Sandbox box;
    fs::path a = box.Path() / "trip" / "DSCN0001.JPG";
    fs::path b = box.Path() / "home" / "DSCN0001.JPG";

    void SetUp() override {
        fs::create_directories(a.parent_path());
        fs::create_directories(b.parent_path());
        WritePhoto(a, {.date = "2001:01:31 23:30:00"});
        WritePhoto(b, {.date = "2001:02:28 12:00:00"});
    }
};

TEST_F(LumaroEdit, TitleAndCommentWriteUtf8TextsAsCp932) {
    const Outcome title = Lumaro(RunTitleCommand, {"桜と富士", a.string(), b.string()});
    EXPECT_EQ(title.status, 0) << title.err;
    EXPECT_EQ(exif::ReadTagText(a, "ImageDescription"), Cp932("桜と富士"));
    EXPECT_EQ(exif::ReadTagText(b, "ImageDescription"), Cp932("桜と富士"));
    EXPECT_NE(title.err.find("[1/2] 画像タイトル修正 " + a.string() + " -> 桜と富士"),
              std::string::npos)
        << title.err;

    const Outcome comment = Lumaro(RunCommentCommand, {"家族と", a.string()});
    EXPECT_EQ(comment.status, 0) << comment.err;
    EXPECT_EQ(exif::ReadUserComment(*exif::LoadExifBlock(a)), Cp932("家族と"));
}

TEST_F(LumaroEdit, DryRunPrintsTheRowsAndChangesNothing) {
    const auto before = ReadAll(a);
    (void)box.Write("notes.txt", "a note\n");
    const Outcome dry = Lumaro(RunDateCommand, {"--shift", "+1 01:00", "--dry-run", a.string(),
                                                (box.Path() / "notes.txt").string()});
    // The run would leave the text file alone, and says so.
    EXPECT_EQ(dry.status, 1) << dry.err;
    EXPECT_NE(dry.err.find("notes.txt: not a JPEG file (.JPG)"), std::string::npos) << dry.err;
    EXPECT_EQ(dry.out, "\tファイル名\t処理\t元日付\t新日付\n"
                       "[x]\tDSCN0001.JPG\t日付修正\t2001:01:31 23:30:00\t2001:02:02 00:30:00\n"
                       "[ ]\tnotes.txt\t処理せず\t\t\n");
    EXPECT_EQ(ReadAll(a), before);
}

TEST_F(LumaroEdit, DateShiftsFilesOfSeveralFoldersAndWritesTheNamedTags) {
    const Outcome run =
        Lumaro(RunDateCommand, {"--shift", "+1 01:00", "--tags", "DateTime,DateTimeOriginal",
                                a.string(), b.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(exif::ReadTagText(a, "DateTime"), "2001:02:02 00:30:00");
    EXPECT_EQ(exif::ReadTagText(a, "DateTimeOriginal"), "2001:02:02 00:30:00");
    EXPECT_EQ(exif::ReadTagText(a, "DateTimeDigitized"), "2001:01:31 23:30:00");
    EXPECT_EQ(exif::ReadTagText(b, "DateTime"), "2001:03:01 13:00:00");

    const Outcome given =
        Lumaro(RunDateCommand, {"--at", "2005-06-07", "--time", "08:09:10", a.string()});
    EXPECT_EQ(given.status, 0) << given.err;
    EXPECT_EQ(exif::ReadTagText(a, "DateTimeDigitized"), "2005:06:07 08:09:10");
}

TEST_F(LumaroEdit, DateRefusesUnclearRequests) {
    const std::vector<std::vector<std::string>> usages = {
        {"--from-file", "--shift", "01:00", a.string()},
        {"--at", "2005-06-07", a.string()},
        {"--at", "2005-6-7", "--time", "00:00:00", a.string()},
        {"--from-file", "--tags", "DateTime,Date", a.string()},
        {"--from-file"},
        {"--from-file", "--when", "now", a.string()},
    };
    for (const auto& args : usages) {
        EXPECT_EQ(Lumaro(RunDateCommand, args).status, 2) << args[1];
    }
    const Outcome bad = Lumaro(RunDateCommand, {"--shift", "tomorrow", a.string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("「tomorrow」"), std::string::npos) << bad.err;
}

TEST_F(LumaroEdit, ExifCopyDeleteAndThumbnailRunOnTheirFiles) {
    const fs::path edited = box.Path() / "edited" / "DSCN0001-2.JPG";
    fs::create_directories(edited.parent_path());
    WritePlainJpeg(edited);

    const Outcome copy =
        Lumaro(RunExifCopyCommand, {"--from", a.parent_path().string(), edited.string()});
    EXPECT_EQ(copy.status, 0) << copy.err;
    EXPECT_EQ(exif::ReadTagText(edited, "DateTime"), "2001:01:31 23:30:00");
    EXPECT_EQ(Lumaro(RunExifCopyCommand, {edited.string()}).status, 2);

    const Outcome thumbnail = Lumaro(RunThumbnailCommand, {edited.string()});
    EXPECT_EQ(thumbnail.status, 0) << thumbnail.err;

    const Outcome strip = Lumaro(RunExifDeleteCommand, {b.string()});
    EXPECT_EQ(strip.status, 0) << strip.err;
    EXPECT_FALSE(exif::LoadExifBlock(b));
}

TEST_F(LumaroEdit, DeleteIntoAMissingFolderNeedsYes) {
    const fs::path out = box.Path() / "plain";
    const Outcome no = Lumaro(RunExifDeleteCommand, {"--out", out.string(), a.string()});
    EXPECT_EQ(no.status, 1);
    EXPECT_NE(no.err.find("フォルダ " + out.string() + "/ がありません。作成しますか？"),
              std::string::npos)
        << no.err;
    EXPECT_FALSE(fs::exists(out));

    const Outcome dry =
        Lumaro(RunExifDeleteCommand, {"--out", out.string(), "--dry-run", a.string()});
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_NE(dry.out.find((out / "DSCN0001.JPG").string()), std::string::npos);
    EXPECT_FALSE(fs::exists(out));

    const Outcome yes = Lumaro(RunExifDeleteCommand, {"--out", out.string(), "--yes", a.string()});
    EXPECT_EQ(yes.status, 0) << yes.err;
    EXPECT_FALSE(exif::LoadExifBlock(out / "DSCN0001.JPG"));
    EXPECT_TRUE(exif::LoadExifBlock(a));
}

TEST_F(LumaroEdit, ExifAddNamesTheTemplateItCannotFind) {
    // The test program has no template picture beside it.
    const Outcome add = Lumaro(RunExifAddCommand, {a.string()});
    EXPECT_EQ(add.status, 1);
    EXPECT_NE(add.err.find("Hestrom.jpg"), std::string::npos) << add.err;
}

TEST_F(LumaroEdit, TheProgramAddsTheTemplateBesideIt) {
    const fs::path scan = box.Path() / "scans" / "scan0001.jpg";
    fs::create_directories(scan.parent_path());
    WritePlainJpeg(scan, 400, 300);
    const fs::path out = box.Path() / "with exif";
    const std::string lumaro = fixture::Quoted(fs::path(LUMARO_BIN_DIR) / "lumaro");

    const fixture::ToolRun run =
        fixture::RunTool(lumaro + " exif-add --yes --out " + fixture::Quoted(out) + " " +
                         fixture::Quoted(scan) + " 2>&1");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(exif::ReadTagText(out / "scan0001.jpg", "Make"), "Hestrom");
    EXPECT_EQ(exif::ReadTagText(out / "scan0001.jpg", "DateTime"), exif::FileDateText(scan));
}

} // namespace
