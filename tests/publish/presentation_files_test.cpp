// Presentation files through scripted ports: the DCF names after those in the folder, the
// 640 x 480 frame with the picture fitted and centred on black, the template's EXIF with the
// picture's own time and size, the folder checks, and nothing left behind by a failed file.

#include "exif/exif_block.h"
#include "exif/exif_writer_segments.h"
#include "exif/file_probes.h"
#include "exif/imaging.h"
#include "platform/codepage.h"
#include "platform/file_times.h"
#include "platform/temp_names.h"
#include "publish/presentation_files.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace publish;
using namespace edit_test;

namespace {

namespace fs = std::filesystem;

const fs::path kTemplate = LUMARO_TEMPLATE_PICTURE;

std::uint64_t Tag(const fs::path& file, const char* name) {
    const auto block = exif::LoadExifBlock(file);
    return block ? exif::IntegerTag(*block, name).value_or(0) : 0;
}

// The mean of all channels over a rectangle of the picture.
double MeanTone(const exif::Image& image, std::uint32_t x0, std::uint32_t x1, std::uint32_t y0,
                std::uint32_t y1) {
    double sum = 0;
    for (std::uint32_t y = y0; y < y1; ++y) {
        const auto row = image.Row(y);
        for (std::uint32_t x = x0 * 3; x < x1 * 3; ++x) {
            sum += row[x];
        }
    }
    return sum / ((x1 - x0) * (y1 - y0) * 3.0);
}

class PresentationFiles : public ::testing::Test {
protected:
    fixture::Sandbox box;
    fs::path photos = box.Path() / "photos";
    fs::path slides = box.Path() / "slides";
    Ports ports;

    void SetUp() override {
        fs::create_directories(photos);
        fs::create_directories(slides);
    }
};

TEST_F(PresentationFiles, CopiesTakeTheNextDcfNamesTheFrameAndTheTemplatesExif) {
    WritePhoto(photos / "IMG_0001.JPG", {.make = "Canon", .width = 800, .height = 600});
    const platform::FileTime shot = SetTime(photos / "IMG_0001.JPG", {2003, 4, 5, 6, 7, 8});
    WritePlainJpeg(photos / "tall.jpg", 300, 400);
    SetTime(photos / "tall.jpg", {2004, 1, 2, 3, 4, 5});
    WritePlainJpeg(photos / "notes.txt");
    WritePlainJpeg(slides / "PREZ0007.JPG");
    const auto original = ReadAll(photos / "IMG_0001.JPG");

    const auto report =
        RunPresentationFiles({photos / "IMG_0001.JPG", photos / "tall.jpg", photos / "notes.txt"},
                             {slides, "prez"}, kTemplate, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(report->failure, std::nullopt);
    EXPECT_EQ(report->processed, 2);
    const std::vector<ShownRow> expected = {
        {"IMG_0001.JPG", "プレゼンテーション用ファイル作成", (photos / "IMG_0001.JPG").string(),
         (slides / "PREZ0008.JPG").string(), true},
        {"notes.txt", "処理せず", "", "", false},
        {"tall.jpg", "プレゼンテーション用ファイル作成", (photos / "tall.jpg").string(),
         (slides / "PREZ0009.JPG").string(), true},
    };
    EXPECT_EQ(Shown(*ports.confirm.shown), expected);
    EXPECT_EQ(platform::Cp932ToUtf8(ports.confirm.shown->NewCaption()), "作成するファイル");

    const std::string templateMake = exif::ReadTagText(kTemplate, "Make");
    for (const char* name : {"PREZ0008.JPG", "PREZ0009.JPG"}) {
        const fs::path slide = slides / name;
        EXPECT_EQ(exif::JpegImageSize(slide), (exif::ImageSize{640, 480})) << name;
        EXPECT_EQ(Tag(slide, "ExifImageWidth"), 640u) << name;
        EXPECT_EQ(Tag(slide, "ExifImageLength"), 480u) << name;
        EXPECT_EQ(exif::ReadTagText(slide, "Make"), templateMake) << name;
    }
    EXPECT_EQ(exif::ReadTagText(slides / "PREZ0008.JPG", "DateTimeOriginal"),
              "2003:04:05 06:07:08");
    EXPECT_EQ(exif::ReadTagText(slides / "PREZ0009.JPG", "DateTime"), "2004:01:02 03:04:05");
    EXPECT_EQ(platform::LastWriteTime(slides / "PREZ0008.JPG"), shot);
    EXPECT_EQ(ReadAll(photos / "IMG_0001.JPG"), original) << "the picture stays as it was";
    EXPECT_FALSE(fs::exists(platform::TemporaryFileName("_Prezen")));

    // 300 x 400 fits as 360 x 480 at x = 140: black beside it, the picture between.
    const auto tall = exif::ExifLoadImage(slides / "PREZ0009.JPG");
    ASSERT_TRUE(tall);
    EXPECT_LT(MeanTone(*tall, 0, 130, 0, 480), 3.0);
    EXPECT_LT(MeanTone(*tall, 510, 640, 0, 480), 3.0);
    EXPECT_GT(MeanTone(*tall, 150, 490, 0, 480), 40.0);
    // 800 x 600 has the frame's shape and fills it.
    const auto wide = exif::ExifLoadImage(slides / "PREZ0008.JPG");
    ASSERT_TRUE(wide);
    EXPECT_GT(MeanTone(*wide, 0, 8, 0, 480), 20.0);
}

TEST_F(PresentationFiles, TheFolderIsCheckedAndMadeOnlyWhenTheUserAgrees) {
    WritePhoto(photos / "DSCN0001.JPG");
    const fs::path missing = box.Path() / "new" / "slides";

    EXPECT_FALSE(
        RunPresentationFiles({photos / "DSCN0001.JPG"}, {"", "DSCN"}, kTemplate, ports.Edit()));
    EXPECT_EQ(ports.prompt.tells, std::vector<std::string>{"コピー先フォルダを指定してください"});

    ports.prompt.answers = {false};
    EXPECT_FALSE(RunPresentationFiles({photos / "DSCN0001.JPG"}, {missing, "DSCN"}, kTemplate,
                                      ports.Edit()));
    ASSERT_EQ(ports.prompt.questions.size(), 1u);
    EXPECT_EQ(ports.prompt.questions[0],
              "フォルダ " + missing.string() + "/ がありません。作成しますか？");
    EXPECT_FALSE(fs::exists(missing));

    EXPECT_FALSE(RunPresentationFiles({photos / "DSCN0001.JPG"}, {missing, "DSCN"},
                                      box.Path() / "Hestrom.jpg", ports.Edit()));
    EXPECT_EQ(ports.prompt.warnings.size(), 1u) << "a missing template is named";
    EXPECT_EQ(ports.prompt.questions.size(), 1u) << "and asked about before any folder";
    EXPECT_EQ(ports.confirm.calls, 0);

    ports.prompt.answers = {true};
    const auto report =
        RunPresentationFiles({photos / "DSCN0001.JPG"}, {missing, "DSCN"}, kTemplate, ports.Edit());
    ASSERT_TRUE(report);
    EXPECT_EQ(report->processed, 1);
    EXPECT_TRUE(fs::exists(missing / "DSCN0001.JPG"));
}

TEST_F(PresentationFiles, AFileThatCannotBeMadeStopsTheRunAndLeavesNothing) {
    WritePhoto(photos / "DSCN0001.JPG");
    std::ofstream(photos / "DSCN0002.JPG") << "not a picture";
    WritePhoto(photos / "DSCN0003.JPG");

    const auto report = RunPresentationFiles(
        {photos / "DSCN0001.JPG", photos / "DSCN0002.JPG", photos / "DSCN0003.JPG"},
        {slides, "DSCN"}, kTemplate, ports.Edit());

    ASSERT_TRUE(report);
    EXPECT_EQ(report->processed, 1);
    ASSERT_TRUE(report->failure);
    EXPECT_NE(report->failure->find("DSCN0002.JPG"), std::string::npos) << *report->failure;
    std::vector<fs::path> written;
    for (const auto& entry : fs::directory_iterator(slides)) {
        written.push_back(entry.path().filename());
    }
    EXPECT_EQ(written, std::vector<fs::path>{"DSCN0001.JPG"});
    EXPECT_FALSE(fs::exists(platform::TemporaryFileName("_Prezen")));

    // A file that appeared under a planned name after the plan is never replaced.
    const std::vector<std::uint8_t> before = ReadAll(slides / "DSCN0001.JPG");
    EXPECT_THROW(WritePresentationFile(photos / "DSCN0003.JPG", slides / "DSCN0001.JPG", kTemplate),
                 platform::FileError);
    EXPECT_EQ(ReadAll(slides / "DSCN0001.JPG"), before);
}

TEST_F(PresentationFiles, TheSectionKeepsTheFolderAndPrefix) {
    fixture::MachineSandbox machine;
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    EXPECT_EQ(ReadPresentationSettings(store).prefix, "DSCN");
    EXPECT_EQ(ReadPresentationSettings(store).folder, fs::path());
    WritePresentationSettings(store, {box.Path() / "発表", Cp932("写真")});
    const PresentationRequest stored = ReadPresentationSettings(store);
    EXPECT_EQ(stored.folder, box.Path() / "発表");
    EXPECT_EQ(stored.prefix, Cp932("写真"));
}

} // namespace
