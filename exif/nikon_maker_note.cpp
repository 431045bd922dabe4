#include "exif/nikon_maker_note.h"

#include "exif/summary_reading.h"

#include <span>
#include <string_view>

namespace exif {
namespace {

struct TextLabel {
    std::string_view camera; // the camera's word, surrounding blanks trimmed
    std::string_view utf8;
};

constexpr auto kTwo = TagDictionary::MakerNote2;
constexpr auto kThree = TagDictionary::MakerNote3;

// The label of a camera word; a word without one stays as read.
std::string WordLabel(std::span<const TextLabel> labels, const std::string& word) {
    for (const TextLabel& label : labels) {
        if (label.camera == word) {
            return Cp932(label.utf8);
        }
    }
    return word;
}

std::string KindTwoLabel(const ExifBlock& block, std::string_view tag,
                         std::span<const NumberLabel> labels) {
    const auto value = ReadInteger(block, kTwo, tag);
    return value ? LabelOf(labels, *value) : "";
}

std::string KindThreeLabel(const ExifBlock& block, std::string_view tag,
                           std::span<const TextLabel> labels) {
    const auto word = ReadTrimmedText(block, kThree, tag);
    return word ? WordLabel(labels, *word) : "";
}

// 32-bit hexadecimal, as the maker note holds the value.
std::string Hex(std::int64_t value) {
    return FormatText("$%x", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
}

// A distance: in metres with the given format, "INF" for n/0, "" for 0/0 (the camera focused
// automatically).
std::string Distance(const Ratio& ratio, const char* format) {
    if (ratio.denominator != 0) {
        return FormatText(format, static_cast<double>(ratio.numerator) /
                                      static_cast<double>(ratio.denominator));
    }
    return ratio.numerator != 0 ? "INF" : "";
}

std::string KindThreeAutofocus(const ExifBlock& block) {
    static constexpr TextLabel kModes[] = {{"AF-C", "C-AF"}, {"AF-S", "S-AF"}};
    const std::string mode = KindThreeLabel(block, "AF-MODE", kModes);
    return mode.empty() ? "AF" : mode;
}

std::string FocusAreaSuffix(const ExifBlock& block) {
    static constexpr NumberLabel kAreas[] = {
        {0, "中"}, {256, "上"}, {512, "下"}, {768, "左"}, {1024, "右"}};
    const auto area = ReadInteger(block, kThree, "FocusArea");
    if (!area) {
        return "";
    }
    std::string name = Hex(*area);
    for (const NumberLabel& label : kAreas) {
        if (label.value == *area) {
            name = Cp932(label.utf8);
        }
    }
    return " (" + name + ")";
}

} // namespace

std::string NikonQualityMode(const ExifBlock& block, MakerNoteKind kind) {
    // The quality word is padded to 7 characters so the sizes line up in a list.
    static constexpr NumberLabel kQualities[] = {
        {1, "BASIC  VGA"},   {2, "NORMAL VGA"},   {3, "FINE   VGA"},   {4, "BASIC  XGA"},
        {5, "NORMAL XGA"},   {6, "FINE   XGA"},   {7, "BASIC  -"},     {8, "NORMAL -"},
        {9, "FINE   -"},     {10, "BASIC  UXGA"}, {11, "NORMAL UXGA"}, {12, "FINE   UXGA"},
        {20, "HI     UXGA"},
    };
    switch (kind) {
    case MakerNoteKind::Kind2:
        return KindTwoLabel(block, "SizeQuality", kQualities);
    case MakerNoteKind::Kind3:
        return ReadText(block, kThree, "Quality", ValuePart::First).value_or("");
    case MakerNoteKind::None:
        break;
    }
    return "";
}

std::string NikonSensitivity(const ExifBlock& block, MakerNoteKind kind) {
    if (kind != MakerNoteKind::Kind3) {
        return "";
    }
    const auto iso = ReadInteger(block, kThree, "ISOValue", ValuePart::Second);
    if (!iso) {
        return "";
    }
    if (*iso != 0) {
        return FormatText("ISO %lld", static_cast<long long>(*iso));
    }
    const auto chosen = ReadInteger(block, TagDictionary::Standard, "ISOSpeedRatings");
    return chosen ? FormatText("AUTO (%lld)", static_cast<long long>(*chosen)) : "";
}

std::string NikonWhiteBalance(const ExifBlock& block, MakerNoteKind kind) {
    static constexpr NumberLabel kNumbers[] = {
        {0, "オート"}, {1, "プリセット"}, {2, "太陽光"},         {3, "電球"},
        {4, "蛍光灯"}, {5, "曇天"},       {6, "スピードライト"},
    };
    static constexpr TextLabel kWords[] = {
        {"AUTO", "オート"},          {"WHITE PRESET", "プリセット"}, {"SUNNY", "太陽光"},
        {"INCANDESCENT", "電球"},    {"FLUORESCENT", "蛍光灯"},      {"CLOUDY", "曇天"},
        {"FLASH", "スピードライト"},
    };
    switch (kind) {
    case MakerNoteKind::Kind2:
        return KindTwoLabel(block, "WhiteBalance", kNumbers);
    case MakerNoteKind::Kind3:
        return KindThreeLabel(block, "WhiteBalance", kWords);
    case MakerNoteKind::None:
        break;
    }
    return "";
}

std::string NikonSpeedLightSuffix(const ExifBlock& block, MakerNoteKind kind) {
    // An empty mode is the camera's word for a flash it kept off.
    static constexpr TextLabel kModes[] = {
        {"NORMAL", "発光"}, {"", "発光禁止"}, {"RED-EYE", "赤目軽減"}, {"SLOW", "スローシンクロ"}};
    if (kind != MakerNoteKind::Kind3 || !FindEntry(block, kThree, "SpeedLightMode")) {
        return "";
    }
    const std::string mode = KindThreeLabel(block, "SpeedLightMode", kModes);
    return " (" + mode + ")";
}

std::string NikonDigitalZoom(const ExifBlock& block, MakerNoteKind kind) {
    static constexpr NumberLabel kSteps[] = {
        {0, "×1.00"}, {125, "×1.25"}, {160, "×1.60"}, {200, "×2.00"}, {250, "×2.50"}};
    switch (kind) {
    case MakerNoteKind::Kind2:
        return KindTwoLabel(block, "DigitalTele", kSteps);
    case MakerNoteKind::Kind3: {
        const auto zoom = ReadRatio(block, kThree, "DigitalTele");
        if (!zoom) {
            return "";
        }
        if (zoom->denominator == 0) {
            return Hex(zoom->numerator);
        }
        return Cp932("×") + FormatText("%.1f", static_cast<double>(zoom->numerator) /
                                                   static_cast<double>(zoom->denominator));
    }
    case MakerNoteKind::None:
        break;
    }
    return "";
}

std::string NikonFocusMode(const ExifBlock& block, MakerNoteKind kind) {
    switch (kind) {
    case MakerNoteKind::Kind2: {
        const auto focus = ReadRatio(block, kTwo, "FocusMode");
        if (!focus) {
            return "";
        }
        const std::string distance = Distance(*focus, "%.1f m");
        return distance.empty() ? "AF" : distance;
    }
    case MakerNoteKind::Kind3: {
        std::string result;
        if (const auto focus = ReadRatio(block, kThree, "FocusPosition")) {
            result = Distance(*focus, "%.2f m");
            if (result.empty()) {
                result = KindThreeAutofocus(block);
            }
        }
        return result + FocusAreaSuffix(block);
    }
    case MakerNoteKind::None:
        break;
    }
    return "";
}

std::string NikonToneAdjust(const ExifBlock& block, MakerNoteKind kind) {
    static constexpr NumberLabel kNumbers[] = {
        {0, "標準"}, {1, "明るい"}, {2, "暗い"}, {3, "コントラスト強"}, {4, "コントラスト弱"}};
    static constexpr TextLabel kWords[] = {
        {"AUTO", "AUTO"},
        {"NORMAL", "標準"},
        {"CONTRAST(+)", "コントラスト強"},
        {"CONTRAST(-)", "コントラスト弱"},
        {"BRIGHTNESS(+)", "明るめ"},
        {"BRIGHTNESS(-)", "暗め"},
        {"B & W", "モノクロ"},
    };
    switch (kind) {
    case MakerNoteKind::Kind2:
        return KindTwoLabel(block, "ImageAdjust", kNumbers);
    case MakerNoteKind::Kind3:
        return KindThreeLabel(block, "ImageAdjust", kWords);
    case MakerNoteKind::None:
        break;
    }
    return "";
}

std::string NikonSharpening(const ExifBlock& block, MakerNoteKind kind) {
    static constexpr TextLabel kWords[] = {
        {"AUTO", "AUTO"}, {"NORMAL", "標準"}, {"HIGH", "強"}, {"LOW", "弱"}, {"NONE", "OFF"}};
    switch (kind) {
    case MakerNoteKind::Kind2:
        // These cameras record no sharpening: it is always the standard one.
        return Cp932("標準");
    case MakerNoteKind::Kind3:
        return KindThreeLabel(block, "Sharpness", kWords);
    case MakerNoteKind::None:
        break;
    }
    return "";
}

std::string NikonMonoMode(const ExifBlock& block, MakerNoteKind kind) {
    static constexpr NumberLabel kNumbers[] = {{1, "カラー"}, {2, "モノクロ"}};
    static constexpr TextLabel kWords[] = {{"COLOR", "カラー"}, {"B & W", "モノクロ"}};
    switch (kind) {
    case MakerNoteKind::Kind2:
        return KindTwoLabel(block, "MonoMode", kNumbers);
    case MakerNoteKind::Kind3:
        return KindThreeLabel(block, "MonoMode", kWords);
    case MakerNoteKind::None:
        break;
    }
    return "";
}

std::string NikonConverter(const ExifBlock& block, MakerNoteKind kind) {
    static constexpr NumberLabel kNumbers[] = {{0, "なし"}, {1, "あり"}};
    static constexpr TextLabel kWords[] = {
        {"OFF", "OFF"},
        {"WIDE ADAPTER", "ワイドコンバータ"},
        {"TELEPHOTO 1", "テレコンバータ１"},
        {"TELEPHOTO 2", "テレコンバータ２"},
        {"FISHEYE 1", "フィッシュアイ１"},
        {"FISHEYE 2", "フィッシュアイ２"},
    };
    switch (kind) {
    case MakerNoteKind::Kind2:
        return KindTwoLabel(block, "Converter", kNumbers);
    case MakerNoteKind::Kind3:
        return KindThreeLabel(block, "Converter", kWords);
    case MakerNoteKind::None:
        break;
    }
    return "";
}

} // namespace exif
