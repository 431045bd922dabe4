// lumaro read by tools written by others: its JSON parsed by jq and compared with exiftool's
// reading of the same files (II, MM and without EXIF), and a comment it wrote read by exiftool
// and exiv2 without a complaint about its character code.

#include "tests/commands/edit_fixture.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using fixture::Quoted;
using fixture::RunTool;

const std::string kLumaro = Quoted(fs::path(LUMARO_BIN_DIR) / "lumaro");

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class LumaroInterop : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"jq", "exiftool", "exiv2"}) {
            if (!fixture::HaveTool(tool)) {
                GTEST_SKIP() << tool << " is not installed";
            }
        }
    }

    // A photo with the numbers the summary gives as numbers.
    fs::path Photo() const {
        fixture::ExifContent content;
        content.ifd0 = {fixture::Ascii(0x010F, "NIKON"), fixture::Ascii(0x0110, "E990")};
        content.exif = std::vector<fixture::Entry>{
            fixture::Rational(0x829A, 1, 60),   fixture::Rational(0x829D, 28, 10),
            fixture::SRational(0x9204, -7, 10), fixture::Rational(0x920A, 82, 10)};
        const fs::path file = box.Path() / "photo.JPG";
        fixture::WriteFile(file, fixture::BuildJpeg(content).bytes);
        return file;
    }

    fixture::Sandbox box;
};

// Each value of the first object, then of exiftool, one a line.
void ExpectSameNumbers(const fs::path& file, const std::string& ours) {
    const std::vector<std::string> names = {"FNumber", "ExposureTime", "ExposureCompensation",
                                            "FocalLength", "FileSize"};
    // exiftool's group names keep a maker note's own exposure (a Kodak's, say) out of it.
    const std::vector<std::string> groups = {"ExifIFD", "ExifIFD", "ExifIFD", "ExifIFD", "File"};
    std::string filter;
    std::string tags;
    for (std::size_t i = 0; i < names.size(); ++i) {
        filter += (filter.empty() ? ".[0]." : ", .[0].") + names[i];
        tags += " -" + groups[i] + ":" + names[i];
    }
    const auto mine = RunTool(kLumaro + " " + ours + " " + Quoted(file) + " | jq " +
                              Quoted(filter));
    const auto theirs = RunTool("exiftool -n -s -s -s" + tags + " " + Quoted(file));
    const auto a = Lines(mine.output);
    const auto b = Lines(theirs.output);
    ASSERT_EQ(a.size(), names.size()) << mine.output;
    for (std::size_t i = 0; i < names.size() && i < b.size(); ++i) {
        if (a[i] == "null") { // a value our reader does not take from this file
            continue;
        }
        EXPECT_NEAR(std::stod(a[i]), std::stod(b[i]), 1e-6) << names[i] << " of " << file;
    }
}

TEST_F(LumaroInterop, SummaryJsonGivesTheNumbersExiftoolReads) {
    const fs::path photo = Photo();
    ExpectSameNumbers(photo, "summary --json");
    const auto all = RunTool(kLumaro + " summary --json " + Quoted(photo) + " | jq -r " +
                             Quoted(".[0].FNumber, .[0].Make, .[0].FileName"));
    EXPECT_EQ(all.output, "2.8\nNIKON\nphoto.JPG\n");
}

TEST_F(LumaroInterop, JsonOfAFileWithoutExifAndOfAnMmFileParses) {
    const fs::path plain = box.Path() / "plain.JPG";
    edit_test::WritePlainJpeg(plain);
    const auto dump = RunTool(kLumaro + " dump --json " + Quoted(plain) + " | jq -c " +
                              Quoted("[length, (.[0] | keys)]"));
    EXPECT_EQ(dump.output, "[1,[\"SourceFile\"]]\n");
    const auto pane = RunTool(kLumaro + " pane --json --fields FileSize,絞り値 " + Quoted(plain) +
                              " | jq -c " + Quoted(".[0] | keys"));
    EXPECT_EQ(pane.output, "[\"FileSize\",\"SourceFile\"]\n");

    const auto samples = fixture::SamplesDir();
    if (!samples) {
        GTEST_SKIP() << "no camera samples beside the checkout";
    }
    const fs::path big = box.CopyIn(*samples / "real" / "Kodak_DC280_DCP_4385.JPG");
    ExpectSameNumbers(big, "summary --json");
    ExpectSameNumbers(big, "pane --json --dump");
}

TEST_F(LumaroInterop, ACommentReadsInExiftoolAndExiv2WithoutAWarning) {
    const fs::path photo = box.Path() / "photo.JPG";
    edit_test::WritePhoto(photo);
    ASSERT_EQ(RunTool(kLumaro + " comment 'Family at the sea' " + Quoted(photo)).exitCode, 0);

    EXPECT_EQ(RunTool("exiftool -s -s -s -UserComment " + Quoted(photo)).output,
              "Family at the sea\n");
    const auto validate = RunTool("exiftool -validate -warning -a -s -s " + Quoted(photo));
    EXPECT_EQ(validate.output.find("UserComment"), std::string::npos) << validate.output;
    // exiv2 names the character code it found, and complains of nothing.
    const auto exiv2 = RunTool("exiv2 -q -K Exif.Photo.UserComment -Pt " + Quoted(photo) + " 2>&1");
    EXPECT_EQ(exiv2.output, "charset=Ascii Family at the sea\n");
}

TEST_F(LumaroInterop, ACommentWithoutItsCodeStillReads) {
    const fs::path photo = box.Path() / "old.JPG";
    edit_test::WritePhoto(photo, {.comment = "written before"});
    const auto summary =
        RunTool(kLumaro + " summary --no-header --fields UserComment " + Quoted(photo));
    EXPECT_EQ(summary.output, "written before\n");
}

// exiftool, like most programs today, writes a text tag in UTF-8; ours are CP932. Both read.
TEST_F(LumaroInterop, ATitleWrittenInUtf8ByExiftoolReads) {
    const fs::path photo = box.Path() / "photo.JPG";
    edit_test::WritePhoto(photo, {.title = edit_test::Cp932("江ノ島")});
    const fs::path other = box.CopyIn(photo, "other.JPG");
    ASSERT_EQ(RunTool("exiftool -q -overwrite_original -ImageDescription=東京タワー " +
                      Quoted(other))
                  .exitCode,
              0);
    const auto summary = RunTool(kLumaro + " summary --no-header --fields ImageDescription " +
                                 Quoted(photo) + " " + Quoted(other));
    EXPECT_EQ(summary.output, "江ノ島\n東京タワー\n");
}

} // namespace
