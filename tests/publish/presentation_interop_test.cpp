// Presentation files checked by exiftool and djpeg: valid EXIF, a 640 x 480 picture and a
// 160 x 120 thumbnail that decode.

#include "exif/file_probes.h"
#include "publish/presentation_files.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <gtest/gtest.h>

using namespace publish;
using namespace edit_test;
using fixture::Quoted;
using fixture::RunTool;

namespace {

namespace fs = std::filesystem;

TEST(PresentationInterop, CopiesAreValidForExiftoolAndDecode) {
    if (!fixture::HaveTool("exiftool") || !fixture::HaveTool("djpeg")) {
        GTEST_SKIP() << "exiftool or djpeg is not installed";
    }
    const fixture::Sandbox box;
    const fs::path photos = box.Path();
    const fs::path slides = box.Path() / "slides";
    fs::create_directories(slides);
    Ports ports;
    std::vector<fs::path> pictures = {photos / "DSCN0001.JPG", photos / "DSCN0002.JPG"};
    WritePhoto(pictures[0], {.width = 1024, .height = 768});
    WritePlainJpeg(pictures[1], 480, 640);
    if (const auto samples = fixture::SamplesDir()) {
        pictures.push_back(*samples / "real" / "Nikon_E990.jpg");
    }
    const auto report =
        RunPresentationFiles(pictures, {slides, "DSCN"}, LUMARO_TEMPLATE_PICTURE, ports.Edit());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->failure, std::nullopt);
    ASSERT_EQ(report->processed, static_cast<int>(pictures.size()));
    for (const fs::path& entry : fs::directory_iterator(slides)) {
        const std::string name = entry.filename().string();
        const std::string slide = Quoted(entry);
        EXPECT_EQ(RunTool("exiftool -validate -warning -error -a -s3 " + slide).output, "OK\n")
            << name;
        EXPECT_EQ(RunTool("djpeg -pnm " + slide + " | head -c 11").output, "P6\n640 480\n") << name;
        EXPECT_EQ(
            RunTool("exiftool -b -ThumbnailImage " + slide + " | djpeg -pnm | head -c 11").output,
            "P6\n160 120\n")
            << name;
    }
}

TEST(PresentationInterop, LumaroWritesTheCopiesWithTheTemplateBesideIt) {
    const fixture::Sandbox box;
    const fs::path slides = box.Path() / "新しいフォルダ";
    WritePhoto(box.Path() / "IMG_0001.JPG", {.width = 400, .height = 300});
    WritePlainJpeg(box.Path() / "scan.jpg", 200, 300);
    const std::string lumaro = Quoted(fs::path(LUMARO_BIN_DIR) / "lumaro");
    const std::string files =
        Quoted(box.Path() / "IMG_0001.JPG") + " " + Quoted(box.Path() / "scan.jpg");

    const auto dry = RunTool(lumaro + " presentation --to " + Quoted(slides) +
                             " --prefix slid --dry-run " + files);
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_NE(dry.output.find((slides / "SLID0002.JPG").string()), std::string::npos) << dry.output;
    EXPECT_FALSE(fs::exists(slides)) << "a dry run makes no folder";

    const auto run = RunTool(lumaro + " presentation --to " + Quoted(slides) +
                             " --prefix slid --yes " + files + " 2>&1");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(exif::JpegImageSize(slides / "SLID0001.JPG"), (exif::ImageSize{640, 480}));
    EXPECT_EQ(exif::JpegImageSize(slides / "SLID0002.JPG"), (exif::ImageSize{640, 480}));
}

} // namespace
