// The summary values of the real camera files against what exiftool reads from them.

#include "exif/summary_values.h"
#include "platform/codepage.h"
#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace exif;

namespace {

// The exiftool tags asked for, in output order (-T writes one tab-separated row per file).
const std::vector<std::string> kTags = {
    "FilePath",
    "ExifIFD:ExposureTime",
    "ExifIFD:ShutterSpeedValue",
    "ExifIFD:FNumber",
    "ExifIFD:FocalLength",
    "ExifIFD:ISO",
    "ExifIFD:Flash",
    "IFD0:Make",
    "IFD0:Model",
    "ExifIFD:Make",
    "ExifIFD:Model",
    "ExifIFD:DateTimeOriginal",
    "ExifIFD:ExifImageWidth",
    "ExifIFD:ExifImageHeight",
    "IFD0:ImageWidth",
    "IFD0:ImageHeight",
    "File:ImageWidth",
    "File:ImageHeight",
    "Nikon:Quality",
    "Nikon:WhiteBalance",
    "Nikon:ISO",
    "Nikon:Focus",
    "Nikon:ManualFocusDistance",
    "Nikon:FocusMode",
    "Nikon:AFAreaMode",
    "Nikon:AFPoint",
    "Nikon:AFPointsInFocus",
    "Nikon:DigitalZoom",
    "Nikon:Converter",
    "Nikon:AuxiliaryLens",
    "Nikon:ImageAdjustment",
    "Nikon:FlashSetting",
};

using Row = std::map<std::string, std::string>; // tag -> value; "-" when exiftool has none

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// One exiftool run over every camera file, numbers unconverted (-n).
std::map<std::filesystem::path, Row> ExiftoolRows(const std::filesystem::path& samples) {
    std::string command = "exiftool -n -T -charset exif=cp932";
    for (const std::string& tag : kTags) {
        command += " -" + tag;
    }
    for (const char* folder : {"real", "derived", "corrupt"}) {
        command += ' ';
        command += fixture::Quoted(samples / folder);
    }
    std::map<std::filesystem::path, Row> rows;
    std::stringstream output(fixture::RunTool(command + " 2>/dev/null").output);
    for (std::string line; std::getline(output, line);) {
        const std::vector<std::string> values = Split(line, '\t');
        if (values.size() != kTags.size()) {
            continue;
        }
        Row row;
        for (std::size_t i = 0; i < kTags.size(); ++i) {
            row[kTags[i]] = values[i];
        }
        rows[values[0]] = row;
    }
    return rows;
}

bool Has(const Row& row, const std::string& tag) {
    return row.at(tag) != "-";
}

double Number(const Row& row, const std::string& tag) {
    return std::stod(row.at(tag));
}

// The last of exiftool's blank-separated numbers, as the summary reads arrays.
long long LastNumber(const std::string& values) {
    return std::stoll(Split(values, ' ').back());
}

std::string Utf8Value(const std::optional<ExifBlock>& block, SummaryFieldId field,
                      const std::filesystem::path& path) {
    return platform::Cp932ToUtf8(SummaryValue(block, field, path));
}

void ExpectShutterSpeed(const std::string& ours, const Row& row) {
    if (Has(row, "ExifIFD:ExposureTime")) {
        const double seconds = Number(row, "ExifIFD:ExposureTime");
        if (seconds < 1) {
            ASSERT_TRUE(ours.starts_with("1/")) << ours;
            EXPECT_NEAR(std::stod(ours.substr(2)), 1 / seconds, 1.0) << ours;
        } else {
            EXPECT_NEAR(std::stod(ours), seconds, 1.0) << ours;
        }
    } else if (Has(row, "ExifIFD:ShutterSpeedValue")) {
        const double seconds = Number(row, "ExifIFD:ShutterSpeedValue");
        if (seconds <= 1) {
            ASSERT_TRUE(ours.starts_with("1/")) << ours;
            EXPECT_NEAR(std::stod(ours.substr(2)), 1 / seconds, 0.5 + 1e-6) << ours;
        } else {
            EXPECT_NEAR(std::stod(ours), seconds, 0.5 + 1e-6) << ours;
        }
    } else {
        EXPECT_EQ(ours, "");
    }
}

// "prefix<number><suffix>" against exiftool's number, to the decimals shown.
void ExpectDecimal(const std::string& ours, const Row& row, const std::string& tag,
                   const std::string& prefix, const std::string& suffix) {
    if (!Has(row, tag)) {
        EXPECT_EQ(ours, "") << tag;
        return;
    }
    ASSERT_TRUE(ours.starts_with(prefix) && ours.ends_with(suffix)) << tag << ": " << ours;
    const std::string digits =
        ours.substr(prefix.size(), ours.size() - prefix.size() - suffix.size());
    EXPECT_NEAR(std::stod(digits), Number(row, tag), 0.05 + 1e-9) << tag << ": " << ours;
}

// The image size the summary's order of sources gives, from exiftool's values.
std::string ExpectedImageSize(const Row& row, bool haveBlock) {
    const std::pair<std::string, std::string> sources[] = {
        {"ExifIFD:ExifImageWidth", "ExifIFD:ExifImageHeight"},
        {"IFD0:ImageWidth", "IFD0:ImageHeight"},
        {"File:ImageWidth", "File:ImageHeight"}};
    for (std::size_t i = haveBlock ? 0 : 2; i < std::size(sources); ++i) {
        std::string size;
        if (Has(row, sources[i].first)) {
            size += row.at(sources[i].first);
        }
        if (Has(row, sources[i].second)) {
            size += " × " + row.at(sources[i].second);
        }
        if (!size.empty()) {
            return size;
        }
    }
    return "";
}

class SummaryAgainstExiftool : public ::testing::Test {
protected:
    void SetUp() override {
        const auto samples = fixture::SamplesDir();
        if (!samples) {
            GTEST_SKIP() << "no camera samples beside the checkout";
        }
        if (!fixture::HaveTool("exiftool")) {
            GTEST_SKIP() << "exiftool is not installed";
        }
        rows = ExiftoolRows(*samples);
        ASSERT_GE(rows.size(), 40u) << "exiftool read too few of the camera files";
    }
    std::map<std::filesystem::path, Row> rows;
};

} // namespace

TEST_F(SummaryAgainstExiftool, AgreesOnExposureApertureFocalLengthAndFlash) {
    for (const auto& [path, row] : rows) {
        SCOPED_TRACE(path.string());
        const auto block = LoadExifBlock(path);
        if (!block) {
            continue;
        }
        ExpectShutterSpeed(Utf8Value(block, SummaryFieldId::ShutterSpeed, path), row);
        ExpectDecimal(Utf8Value(block, SummaryFieldId::Aperture, path), row, "ExifIFD:FNumber", "F",
                      "");
        ExpectDecimal(Utf8Value(block, SummaryFieldId::FocalLength, path), row,
                      "ExifIFD:FocalLength", "", " mm");
        const std::string flash = Utf8Value(block, SummaryFieldId::SpeedLight, path);
        if (Has(row, "ExifIFD:Flash")) {
            const bool fired = (LastNumber(row.at("ExifIFD:Flash")) & 1) != 0;
            EXPECT_TRUE(flash.starts_with(fired ? "ON" : "OFF")) << flash;
        }
    }
}

TEST_F(SummaryAgainstExiftool, AgreesOnMakeModelDateIsoAndImageSize) {
    for (const auto& [path, row] : rows) {
        SCOPED_TRACE(path.string());
        const auto block = LoadExifBlock(path);
        EXPECT_EQ(Utf8Value(block, SummaryFieldId::ImageSize, path),
                  ExpectedImageSize(row, block.has_value()));
        if (!block) {
            continue;
        }
        auto expectText = [&block, &file = path, &values = row](SummaryFieldId field,
                                                                const std::string& tag) {
            EXPECT_EQ(Trimmed(Utf8Value(block, field, file)),
                      Has(values, tag) ? values.at(tag) : "")
                << tag;
        };
        // A camera that keeps them in its Exif IFD is read there too.
        expectText(SummaryFieldId::Make, Has(row, "IFD0:Make") ? "IFD0:Make" : "ExifIFD:Make");
        expectText(SummaryFieldId::Model, Has(row, "IFD0:Model") ? "IFD0:Model" : "ExifIFD:Model");
        if (Has(row, "ExifIFD:DateTimeOriginal")) {
            expectText(SummaryFieldId::ShotDate, "ExifIFD:DateTimeOriginal");
        }
        const std::string iso = Utf8Value(block, SummaryFieldId::Sensitivity, path);
        if (GetMakerNoteKind(*block) == MakerNoteKind::Kind3) {
            continue; // the E990's own ISO, compared with the maker-note fields
        }
        if (!Has(row, "ExifIFD:ISO")) {
            EXPECT_EQ(iso, "");
            continue;
        }
        const long long rating = LastNumber(row.at("ExifIFD:ISO"));
        const std::map<long long, std::string> words = {{0, "DEF"}, {1, "+1.0"}, {2, "+2.0"}};
        EXPECT_EQ(iso, words.contains(rating) ? words.at(rating) : std::to_string(rating));
    }
}

namespace {

// The E990's words and the names the summary gives them, from the camera's manual.
std::string Kind3Word(const std::map<std::string, std::string>& names, const std::string& word) {
    return names.contains(word) ? names.at(word) : word;
}

std::string Kind2Quality(long long value) {
    // 1-12: BASIC, NORMAL, FINE at VGA, XGA, "-" and UXGA; 20: HI at UXGA.
    const char* words[] = {"BASIC", "NORMAL", "FINE"};
    const char* sizes[] = {"VGA", "XGA", "-", "UXGA"};
    if (value == 20) {
        return "HI     UXGA";
    }
    if (value < 1 || value > 12) {
        return std::to_string(value);
    }
    std::string word = words[(value - 1) % 3];
    word.resize(7, ' ');
    return word + sizes[(value - 1) / 3];
}

std::string Metres(double metres, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f m", decimals, metres);
    return text;
}

std::string FocusAreaName(const Row& row) {
    if (!Has(row, "Nikon:AFAreaMode")) {
        return "";
    }
    const long long area = Number(row, "Nikon:AFAreaMode") + Number(row, "Nikon:AFPoint") * 256 +
                           Number(row, "Nikon:AFPointsInFocus") * 65536;
    const std::map<long long, std::string> names = {
        {0, "中"}, {256, "上"}, {512, "下"}, {768, "左"}, {1024, "右"}};
    char hex[32];
    std::snprintf(hex, sizeof hex, "$%llx", area);
    return " (" + (names.contains(area) ? names.at(area) : std::string(hex)) + ")";
}

void ExpectKind2(const std::optional<ExifBlock>& block, const std::filesystem::path& path,
                 const Row& row) {
    auto ours = [&](SummaryFieldId field) { return Utf8Value(block, field, path); };
    EXPECT_EQ(ours(SummaryFieldId::QualityMode), Kind2Quality(LastNumber(row.at("Nikon:Quality"))));
    const std::vector<std::string> balances = {"オート", "プリセット", "太陽光",        "電球",
                                               "蛍光灯", "曇天",       "スピードライト"};
    EXPECT_EQ(ours(SummaryFieldId::WhiteBalance),
              balances.at(static_cast<std::size_t>(Number(row, "Nikon:WhiteBalance"))));
    const std::string focus = row.at("Nikon:Focus");
    EXPECT_EQ(ours(SummaryFieldId::FocusMode), focus == "undef" ? "AF"
                                               : focus == "inf" ? "INF"
                                                                : Metres(std::stod(focus), 1));
    const double zoom = Number(row, "Nikon:DigitalZoom");
    char zoomText[32];
    std::snprintf(zoomText, sizeof zoomText, "×%.2f", zoom == 0 ? 1.0 : zoom);
    EXPECT_EQ(ours(SummaryFieldId::DigitalZoom), zoomText);
    EXPECT_EQ(ours(SummaryFieldId::Converter),
              Number(row, "Nikon:Converter") == 0 ? "なし" : "あり");
    const std::vector<std::string> adjustments = {"標準", "明るい", "暗い", "コントラスト強",
                                                  "コントラスト弱"};
    EXPECT_EQ(ours(SummaryFieldId::ToneAdjust),
              adjustments.at(static_cast<std::size_t>(Number(row, "Nikon:ImageAdjustment"))));
}

void ExpectKind3(const std::optional<ExifBlock>& block, const std::filesystem::path& path,
                 const Row& row) {
    auto ours = [&](SummaryFieldId field) { return Utf8Value(block, field, path); };
    EXPECT_EQ(Trimmed(ours(SummaryFieldId::QualityMode)), row.at("Nikon:Quality"));
    EXPECT_EQ(ours(SummaryFieldId::WhiteBalance), Kind3Word({{"AUTO", "オート"},
                                                             {"WHITE PRESET", "プリセット"},
                                                             {"SUNNY", "太陽光"},
                                                             {"INCANDESCENT", "電球"},
                                                             {"FLUORESCENT", "蛍光灯"},
                                                             {"CLOUDY", "曇天"},
                                                             {"FLASH", "スピードライト"}},
                                                            row.at("Nikon:WhiteBalance")));
    const long long iso = LastNumber(row.at("Nikon:ISO"));
    EXPECT_EQ(ours(SummaryFieldId::Sensitivity), iso != 0 ? "ISO " + std::to_string(iso)
                                                 : Has(row, "ExifIFD:ISO")
                                                     ? "AUTO (" + row.at("ExifIFD:ISO") + ")"
                                                     : "");
    const std::string distance = row.at("Nikon:ManualFocusDistance");
    const std::string autofocus =
        Kind3Word({{"AF-C", "C-AF"}, {"AF-S", "S-AF"}, {"", "AF"}}, row.at("Nikon:FocusMode"));
    EXPECT_EQ(ours(SummaryFieldId::FocusMode),
              (distance == "undef" ? autofocus
               : distance == "inf" ? "INF"
                                   : Metres(std::stod(distance), 2)) +
                  FocusAreaName(row));
    char zoom[32];
    std::snprintf(zoom, sizeof zoom, "×%.1f", Number(row, "Nikon:DigitalZoom"));
    EXPECT_EQ(ours(SummaryFieldId::DigitalZoom), zoom);
    EXPECT_EQ(ours(SummaryFieldId::Converter), Kind3Word({{"WIDE ADAPTER", "ワイドコンバータ"},
                                                          {"TELEPHOTO 1", "テレコンバータ１"},
                                                          {"TELEPHOTO 2", "テレコンバータ２"},
                                                          {"FISHEYE 1", "フィッシュアイ１"},
                                                          {"FISHEYE 2", "フィッシュアイ２"}},
                                                         row.at("Nikon:AuxiliaryLens")));
    EXPECT_EQ(ours(SummaryFieldId::ToneAdjust), Kind3Word({{"NORMAL", "標準"},
                                                           {"CONTRAST(+)", "コントラスト強"},
                                                           {"CONTRAST(-)", "コントラスト弱"},
                                                           {"BRIGHTNESS(+)", "明るめ"},
                                                           {"BRIGHTNESS(-)", "暗め"},
                                                           {"B & W", "モノクロ"}},
                                                          row.at("Nikon:ImageAdjustment")));
    const std::string flashMode = Kind3Word(
        {{"NORMAL", "発光"}, {"", "発光禁止"}, {"RED-EYE", "赤目軽減"}, {"SLOW", "スローシンクロ"}},
        Has(row, "Nikon:FlashSetting") ? row.at("Nikon:FlashSetting") : "");
    EXPECT_TRUE(ours(SummaryFieldId::SpeedLight).ends_with(" (" + flashMode + ")"))
        << ours(SummaryFieldId::SpeedLight);
}

} // namespace

TEST_F(SummaryAgainstExiftool, AgreesOnTheNikonMakerNoteFieldsWhereExiftoolDecodesThem) {
    int decoded = 0;
    for (const auto& [path, row] : rows) {
        const std::string model = row.at("IFD0:Model");
        if (row.at("IFD0:Make") != "NIKON" ||
            (model != "E700" && model != "E800" && model != "E950" && model != "E990")) {
            continue;
        }
        SCOPED_TRACE(path.string());
        const auto block = LoadExifBlock(path);
        if (!block) {
            continue; // an edited copy whose EXIF block the reader does not take
        }
        ++decoded;
        if (model == "E990") {
            ASSERT_EQ(GetMakerNoteKind(*block), MakerNoteKind::Kind3);
            ExpectKind3(block, path, row);
        } else {
            ASSERT_EQ(GetMakerNoteKind(*block), MakerNoteKind::Kind2);
            ExpectKind2(block, path, row);
        }
    }
    if (decoded == 0) {
        GTEST_SKIP() << "no E700, E800, E950 or E990 file the reader takes among the samples";
    }
}
