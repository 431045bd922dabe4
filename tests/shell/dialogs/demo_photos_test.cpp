// The demonstration photos the build makes: real files for exiftool and djpeg, with the Nikon
// maker notes and thumbnails the program shows.

#include "exif/exif_block.h"
#include "tests/support/tool_run.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace {

const std::filesystem::path kDemoFolder = LUMARO_DEMO_DIR;

std::vector<std::filesystem::path> DemoPhotos() {
    std::vector<std::filesystem::path> photos;
    for (const auto& entry : std::filesystem::directory_iterator(kDemoFolder)) {
        photos.push_back(entry.path());
    }
    std::sort(photos.begin(), photos.end());
    return photos;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

class TheDemoPhotos : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"exiftool", "djpeg"}) {
            if (!fixture::HaveTool(tool)) {
                GTEST_SKIP() << tool << " is not installed";
            }
        }
        ASSERT_TRUE(std::filesystem::is_directory(kDemoFolder)) << kDemoFolder;
    }
};

TEST_F(TheDemoPhotos, ValidateAndDecodeWithoutComplaint) {
    const auto photos = DemoPhotos();
    ASSERT_GE(photos.size(), 10u);
    for (const auto& photo : photos) {
        const auto check = fixture::RunTool("exiftool -validate -warning -error -a -s -s " +
                                            fixture::Quoted(photo) + " 2>&1");
        // The comments are stored as the program writes them, behind their character code.
        for (const std::string& line : Lines(check.output)) {
            EXPECT_TRUE(line.starts_with("Validate: ")) << photo << ": " << line;
        }
        const auto decode =
            fixture::RunTool("djpeg -outfile /dev/null " + fixture::Quoted(photo) + " 2>&1");
        EXPECT_EQ(decode.exitCode, 0) << photo << ": " << decode.output;
        EXPECT_EQ(decode.output, "") << photo;
    }
}

TEST_F(TheDemoPhotos, HoldSeveralMakesAndEveryNikonModelWithItsMakerNote) {
    std::set<std::string> makes;
    std::map<std::string, exif::MakerNoteKind> nikonKinds;
    for (const auto& photo : DemoPhotos()) {
        const auto tags = Lines(fixture::RunTool("exiftool -s3 -f -Make -Model -Nikon:WhiteBalance "
                                                 "-ThumbnailLength " +
                                                 fixture::Quoted(photo))
                                    .output);
        ASSERT_EQ(tags.size(), 4u) << photo;
        if (tags[0] == "-") {
            continue; // the scanned picture
        }
        makes.insert(tags[0]);
        EXPECT_NE(tags[3], "-") << photo << " has no thumbnail";
        const auto thumbnail =
            fixture::RunTool("exiftool -b -ThumbnailImage " + fixture::Quoted(photo) +
                             " | djpeg -outfile /dev/null 2>&1");
        EXPECT_EQ(thumbnail.exitCode, 0) << photo << ": " << thumbnail.output;
        if (tags[0] == "NIKON") {
            EXPECT_NE(tags[2], "-") << photo << ": exiftool finds no maker note";
            const auto block = exif::LoadExifBlock(photo);
            ASSERT_TRUE(block) << photo;
            nikonKinds[tags[1]] = exif::GetMakerNoteKind(*block);
        }
    }
    EXPECT_GE(makes.size(), 4u);
    const std::map<std::string, exif::MakerNoteKind> expected = {
        {"E700", exif::MakerNoteKind::Kind2},
        {"E800", exif::MakerNoteKind::Kind2},
        {"E950", exif::MakerNoteKind::Kind2},
        {"E990", exif::MakerNoteKind::Kind3},
    };
    EXPECT_EQ(nikonKinds, expected);
}

TEST_F(TheDemoPhotos, CarryTheirShootingDateAsLastWriteTime) {
    for (const auto& photo : DemoPhotos()) {
        const auto dates = Lines(fixture::RunTool("exiftool -s3 -f -d '%Y:%m:%d %H:%M:%S' "
                                                  "-DateTimeOriginal -FileModifyDate " +
                                                  fixture::Quoted(photo))
                                     .output);
        ASSERT_EQ(dates.size(), 2u) << photo;
        if (dates[0] != "-") {
            EXPECT_EQ(dates[0], dates[1]) << photo;
        }
    }
}

} // namespace
