// Every file a writer operation makes of a real camera file must satisfy tools written by others:
// exiftool finds no new warning or error and the same EXIF values but those written, djpeg
// decodes the picture and the renewed 160 x 120 thumbnail.

#include "exif/exif_writer.h"
#include "platform/codepage.h"
#include "tests/exif/writer_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace writer_test;
using exif::RebuildDates;
using exif::RebuildThumbnail;

namespace {

using PerFile = std::map<std::filesystem::path, std::set<std::string>>;

// exiftool's output for several files, split at its "======== path" lines into one set of
// lines per file. Segment names are normalised so that the same stray bytes read as the same
// warning behind the APP0 of a stripped file as behind the APP1 they followed before.
PerFile LinesPerFile(const std::string& output) {
    static const std::regex segmentName("APP[0-9]+ segment");
    PerFile files;
    std::set<std::string>* current = nullptr;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("======== ", 0) == 0) {
            current = &files[line.substr(9)];
        } else if (current != nullptr && line.rfind("Validate", 0) != 0 &&
                   line.find("files read") == std::string::npos) {
            current->insert(std::regex_replace(line, segmentName, "APPn segment"));
        }
    }
    return files;
}

std::string QuotedAll(const std::vector<std::filesystem::path>& files) {
    std::string quoted;
    for (const auto& file : files) {
        quoted += ' ';
        quoted += Quoted(file);
    }
    return quoted;
}

PerFile Warnings(const std::vector<std::filesystem::path>& files) {
    return LinesPerFile(RunTool("exiftool -validate -warning -error -a" + QuotedAll(files)).output);
}

// The EXIF values exiftool reads, one "[group] name: value" line each, but the written tags.
PerFile ExifValues(const std::vector<std::filesystem::path>& files) {
    return LinesPerFile(
        RunTool("exiftool -a -G1 -s -n -EXIF:all -MakerNotes:all --ImageDescription "
                "--ModifyDate --DateTimeOriginal --CreateDate --ExifImageWidth "
                "--ExifImageHeight --ThumbnailLength --ThumbnailImage --ThumbnailOffset" +
                QuotedAll(files))
            .output);
}

void ExpectDecodes(const std::filesystem::path& file) {
    const ToolRun decode = RunTool("djpeg -outfile /dev/null " + Quoted(file));
    EXPECT_EQ(decode.exitCode, 0) << file;
    EXPECT_EQ(decode.output, "") << file;
}

void ExpectThumbnail160x120(const std::filesystem::path& file) {
    const ToolRun run = RunTool("exiftool -b -IFD1:ThumbnailImage " + Quoted(file) +
                                " 2>/dev/null | djpeg -pnm | head -c 16");
    EXPECT_EQ(run.output.substr(0, 11), "P6\n160 120\n") << file;
}

std::vector<std::filesystem::path> CameraFiles() {
    std::vector<std::filesystem::path> files;
    const auto samples = fixture::SamplesDir();
    for (const char* folder : {"real", "derived"}) {
        for (const auto& path : FilesIn(*samples / folder)) {
            files.push_back(path);
        }
    }
    return files;
}

} // namespace

TEST(WriterInterop, CameraFilesStayValidAfterEveryOperation) {
    if (!fixture::SamplesDir()) {
        GTEST_SKIP() << "no sample folder (LUMARO_SAMPLES_DIR)";
    }
    if (!HaveTool("exiftool") || !HaveTool("djpeg")) {
        GTEST_SKIP() << "exiftool or djpeg is not installed";
    }
    int checked = 0;
    for (const auto& sample : CameraFiles()) {
        const fixture::Sandbox box;
        const auto original = box.CopyIn(sample, "original.jpg");
        if (!exif::ExtractExifSegment(box.Path() / "probe.jpg", original)) {
            continue;
        }
        SCOPED_TRACE(sample.filename().string());
        ++checked;
        const auto titled = box.CopyIn(original, "titled.jpg");
        exif::WriteTagText(titled, "ImageDescription", platform::Utf8ToCp932("夏の海 2024"));
        exif::WriteTagText(titled, "DateTime", "2024:05:06 07:08:09");
        const auto renewed = box.CopyIn(original, "renewed.jpg");
        exif::RebuildWithExif(renewed, renewed, renewed, RebuildDates::FromDateTimeTag,
                              RebuildThumbnail::Renew);
        const auto stripped = box.Path() / "stripped.jpg";
        exif::StripExif(stripped, original);
        const auto added = box.Path() / "added.jpg";
        exif::RebuildWithExif(added, stripped, original, RebuildDates::FromPictureFile,
                              RebuildThumbnail::Renew);

        const std::vector<std::filesystem::path> made = {titled, renewed, stripped, added};
        PerFile warnings = Warnings({original, titled, renewed, stripped, added});
        for (const auto& file : made) {
            for (const std::string& warning : warnings[file]) {
                EXPECT_TRUE(warnings[original].count(warning))
                    << file.filename() << ": new exiftool warning " << warning;
            }
            ExpectDecodes(file);
        }
        PerFile values = ExifValues({original, titled, renewed});
        EXPECT_EQ(values[titled], values[original]);
        EXPECT_EQ(values[renewed], values[original]);
        if (!RunTool("exiftool -q -q -s3 -IFD1:ThumbnailOffset " + Quoted(original))
                                 .output.empty()) {
            ExpectThumbnail160x120(renewed);
            ExpectThumbnail160x120(added);
        }
    }
    EXPECT_GE(checked, 20);
}

TEST(WriterInterop, EveryLayoutStaysValidKeepsItsIccProfileAndLosesExifAndXmpOnStrip) {
    if (!HaveTool("exiftool") || !HaveTool("djpeg")) {
        GTEST_SKIP() << "exiftool or djpeg is not installed";
    }
    const fixture::JpegOptions behind{
        .width = 320,
        .height = 240,
        .app0First = true,
        .segmentsBeforeExif = {fixture::IccProfileSegment(), fixture::XmpSegment()}};
    const fixture::JpegOptions first{.width = 320, .height = 240};
    for (const bool bigEndian : {false, true}) {
        for (const fixture::JpegOptions& options : {first, behind}) {
            const fixture::Sandbox box;
            fixture::ExifContent content = CameraContent(8);
            content.bigEndian = bigEndian;
            const auto original = box.Path() / "original.jpg";
            fixture::WriteFile(original, fixture::BuildJpeg(content, options).bytes);
            SCOPED_TRACE(std::string(bigEndian ? "MM" : "II") +
                         (options.app0First ? " behind" : " first"));
            const auto titled = box.CopyIn(original, "titled.jpg");
            EXPECT_TRUE(exif::WriteTagText(titled, "DateTime", "2024:05:06 07:08:09"));
            EXPECT_TRUE(exif::WriteTagShort(titled, "ExifImageWidth", 321));
            const auto renewed = box.CopyIn(original, "renewed.jpg");
            exif::RebuildWithExif(renewed, renewed, renewed, RebuildDates::FromDateTimeTag,
                                  RebuildThumbnail::Renew);
            const auto stripped = box.Path() / "stripped.jpg";
            exif::StripExif(stripped, original);
            const auto copied = box.Path() / "copied.jpg";
            exif::RebuildWithExif(copied, stripped, original, RebuildDates::FromDateTimeTag,
                                  RebuildThumbnail::Renew);

            PerFile warnings = Warnings({original, titled, renewed, stripped, copied});
            for (const auto& file : {titled, renewed, stripped, copied}) {
                for (const std::string& warning : warnings[file]) {
                    EXPECT_TRUE(warnings[original].count(warning))
                        << file.filename() << ": new exiftool warning " << warning;
                }
                ExpectDecodes(file);
            }
            const auto tag = [](const std::string& name, const std::filesystem::path& file) {
                return RunTool("exiftool -q -q -s3 -" + name + " " + Quoted(file)).output;
            };
            EXPECT_EQ(tag("IFD0:ModifyDate", titled), "2024:05:06 07:08:09\n");
            EXPECT_EQ(tag("ExifImageWidth", titled), "321\n");
            EXPECT_EQ(tag("ExifByteOrder", copied), tag("ExifByteOrder", original));
            EXPECT_EQ(tag("Make", copied), "NIKON\n");
            ExpectThumbnail160x120(renewed);
            ExpectThumbnail160x120(copied);
            EXPECT_EQ(RunTool("exiftool -q -q -EXIF:all -XMP:all " + Quoted(stripped)).output, "");
            const auto icc = [](const std::filesystem::path& file) {
                return RunTool("exiftool -q -q -b -ICC_Profile " + Quoted(file)).output;
            };
            EXPECT_EQ(icc(original).empty(), options.segmentsBeforeExif.empty());
            EXPECT_EQ(icc(stripped), icc(original));
            EXPECT_EQ(icc(copied), icc(original));
            EXPECT_EQ(icc(renewed), icc(original));
        }
    }
}
