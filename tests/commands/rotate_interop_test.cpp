// lumaro rotate on files of the fixture builder, checked by the tools of the field: the pixels
// as djpeg decodes jpegtran's own transform, the tags as exiftool reads them, no new exiftool
// -validate warning, the embedded thumbnail turned (its marked corner where a viewer shows it),
// the ICC profile and XMP segments byte for byte, and files that cannot be turned untouched.

#include "apps/lumaro/edit_commands.h"
#include "exif/file_probes.h"
#include "exif/imaging.h"
#include "exif/imaging_jpeg.h"
#include "exif/lossless_rotation.h"
#include "platform/file_times.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"
#include "tests/support/thumbnail_probe.h"
#include "tests/support/tool_run.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

using namespace edit_test;

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 70; // not a multiple of the 16-pixel MCU either way
constexpr int kHeight = 50;
constexpr std::uint32_t kThumbWidth = 32;
constexpr std::uint32_t kThumbHeight = 24;
constexpr std::uint32_t kMark = 10; // the bright square in the thumbnail's top-left corner

enum class Corner { TopLeft, TopRight, BottomRight, BottomLeft };

// A dark thumbnail with a bright top-left corner.
std::vector<std::uint8_t> MarkedThumbnail() {
    std::vector<std::uint8_t> rgb(std::size_t{kThumbWidth} * kThumbHeight * 3, 20);
    for (std::uint32_t y = 0; y < kMark; ++y) {
        std::fill_n(rgb.begin() + (std::size_t{y} * kThumbWidth) * 3, kMark * 3, 235);
    }
    return *exif::EncodeJpeg(exif::Image(kThumbWidth, kThumbHeight, std::move(rgb)));
}

struct Photo {
    std::uint16_t orientation = 6;
    bool bigEndian = false;
    bool app0First = false;
    std::string model = "E990";
};

std::vector<std::uint8_t> PhotoBytes(const Photo& photo) {
    using namespace fixture;
    ExifContent content;
    content.ifd0 = {Short(0x0100, {kWidth}),
                    Short(0x0101, {kHeight}),
                    Ascii(0x010F, "NIKON"),
                    Ascii(0x0110, photo.model),
                    Short(0x0112, {photo.orientation}),
                    Rational(0x011A, 300, 1),
                    Rational(0x011B, 300, 1),
                    Short(0x0128, {2}),
                    Short(0x0213, {1})};
    content.exif = {Undefined(0x9000, {'0', '2', '2', '0'}),
                    Undefined(0xA000, {'0', '1', '0', '0'}), Short(0xA001, {1}),
                    Short(0xA002, {kWidth}), Short(0xA003, {kHeight})};
    content.ifd1 = {Short(0x0103, {6})};
    content.thumbnail = MarkedThumbnail();
    content.bigEndian = photo.bigEndian;
    return BuildJpeg(content, {.width = kWidth,
                               .height = kHeight,
                               .app0First = photo.app0First,
                               .segmentsBeforeExif = {IccProfileSegment(), XmpSegment()}})
        .bytes;
}

int Rotate(const std::vector<std::string>& args, std::string* err = nullptr,
           std::string* out = nullptr) {
    std::ostringstream rows;
    std::ostringstream errors;
    const int status = RunRotateCommand(args, rows, errors);
    if (err != nullptr) {
        *err = errors.str();
    }
    if (out != nullptr) {
        *out = rows.str();
    }
    return status;
}

std::string Tool(const std::string& command) {
    const fixture::ToolRun run = fixture::RunTool(command);
    EXPECT_EQ(run.exitCode, 0) << command;
    return run.output;
}

std::string Pixels(const fs::path& file) {
    return Tool("djpeg -ppm " + fixture::Quoted(file) + " | md5sum");
}

std::vector<std::string> Warnings(const fs::path& file) {
    std::istringstream lines(
        Tool("exiftool -q -validate -warning -a -s3 " + fixture::Quoted(file)));
    std::vector<std::string> warnings;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("Warning") == std::string::npos && !line.empty() && line != "OK") {
            warnings.push_back(line);
        }
    }
    std::sort(warnings.begin(), warnings.end());
    return warnings;
}

// Which corner of the file's embedded thumbnail is bright.
std::optional<Corner> BrightCorner(const fs::path& file) {
    const std::string jpeg = Tool("exiftool -b -ThumbnailImage " + fixture::Quoted(file));
    exif::JpegDecoder decoder;
    const auto size =
        decoder.Open(std::span(reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size()));
    const auto picture = size ? decoder.Decode(*size) : std::nullopt;
    if (!picture) {
        return std::nullopt;
    }
    const std::uint32_t right = picture->Width() - 3;
    const std::uint32_t bottom = picture->Height() - 3;
    const std::pair<std::uint32_t, std::uint32_t> probes[] = {
        {2, 2}, {right, 2}, {right, bottom}, {2, bottom}};
    for (int corner = 0; corner < 4; ++corner) {
        const auto [x, y] = probes[corner];
        if (picture->Row(y)[std::size_t{x} * 3] > 128) {
            return static_cast<Corner>(corner);
        }
    }
    return std::nullopt;
}

bool Holds(const std::vector<std::uint8_t>& file, const std::vector<std::uint8_t>& segment) {
    return std::search(file.begin(), file.end(), segment.begin(), segment.end()) != file.end();
}

bool HaveTools() {
    return fixture::HaveTool("exiftool") && fixture::HaveTool("djpeg") &&
           fixture::HaveTool("jpegtran");
}

struct AutoCase {
    Photo photo;
    std::string jpegtran; // the same transform as jpegtran names it
    bool progressive;     // the file is made progressive first
    Corner corner;        // where the thumbnail's top-left corner is seen
    int width;            // the turned picture, partial MCU edges trimmed
    int height;
};

class AutoRotation : public ::testing::TestWithParam<AutoCase> {};

TEST_P(AutoRotation, MatchesJpegtranAndDescribesTheNewPicture) {
    if (!HaveTools()) {
        GTEST_SKIP() << "exiftool, djpeg or jpegtran is not installed";
    }
    const AutoCase& c = GetParam();
    const fixture::Sandbox box;
    const fs::path file = box.Path() / "DSCN0001.JPG";
    fixture::WriteFile(file, PhotoBytes(c.photo));
    if (c.progressive) {
        const fs::path built = box.Path() / "built.jpg";
        fs::rename(file, built);
        (void)Tool("jpegtran -progressive -copy all -outfile " + fixture::Quoted(file) + " " +
                   fixture::Quoted(built));
    }
    const fs::path expected = box.Path() / "expected.jpg";
    (void)Tool("jpegtran " + c.jpegtran + " -trim -outfile " + fixture::Quoted(expected) + " " +
               fixture::Quoted(file));
    const std::vector<std::string> warningsBefore = Warnings(file);
    const platform::FileTime time = SetTime(file, {2003, 4, 5, 6, 7, 8});

    std::string err;
    ASSERT_EQ(Rotate({"--auto", file.string()}, &err), 0) << err;

    EXPECT_EQ(Pixels(file), Pixels(expected));
    const std::string size = std::to_string(c.width) + "\n" + std::to_string(c.height) + "\n";
    EXPECT_EQ(Tool("exiftool -n -s3 -Orientation -ExifImageWidth -ExifImageHeight "
                   "-IFD0:ImageWidth -IFD0:ImageHeight -File:ImageWidth -File:ImageHeight " +
                   fixture::Quoted(file)),
              "1\n" + size + size + size);
    EXPECT_EQ(BrightCorner(file), c.corner);
    const std::vector<std::uint8_t> bytes = ReadAll(file);
    EXPECT_TRUE(Holds(bytes, fixture::IccProfileSegment()));
    EXPECT_TRUE(Holds(bytes, fixture::XmpSegment()));
    EXPECT_EQ(Warnings(file), warningsBefore);
    EXPECT_EQ(Tool("exiftool -s3 -EncodingProcess " + fixture::Quoted(file)).find("Progressive"),
              c.progressive ? 0 : std::string::npos);
    EXPECT_EQ(platform::LastWriteTime(file), time);
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, AutoRotation,
    ::testing::Values(AutoCase{{3}, "-rotate 180", false, Corner::BottomRight, 64, 48},
                      AutoCase{{6, true}, "-rotate 90", false, Corner::TopRight, 48, 70},
                      AutoCase{{8, false, true}, "-rotate 270", false, Corner::BottomLeft, 50, 64},
                      AutoCase{{7}, "-transverse", false, Corner::BottomRight, 48, 64},
                      AutoCase{{6}, "-rotate 90", true, Corner::TopRight, 48, 70}));

class RotateRefusals : public ::testing::Test {
protected:
    fixture::Sandbox box;
    fs::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path file = box.Path() / name;
        fixture::WriteFile(file, bytes);
        return file;
    }
};

// Each file that cannot be turned is named with its reason and left byte for byte as it was;
// the others are still turned.
TEST_F(RotateRefusals, LeaveFilesThatCannotBeTurnedUntouched) {
    std::vector<std::uint8_t> cut = PhotoBytes({6});
    cut.resize(cut.size() - 40);
    const fs::path truncated = Write("CUT.JPG", cut);
    const fs::path upright = Write("UPRIGHT.JPG", PhotoBytes({1}));
    const fs::path text = Write("TEXT.JPG", {'h', 'e', 'l', 'l', 'o'});
    const fs::path plain = box.Path() / "PLAIN.JPG";
    WritePlainJpeg(plain, 64, 48);
    const fs::path turned = Write("TURNED.JPG", PhotoBytes({6}));
    const fs::path files[] = {truncated, upright, text, plain};
    std::vector<std::vector<std::uint8_t>> before;
    for (const fs::path& file : files) {
        before.push_back(ReadAll(file));
    }

    std::string err;
    EXPECT_EQ(Rotate({"--auto", truncated.string(), upright.string(), text.string(), plain.string(),
                      turned.string()},
                     &err),
              1);

    for (std::size_t i = 0; i < std::size(files); ++i) {
        EXPECT_EQ(ReadAll(files[i]), before[i]) << files[i];
    }
    for (const std::string reason :
         {"CUT.JPG: its picture data is damaged or cut short (libjpeg-turbo: ",
          "UPRIGHT.JPG: already upright (Orientation 1)",
          "TEXT.JPG: not a JPEG picture, or its headers are cut short",
          "PLAIN.JPG: no EXIF data: nothing says how the picture lies"}) {
        EXPECT_NE(err.find(reason), std::string::npos) << reason << "\n" << err;
    }
    EXPECT_EQ(exif::ReadTagText(turned, "Orientation"), "1");
}

TEST_F(RotateRefusals, AnAngleTurnsAFileWithoutExifDataWithoutTags) {
    if (!HaveTools()) {
        GTEST_SKIP() << "exiftool, djpeg or jpegtran is not installed";
    }
    const fs::path plain = box.Path() / "PLAIN.JPG";
    WritePlainJpeg(plain, 64, 48);
    const fs::path expected = box.Path() / "expected.jpg";
    (void)Tool("jpegtran -rotate 270 -trim -outfile " + fixture::Quoted(expected) + " " +
               fixture::Quoted(plain));

    std::string err;
    ASSERT_EQ(Rotate({"270", plain.string()}, &err), 0) << err;
    EXPECT_EQ(Pixels(plain), Pixels(expected));
}

TEST(RotateArguments, AskForExactlyOneWayOfTurning) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"a.jpg"},
                                               {"45", "a.jpg"},
                                               {"--auto", "90", "a.jpg"},
                                               {"--flip", "d", "a.jpg"},
                                               {"--auto"}}) {
        EXPECT_EQ(Rotate(args), 2) << args.front();
    }
}

// The confirmation rows say which files lose partial edge blocks.
TEST_F(RotateRefusals, DryRunNotesTrimmedEdges) {
    const fs::path file = Write("DSCN0001.JPG", PhotoBytes({6}));
    std::string out;
    EXPECT_EQ(Rotate({"--flip", "v", "--dry-run", file.string()}, nullptr, &out), 0);
    EXPECT_EQ(out, "\tファイル名\t処理\t現在の向き\t回転後の向き\n"
                   "[x]\tDSCN0001.JPG\t上下反転\t6\t1（端のブロックを切り詰め）\n");
}

// The batch turns the next file while it writes one: a file that changed in between is turned
// again from what it holds when its turn is written.
TEST_F(RotateRefusals, AFileChangedAfterItWasTurnedAheadIsTurnedAsItIsNow) {
    const fs::path file = Write("A.JPG", PhotoBytes({6}));
    const auto planned = exif::PlanRotation(file, {true, exif::PixelTransform::None});
    ASSERT_TRUE(std::holds_alternative<exif::RotationPlan>(planned));
    const auto plan = std::get<exif::RotationPlan>(planned);
    exif::TurnedPicture ahead = exif::TurnPicture(file, plan);

    const fs::path now = Write("NOW.JPG", PhotoBytes({6, true}));
    const std::vector<std::uint8_t> expected = exif::TurnPicture(now, plan).turned;
    ASSERT_NE(expected, ahead.turned);
    fs::copy_file(now, file, fs::copy_options::overwrite_existing);
    exif::WriteTurnedPicture(file, plan, std::move(ahead));
    EXPECT_EQ(ReadAll(file), expected);
}

// The next file is turned while one is written: each file keeps its own tags however the two
// turns overlap.
TEST_F(RotateRefusals, TurnsOverlappingInABatchKeepEachFilesOwnTags) {
    std::vector<std::string> args{"--auto"};
    for (int i = 0; i < 24; ++i) {
        const std::string model = "E" + std::to_string(1000 + i);
        args.push_back(Write(model + ".JPG", PhotoBytes({.model = model})).string());
    }
    std::string err;
    EXPECT_EQ(Rotate(args, &err), 0) << err;
    for (std::size_t i = 1; i < args.size(); ++i) {
        EXPECT_EQ(exif::ReadTagText(args[i], "Model"), fs::path(args[i]).stem().string());
        EXPECT_EQ(exif::ReadTagText(args[i], "Orientation"), "1") << args[i];
    }
}

// Every camera file of the samples turns a quarter with its embedded thumbnail, also where the
// camera put other data right behind the thumbnail, which leaves it no more room than it had.
TEST(RotateSamples, EveryCameraFileTurnsWithItsThumbnail) {
    const auto samples = fixture::SamplesDir();
    if (!samples) {
        GTEST_SKIP() << "no sample files";
    }
    const fixture::Sandbox box;
    std::vector<std::string> args{"90"};
    std::vector<std::optional<exif::PictureSize>> before;
    for (const auto& entry : fs::directory_iterator(*samples / "real")) {
        const fs::path copy = box.CopyIn(entry.path());
        args.push_back(copy.string());
        before.push_back(fixture::EmbeddedThumbnailSize(copy));
    }
    std::string err;
    EXPECT_EQ(Rotate(args, &err), 0) << err;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto after = fixture::EmbeddedThumbnailSize(args[i + 1]);
        ASSERT_EQ(after.has_value(), before[i].has_value()) << args[i + 1];
        if (after) {
            EXPECT_EQ(after->width, before[i]->height) << args[i + 1];
            EXPECT_EQ(after->height, before[i]->width) << args[i + 1];
        }
    }
}

} // namespace
