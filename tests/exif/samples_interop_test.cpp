// The reader against exiftool on the real camera files.

#include "exif/detail_report.h"
#include "exif/file_probes.h"
#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

using namespace exif;

namespace {

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
        text.pop_back();
    }
    return text;
}

struct Sample {
    std::filesystem::path path;
    bool engineReadable = false;
};

// The camera files of the manifest, with whether the engine should read them: every file with
// EXIF data, whatever its byte order and wherever its segment lies.
std::vector<Sample> ManifestSamples(const std::filesystem::path& dir) {
    std::ifstream manifest(dir / "MANIFEST.tsv");
    std::string line;
    std::getline(manifest, line);
    const std::vector<std::string> header = Split(line, '\t');
    const auto column = std::find(header.begin(), header.end(), "byte_order") - header.begin();
    std::vector<Sample> samples;
    while (std::getline(manifest, line)) {
        const std::vector<std::string> fields = Split(line, '\t');
        if (fields.size() > static_cast<std::size_t>(column) && fields[0].rfind("real/", 0) == 0) {
            samples.push_back({dir / fields[0], !fields[column].empty()});
        }
    }
    return samples;
}

// exiftool's values, one map per file, keyed by tag name.
std::map<std::string, std::string> ExiftoolValues(const std::filesystem::path& file) {
    const std::string output =
        fixture::RunTool("exiftool -n -s -s -Make -Model -DateTimeOriginal -ExifIFD:ExposureTime -ExifIFD:FNumber "
                         "-File:ImageWidth -File:ImageHeight " +
                         fixture::Quoted(file) + " 2>/dev/null")
            .output;
    std::map<std::string, std::string> values;
    std::stringstream stream(output);
    for (std::string line; std::getline(stream, line);) {
        const auto colon = line.find(": ");
        if (colon != std::string::npos) {
            values[line.substr(0, colon)] = line.substr(colon + 2);
        }
    }
    return values;
}

class RealSamples : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fixture::SamplesDir();
        if (!dir) {
            GTEST_SKIP() << "no camera samples beside the checkout";
        }
        if (!fixture::HaveTool("exiftool")) {
            GTEST_SKIP() << "exiftool is not installed";
        }
    }
    std::optional<std::filesystem::path> dir;
};

double RationalValue(const ExifBlock& block, std::string_view name) {
    const auto entry = FindEntry(block, TagDictionary::Standard, name);
    if (!entry) {
        return NAN;
    }
    const auto num = std::get<std::int64_t>(EntryValue(block, *entry, ValuePart::First).value());
    const auto den = std::get<std::int64_t>(EntryValue(block, *entry, ValuePart::Second).value());
    return static_cast<double>(num) / static_cast<double>(den);
}

std::string TextOf(const ExifBlock& block, std::string_view name) {
    const auto entry = FindEntry(block, TagDictionary::Standard, name);
    if (!entry) {
        return "-";
    }
    return Trimmed(TagValueText(EntryValue(block, *entry, ValuePart::First).value()));
}

} // namespace

TEST_F(RealSamples, AgreeWithExiftoolOnMakeModelDateExposureAndAperture) {
    int checked = 0;
    for (const Sample& sample : ManifestSamples(*dir)) {
        SCOPED_TRACE(sample.path.string());
        const auto block = LoadExifBlock(sample.path);
        ASSERT_EQ(block.has_value() && !BuildDetailReport(block).empty(), sample.engineReadable);
        if (!block || !sample.engineReadable) {
            continue;
        }
        auto values = ExiftoolValues(sample.path);
        for (const char* name : {"Make", "Model", "DateTimeOriginal"}) {
            EXPECT_EQ(TextOf(*block, name), Trimmed(values.count(name) ? values[name] : "-"))
                << name;
        }
        for (const char* name : {"ExposureTime", "FNumber"}) {
            const double ours = RationalValue(*block, name);
            if (values.count(name) == 0) {
                EXPECT_TRUE(std::isnan(ours)) << name;
                continue;
            }
            EXPECT_NEAR(ours, std::stod(values[name]), 1e-9 + std::abs(ours) * 1e-6) << name;
        }
        ++checked;
    }
    EXPECT_GE(checked, 43);
}

TEST_F(RealSamples, FrameSizeAgreesWithExiftoolForEveryJpeg) {
    for (const Sample& sample : ManifestSamples(*dir)) {
        SCOPED_TRACE(sample.path.string());
        auto values = ExiftoolValues(sample.path);
        const auto size = JpegImageSize(sample.path);
        ASSERT_TRUE(size);
        EXPECT_EQ(std::to_string(size->width), values["ImageWidth"]);
        EXPECT_EQ(std::to_string(size->height), values["ImageHeight"]);
    }
}

TEST_F(RealSamples, ReportSectionsHoldAsManyEntriesAsExiftoolFinds) {
    const std::regex directory(R"(\+ \[(IFD0|IFD1|ExifIFD|MakerNotes) directory with (\d+) entries)");
    for (const Sample& sample : ManifestSamples(*dir)) {
        if (!sample.engineReadable) {
            continue;
        }
        SCOPED_TRACE(sample.path.string());
        const std::string verbose = fixture::RunTool("exiftool -v " + fixture::Quoted(sample.path) + " 2>/dev/null").output;
        std::map<std::string, int> expected;
        for (std::sregex_iterator it(verbose.begin(), verbose.end(), directory), end; it != end;
             ++it) {
            expected[(*it)[1]] = std::stoi((*it)[2]);
        }
        const auto block = LoadExifBlock(sample.path);
        const MakerNoteKind kind = GetMakerNoteKind(*block);
        if (kind == MakerNoteKind::None) {
            expected.erase("MakerNotes");
        }

        std::map<std::string, int> found;
        const std::string names[] = {"IFD0", "IFD1"};
        int ifds = 0;
        std::string section;
        std::stringstream report(BuildDetailReport(block));
        for (std::string line; std::getline(report, line);) {
            if (line == "== IFD ==\r") {
                section = ifds < 2 ? names[ifds] : "IFD" + std::to_string(ifds);
                ++ifds;
            } else if (line == "== Exif ==\r") {
                section = "ExifIFD";
            } else if (line == "== MakerNote ==\r") {
                section = "MakerNotes";
            } else {
                ++found[section];
            }
        }
        EXPECT_EQ(found, expected);
    }
}

TEST_F(RealSamples, DamagedFilesAreReadWithoutHarm) {
    for (const auto& entry : std::filesystem::directory_iterator(*dir / "corrupt")) {
        SCOPED_TRACE(entry.path().string());
        const auto block = LoadExifBlock(entry.path());
        const std::string report = BuildDetailReport(block);
        for (const TagDictionary dictionary :
             {TagDictionary::Standard, TagDictionary::MakerNote2, TagDictionary::MakerNote3}) {
            for (const TagRow& row : TTagTable(dictionary)) {
                if (!block) {
                    break;
                }
                if (const auto found = FindEntry(*block, dictionary, row.name)) {
                    (void)EntryValue(*block, *found, ValuePart::First);
                    (void)EntryValue(*block, *found, ValuePart::Second);
                }
            }
        }
        (void)JpegImageSize(entry.path());
    }
}
