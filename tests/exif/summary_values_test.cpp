// The summary values, one rule family at a time, on files written by the fixture builder.

#include "exif/summary_values.h"
#include "platform/codepage.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

using namespace exif;
using namespace fixture;

namespace {

// Standard tags.
constexpr std::uint16_t kImageDescription = 0x010E, kMake = 0x010F, kModel = 0x0110,
                        kSoftware = 0x0131, kImageWidth = 0x0100, kImageLength = 0x0101,
                        kExposureTime = 0x829A, kFNumber = 0x829D, kExposureProgram = 0x8822,
                        kIsoSpeedRatings = 0x8827, kDateTimeOriginal = 0x9003,
                        kCompressedBits = 0x9102, kShutterSpeedValue = 0x9201,
                        kExposureBias = 0x9204, kMeteringMode = 0x9207, kFlash = 0x9209,
                        kFocalLength = 0x920A, kUserComment = 0x9286, kExifImageWidth = 0xA002,
                        kExifImageLength = 0xA003;
// Maker-note tags of the E950 (kind 2) and the E990 (kind 3).
constexpr std::uint16_t k2SizeQuality = 0x0003, k2MonoMode = 0x0004, k2ImageAdjust = 0x0005,
                        k2WhiteBalance = 0x0007, k2FocusMode = 0x0008, k2DigitalTele = 0x000A,
                        k2Converter = 0x000B;
constexpr std::uint16_t k3IsoValue = 0x0002, k3MonoMode = 0x0003, k3Quality = 0x0004,
                        k3WhiteBalance = 0x0005, k3Sharpness = 0x0006, k3AfMode = 0x0007,
                        k3SpeedLightMode = 0x0008, k3ImageAdjust = 0x0080, k3Converter = 0x0082,
                        k3FocusPosition = 0x0085, k3DigitalTele = 0x0086, k3FocusArea = 0x0088;

ExifContent Camera(std::string_view make, std::string_view model, std::vector<Entry> exif) {
    ExifContent content;
    content.ifd0 = {Ascii(kMake, make), Ascii(kModel, model)};
    content.exif = std::move(exif);
    return content;
}

ExifContent OtherCamera(std::vector<Entry> exif = {}) {
    return Camera("Canon", "Canon PowerShot S40", std::move(exif));
}

ExifContent KindTwo(std::vector<Entry> makerNote, std::vector<Entry> exif = {}) {
    ExifContent content = Camera("NIKON", "E950", std::move(exif));
    content.makerNote = MakerNote{MakerNoteLayout::NikonHeader, std::move(makerNote)};
    return content;
}

ExifContent KindThree(std::vector<Entry> makerNote, std::vector<Entry> exif = {}) {
    ExifContent content = Camera("NIKON", "E990", std::move(exif));
    content.makerNote = MakerNote{MakerNoteLayout::Headerless, std::move(makerNote)};
    return content;
}

class ASummary : public ::testing::Test {
protected:
    std::filesystem::path Write(const ExifContent& content, const JpegOptions& options = {}) {
        const auto path = sandbox.Path() / "DSCN0001.JPG";
        WriteFile(path, BuildJpeg(content, options).bytes);
        return path;
    }
    // The value as UTF-8, so expectations read as the user sees them.
    std::string Value(const ExifContent& content, SummaryFieldId field) {
        return ValueOf(Write(content), field);
    }
    static std::string ValueOf(const std::filesystem::path& path, SummaryFieldId field) {
        return platform::Cp932ToUtf8(SummaryValue(LoadExifBlock(path), field, path));
    }
    Sandbox sandbox;
};

void SetLocalModificationTime(const std::filesystem::path& path, int year, int month, int day,
                              int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace

TEST(ASummaryFieldTable, HasTwentyFiveUniqueNamesInTableOrder) {
    const auto fields = SummaryFields();
    ASSERT_EQ(fields.size(), 25u);
    std::set<std::string> names;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(fields[i].id), i + 1);
        EXPECT_EQ(SummaryFieldIndex(fields[i].name), static_cast<int>(i) + 1);
        names.insert(fields[i].name);
    }
    EXPECT_EQ(names.size(), 25u);
    EXPECT_EQ(platform::Cp932ToUtf8(fields.front().name), "ファイル名");
    EXPECT_EQ(platform::Cp932ToUtf8(fields.back().name), "コメント");
}

TEST(ASummaryFieldTable, KnowsOnlyItsOwnNamesExactly) {
    EXPECT_EQ(SummaryFieldIndex(platform::Utf8ToCp932("絞り値")), 12);
    EXPECT_EQ(SummaryFieldIndex(platform::Utf8ToCp932("絞り値 ")), 0);
    EXPECT_EQ(SummaryFieldIndex("絞り値"), 0) << "names are CP932, not UTF-8";
    EXPECT_EQ(SummaryFieldIndex(""), 0);
}

TEST(ASummaryFieldTable, FlagsTheFieldsOfFilesWithAndWithoutAnExifIfd) {
    std::vector<int> withExif, withoutExif;
    for (const SummaryField& field : SummaryFields()) {
        if (field.showWithExif) {
            withExif.push_back(static_cast<int>(field.id));
        }
        if (field.showWithoutExif) {
            withoutExif.push_back(static_cast<int>(field.id));
        }
    }
    EXPECT_EQ(withExif, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 11, 12, 16}));
    EXPECT_EQ(withoutExif, (std::vector<int>{1, 2, 6, 7}));
}

TEST_F(ASummary, LooksFieldsUpByTheirCp932Name) {
    const auto path = Write(OtherCamera({Rational(kFNumber, 28, 10)}));
    const auto block = LoadExifBlock(path);
    EXPECT_EQ(SummaryValue(block, platform::Utf8ToCp932("絞り値"), path), "F2.8");
    EXPECT_EQ(SummaryValue(block, platform::Utf8ToCp932("絞り"), path), "");
}

TEST_F(ASummary, WritesShutterSpeedFromExposureTime) {
    auto shutter = [&](std::uint32_t num, std::uint32_t den) {
        return Value(OtherCamera({Rational(kExposureTime, num, den)}),
                     SummaryFieldId::ShutterSpeed);
    };
    EXPECT_EQ(shutter(1, 125), "1/125");
    EXPECT_EQ(shutter(2, 1), "2");
    EXPECT_EQ(shutter(10, 300), "1/30");
    EXPECT_EQ(shutter(0, 1), "") << "a zero divisor has no text";
    EXPECT_EQ(shutter(1, 0), "");
    EXPECT_EQ(
        Value(OtherCamera({Rational(kExposureTime, 1, 60), SRational(kShutterSpeedValue, 7, 1)}),
              SummaryFieldId::ShutterSpeed),
        "1/60")
        << "ExposureTime comes before ShutterSpeedValue";
}

TEST_F(ASummary, WritesShutterSpeedFromTheApexValueWithoutExposureTime) {
    auto shutter = [&](std::int32_t num, std::int32_t den) {
        return Value(OtherCamera({SRational(kShutterSpeedValue, num, den)}),
                     SummaryFieldId::ShutterSpeed);
    };
    EXPECT_EQ(shutter(7, 1), "1/128");
    EXPECT_EQ(shutter(6906891, 1000000), "1/120"); // 2^6.906891 = 119.99
    EXPECT_EQ(shutter(-1, 1), "2");
    EXPECT_EQ(shutter(0, 1), "1/1");
    EXPECT_EQ(shutter(7, 0), "");
    EXPECT_EQ(shutter(2000000, 1), "") << "an exposure beyond any number has no text";
}

TEST_F(ASummary, WritesApertureBiasAndFocalLengthWithOneDecimal) {
    const ExifContent content =
        OtherCamera({Rational(kFNumber, 28, 10), SRational(kExposureBias, -3, 10),
                     Rational(kFocalLength, 70, 10)});
    EXPECT_EQ(Value(content, SummaryFieldId::Aperture), "F2.8");
    EXPECT_EQ(Value(content, SummaryFieldId::ExposureBias), "-0.3");
    EXPECT_EQ(Value(content, SummaryFieldId::FocalLength), "7.0 mm");
    EXPECT_EQ(Value(OtherCamera({SRational(kExposureBias, 2, 3)}), SummaryFieldId::ExposureBias),
              "0.7");
    const ExifContent zero =
        OtherCamera({Rational(kFNumber, 28, 0), SRational(kExposureBias, -3, 0),
                     Rational(kFocalLength, 70, 0)});
    EXPECT_EQ(Value(zero, SummaryFieldId::Aperture), "");
    EXPECT_EQ(Value(zero, SummaryFieldId::ExposureBias), "");
    EXPECT_EQ(Value(zero, SummaryFieldId::FocalLength), "");
}

TEST_F(ASummary, NamesMeteringAndExposureProgramsAndWritesOthersInDecimal) {
    EXPECT_EQ(Value(OtherCamera({Short(kMeteringMode, {6})}), SummaryFieldId::MeteringMode),
              "ＡＦスポット測光");
    EXPECT_EQ(Value(OtherCamera({Short(kMeteringMode, {1})}), SummaryFieldId::MeteringMode), "1");
    EXPECT_EQ(Value(OtherCamera({Short(kExposureProgram, {3})}), SummaryFieldId::ExposureMode),
              "絞り優先オート");
    EXPECT_EQ(Value(OtherCamera({Short(kExposureProgram, {7})}), SummaryFieldId::ExposureMode),
              "7");
}

TEST_F(ASummary, TakesIsoFromTheE990MakerNoteBeforeTheStandardTag) {
    EXPECT_EQ(Value(KindThree({Short(k3IsoValue, {0, 200})}, {Short(kIsoSpeedRatings, {100})}),
                    SummaryFieldId::Sensitivity),
              "ISO 200");
    EXPECT_EQ(Value(KindThree({Short(k3IsoValue, {0, 0})}, {Short(kIsoSpeedRatings, {100})}),
                    SummaryFieldId::Sensitivity),
              "AUTO (100)");
    EXPECT_EQ(Value(KindThree({Short(k3IsoValue, {0, 0})}), SummaryFieldId::Sensitivity), "");
    EXPECT_EQ(Value(KindThree({}, {Short(kIsoSpeedRatings, {400})}), SummaryFieldId::Sensitivity),
              "400");
}

TEST_F(ASummary, FallsBackToTheStandardIsoRatingWithItsOwnWords) {
    auto iso = [&](std::uint16_t rating) {
        return Value(OtherCamera({Short(kIsoSpeedRatings, {rating})}), SummaryFieldId::Sensitivity);
    };
    EXPECT_EQ(iso(0), "DEF");
    EXPECT_EQ(iso(1), "+1.0");
    EXPECT_EQ(iso(2), "+2.0");
    EXPECT_EQ(iso(100), "100");
    EXPECT_EQ(iso(250), "250");
    EXPECT_EQ(Value(KindTwo({Short(k2WhiteBalance, {0})}, {Short(kIsoSpeedRatings, {80})}),
                    SummaryFieldId::Sensitivity),
              "80");
}

TEST_F(ASummary, NamesWhiteBalanceOfBothMakerNoteKinds) {
    auto kindTwo = [&](std::uint16_t value) {
        return Value(KindTwo({Short(k2WhiteBalance, {value})}), SummaryFieldId::WhiteBalance);
    };
    EXPECT_EQ(kindTwo(0), "オート");
    EXPECT_EQ(kindTwo(2), "太陽光");
    EXPECT_EQ(kindTwo(6), "スピードライト");
    EXPECT_EQ(kindTwo(9), "9");
    auto kindThree = [&](std::string_view word) {
        return Value(KindThree({AsciiFixed(k3WhiteBalance, word, 13)}),
                     SummaryFieldId::WhiteBalance);
    };
    EXPECT_EQ(kindThree("AUTO        "), "オート");
    EXPECT_EQ(kindThree("WHITE PRESET"), "プリセット");
    EXPECT_EQ(kindThree("FLUORESCENT "), "蛍光灯");
    EXPECT_EQ(kindThree("  MIXED"), "MIXED") << "an unknown word stays, trimmed";
    EXPECT_EQ(Value(OtherCamera(), SummaryFieldId::WhiteBalance), "");
}

TEST_F(ASummary, LeavesMakerNoteFieldsEmptyForOtherCamerasWithTheSameLayout) {
    ExifContent content = KindTwo({Short(k2WhiteBalance, {2}), Short(k2SizeQuality, {12})});
    content.ifd0 = {Ascii(kMake, "NIKON"), Ascii(kModel, "E900")};
    EXPECT_EQ(Value(content, SummaryFieldId::WhiteBalance), "");
    EXPECT_EQ(Value(content, SummaryFieldId::Sharpening), "");
    EXPECT_EQ(Value(content, SummaryFieldId::QualityMode), "");
}

TEST_F(ASummary, WritesQualityFromTheMakerNoteOrTheCompressionRate) {
    EXPECT_EQ(Value(KindTwo({Short(k2SizeQuality, {20})}), SummaryFieldId::QualityMode),
              "HI     UXGA");
    EXPECT_EQ(Value(KindTwo({Short(k2SizeQuality, {5})}), SummaryFieldId::QualityMode),
              "NORMAL XGA");
    EXPECT_EQ(Value(KindTwo({Short(k2SizeQuality, {13})}), SummaryFieldId::QualityMode), "13");
    EXPECT_EQ(Value(KindThree({Ascii(k3Quality, "FINE  ")}), SummaryFieldId::QualityMode), "FINE  ")
        << "the E990's word is shown untrimmed";
    EXPECT_EQ(Value(OtherCamera({Rational(kCompressedBits, 4, 1)}), SummaryFieldId::QualityMode),
              "FINE");
    EXPECT_EQ(Value(OtherCamera({Rational(kCompressedBits, 0, 1)}), SummaryFieldId::QualityMode),
              "HI");
    EXPECT_EQ(Value(OtherCamera({Rational(kCompressedBits, 3, 1)}), SummaryFieldId::QualityMode),
              "3");
    EXPECT_EQ(Value(KindTwo({}, {Rational(kCompressedBits, 2, 1)}), SummaryFieldId::QualityMode),
              "NORMAL");
}

TEST_F(ASummary, WritesTheFocusOfKindTwoAsDistanceInfinityOrAutofocus) {
    auto focus = [&](std::uint32_t num, std::uint32_t den) {
        return Value(KindTwo({Rational(k2FocusMode, num, den)}), SummaryFieldId::FocusMode);
    };
    EXPECT_EQ(focus(25, 10), "2.5 m");
    EXPECT_EQ(focus(5, 0), "INF");
    EXPECT_EQ(focus(0, 0), "AF");
}

TEST_F(ASummary, WritesTheFocusOfKindThreeWithAndWithoutFocusArea) {
    auto focus = [&](std::vector<Entry> makerNote) {
        return Value(KindThree(std::move(makerNote)), SummaryFieldId::FocusMode);
    };
    EXPECT_EQ(focus({Rational(k3FocusPosition, 150, 100)}), "1.50 m");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 1, 0)}), "INF");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 0, 0), Ascii(k3AfMode, "AF-S  ")}), "S-AF");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 0, 0), Ascii(k3AfMode, "AF-C  ")}), "C-AF");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 0, 0), Ascii(k3AfMode, "MANUAL")}), "MANUAL");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 0, 0)}), "AF");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 0, 0), Ascii(k3AfMode, "AF-S  "),
                     Undefined(k3FocusArea, {0, 1, 0, 0})}),
              "S-AF (上)");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 150, 100), Undefined(k3FocusArea, {0, 4, 0, 0})}),
              "1.50 m (右)");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 1, 0), Undefined(k3FocusArea, {0, 0, 0, 0})}),
              "INF (中)");
    EXPECT_EQ(focus({Rational(k3FocusPosition, 1, 0), Undefined(k3FocusArea, {0, 5, 0, 0})}),
              "INF ($500)");
}

TEST_F(ASummary, WritesTheFlashWithTheE990SpeedLightMode) {
    auto flash = [&](std::vector<Entry> exif, std::vector<Entry> makerNote) {
        return Value(KindThree(std::move(makerNote), std::move(exif)), SummaryFieldId::SpeedLight);
    };
    EXPECT_EQ(flash({Short(kFlash, {1})}, {Ascii(k3SpeedLightMode, "NORMAL ")}), "ON (発光)");
    EXPECT_EQ(flash({Short(kFlash, {0})}, {AsciiFixed(k3SpeedLightMode, "", 8)}), "OFF (発光禁止)");
    EXPECT_EQ(flash({}, {AsciiFixed(k3SpeedLightMode, "", 8)}), " (発光禁止)");
    EXPECT_EQ(flash({Short(kFlash, {1})}, {Ascii(k3SpeedLightMode, "RED-EYE")}), "ON (赤目軽減)");
    EXPECT_EQ(flash({Short(kFlash, {1})}, {Ascii(k3SpeedLightMode, "REAR")}), "ON (REAR)");
    EXPECT_EQ(flash({Short(kFlash, {0x19})}, {}), "ON");
    EXPECT_EQ(Value(OtherCamera({Short(kFlash, {0x10})}), SummaryFieldId::SpeedLight), "OFF");
}

TEST_F(ASummary, WritesDigitalZoomOfBothKinds) {
    EXPECT_EQ(Value(KindTwo({Short(k2DigitalTele, {160})}), SummaryFieldId::DigitalZoom), "×1.60");
    EXPECT_EQ(Value(KindTwo({Rational(k2DigitalTele, 0, 100)}), SummaryFieldId::DigitalZoom),
              "×1.00");
    EXPECT_EQ(Value(KindTwo({Short(k2DigitalTele, {175})}), SummaryFieldId::DigitalZoom), "175");
    EXPECT_EQ(Value(KindThree({Rational(k3DigitalTele, 200, 100)}), SummaryFieldId::DigitalZoom),
              "×2.0");
    EXPECT_EQ(Value(KindThree({Rational(k3DigitalTele, 26, 0)}), SummaryFieldId::DigitalZoom),
              "$1a");
}

TEST_F(ASummary, NamesToneSharpnessMonochromeAndConverterOfKindTwo) {
    const ExifContent content =
        KindTwo({Short(k2ImageAdjust, {3}), Short(k2MonoMode, {2}), Short(k2Converter, {1})});
    EXPECT_EQ(Value(content, SummaryFieldId::ToneAdjust), "コントラスト強");
    EXPECT_EQ(Value(content, SummaryFieldId::Sharpening), "標準");
    EXPECT_EQ(Value(content, SummaryFieldId::MonoMode), "モノクロ");
    EXPECT_EQ(Value(content, SummaryFieldId::Converter), "あり");
}

TEST_F(ASummary, NamesToneSharpnessMonochromeAndConverterOfKindThree) {
    const ExifContent content =
        KindThree({Ascii(k3ImageAdjust, "BRIGHTNESS(+) "), Ascii(k3Sharpness, "HIGH  "),
                   Ascii(k3MonoMode, "B & W"), Ascii(k3Converter, "FISHEYE 1   ")});
    EXPECT_EQ(Value(content, SummaryFieldId::ToneAdjust), "明るめ");
    EXPECT_EQ(Value(content, SummaryFieldId::Sharpening), "強");
    EXPECT_EQ(Value(content, SummaryFieldId::MonoMode), "モノクロ");
    EXPECT_EQ(Value(content, SummaryFieldId::Converter), "フィッシュアイ１");
    const ExifContent other = KindThree({Ascii(k3Sharpness, "NONE"), Ascii(k3Converter, "MACRO")});
    EXPECT_EQ(Value(other, SummaryFieldId::Sharpening), "OFF");
    EXPECT_EQ(Value(other, SummaryFieldId::Converter), "MACRO");
}

TEST_F(ASummary, TakesTheImageSizeFromExifThenTiffThenTheFrameHeader) {
    const JpegOptions picture{.width = 640, .height = 480};
    ExifContent both =
        OtherCamera({Long(kExifImageWidth, {2048}), Short(kExifImageLength, {1536})});
    both.ifd0.push_back(Long(kImageWidth, {100}));
    both.ifd0.push_back(Long(kImageLength, {75}));
    EXPECT_EQ(ValueOf(Write(both, picture), SummaryFieldId::ImageSize), "2048 × 1536");

    ExifContent tiffOnly = OtherCamera();
    tiffOnly.ifd0.push_back(Long(kImageWidth, {100}));
    tiffOnly.ifd0.push_back(Long(kImageLength, {75}));
    EXPECT_EQ(ValueOf(Write(tiffOnly, picture), SummaryFieldId::ImageSize), "100 × 75");

    ExifContent noExif;
    noExif.ifd0 = {Ascii(kMake, "Canon")};
    EXPECT_EQ(ValueOf(Write(noExif, picture), SummaryFieldId::ImageSize), "640 × 480");

    EXPECT_EQ(ValueOf(Write(OtherCamera({Short(kExifImageLength, {480})}), picture),
                      SummaryFieldId::ImageSize),
              " × 480")
        << "a lone height is written as found";
}

TEST_F(ASummary, LeavesTheThumbnailSizeOfIfd1OutOfTheImageSize) {
    ExifContent content = OtherCamera();
    content.ifd1 = std::vector<Entry>{Long(kImageWidth, {80}), Long(kImageLength, {60})};
    EXPECT_EQ(ValueOf(Write(content, {.width = 320, .height = 240}), SummaryFieldId::ImageSize),
              "320 × 240");
}

TEST_F(ASummary, ShowsFileNameSizeDateAndFrameSizeOfAFileWithoutABlock) {
    const auto path = Write(OtherCamera(), {.width = 320, .height = 240});
    fixture::WriteFile(path, fixture::EncodeJpeg(320, 240)); // the same name, without EXIF
    ASSERT_FALSE(LoadExifBlock(path));
    SetLocalModificationTime(path, 2001, 2, 3, 4, 5, 6);
    const auto size = std::filesystem::file_size(path);
    EXPECT_EQ(ValueOf(path, SummaryFieldId::FileName), "DSCN0001.JPG");
    EXPECT_EQ(ValueOf(path, SummaryFieldId::FileSize), std::to_string((size + 512) / 1024) + " KB");
    EXPECT_EQ(ValueOf(path, SummaryFieldId::ShotDate), "2001:02:03 04:05:06");
    EXPECT_EQ(ValueOf(path, SummaryFieldId::ImageSize), "320 × 240");
    EXPECT_EQ(ValueOf(path, SummaryFieldId::Make), "");
    EXPECT_EQ(ValueOf(path, SummaryFieldId::Sharpening), "");
}

TEST_F(ASummary, RoundsTheFileSizeToTheNearestKilobyte) {
    const auto path = sandbox.Path() / "x.jpg";
    WriteFile(path, std::vector<std::uint8_t>(1535, 0));
    EXPECT_EQ(ValueOf(path, SummaryFieldId::FileSize), "1 KB");
    WriteFile(path, std::vector<std::uint8_t>(1536, 0));
    EXPECT_EQ(ValueOf(path, SummaryFieldId::FileSize), "2 KB");
    WriteFile(path, {});
    EXPECT_EQ(ValueOf(path, SummaryFieldId::FileSize), "0 KB");
}

TEST_F(ASummary, TakesTheShootingDateOrElseTheFileTime) {
    const auto withDate = Write(OtherCamera({Ascii(kDateTimeOriginal, "2000:12:30 10:18:16")}));
    EXPECT_EQ(ValueOf(withDate, SummaryFieldId::ShotDate), "2000:12:30 10:18:16");
    const auto without = Write(OtherCamera({Rational(kFNumber, 28, 10)}));
    SetLocalModificationTime(without, 2003, 11, 22, 23, 59, 58);
    EXPECT_EQ(ValueOf(without, SummaryFieldId::ShotDate), "2003:11:22 23:59:58");
}

TEST_F(ASummary, ShowsTextTagsUntrimmedAndTheCommentUpToItsFirstZeroByte) {
    ExifContent content = OtherCamera({Undefined(kUserComment, {'H', 'i', ' ', 0, 'x', 'y'})});
    content.ifd0 = {Ascii(kMake, "NIKON "), Ascii(kModel, " E990"), Ascii(kSoftware, "E990v1.1"),
                    Ascii(kImageDescription, "\x93\xFA\x96\x7B")}; // "日本" in CP932
    EXPECT_EQ(Value(content, SummaryFieldId::Make), "NIKON ");
    EXPECT_EQ(Value(content, SummaryFieldId::Model), " E990");
    EXPECT_EQ(Value(content, SummaryFieldId::Software), "E990v1.1");
    EXPECT_EQ(Value(content, SummaryFieldId::ImageTitle), "日本");
    EXPECT_EQ(Value(content, SummaryFieldId::Comment), "Hi ");
}
