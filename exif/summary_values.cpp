#include "exif/summary_values.h"

#include "exif/file_probes.h"
#include "exif/ifd_walk.h"
#include "exif/nikon_maker_note.h"
#include "exif/summary_reading.h"
#include "exif/user_comment.h"
#include "platform/codepage.h"

#include <cmath>

namespace exif {
namespace {

constexpr auto kStandard = TagDictionary::Standard;

double Quotient(const Ratio& ratio) {
    return static_cast<double>(ratio.numerator) / static_cast<double>(ratio.denominator);
}

std::string Decimal(std::int64_t value) {
    return FormatText("%lld", static_cast<long long>(value));
}

std::string Text(const ExifBlock& block, std::string_view tag) {
    return ReadText(block, kStandard, tag, ValuePart::Second).value_or("");
}

// A rational written with a printf format of its quotient; "" when missing or divided by zero.
std::string FormattedRatio(const ExifBlock& block, std::string_view tag, const char* format) {
    const auto ratio = ReadRatio(block, kStandard, tag);
    if (!ratio || ratio->denominator == 0) {
        return "";
    }
    return FormatText(format, Quotient(*ratio));
}

std::string Labelled(const ExifBlock& block, std::string_view tag,
                     std::span<const NumberLabel> labels) {
    const auto value = ReadInteger(block, kStandard, tag);
    return value ? LabelOf(labels, *value) : "";
}

// The size and time of the file come from the block's loading when there is a block.
std::string FileSize(const std::optional<ExifBlock>& block, const std::filesystem::path& path) {
    std::uintmax_t bytes = 0;
    if (block && block->File()) {
        bytes = block->File()->size;
    } else {
        std::error_code error;
        bytes = std::filesystem::file_size(path, error);
        if (error) {
            return "";
        }
    }
    return FormatText("%ju KB", (bytes + 512) / 1024);
}

std::string ShotDate(const std::optional<ExifBlock>& block, const std::filesystem::path& path) {
    if (!block) {
        return FileDateText(path);
    }
    if (auto date = ReadText(*block, kStandard, "DateTimeOriginal", ValuePart::Second)) {
        return *date;
    }
    return block->File() ? LocalDateText(block->File()->lastWrite) : FileDateText(path);
}

using IntegerReader = std::optional<std::int64_t> (*)(const ExifBlock&, std::string_view);

std::optional<std::int64_t> StandardInteger(const ExifBlock& block, std::string_view tag) {
    return ReadInteger(block, kStandard, tag);
}

// A tag of IFD0 alone: the IFD1 behind it describes the thumbnail, whose size is not the
// picture's.
std::optional<std::int64_t> IfdZeroInteger(const ExifBlock& block, std::string_view tag) {
    const IfdChain chain = WalkIfdChain(block);
    const auto id = TagIdOf(kStandard, tag);
    if (chain.ifds.empty() || !id) {
        return std::nullopt;
    }
    for (const IfdEntry& entry : chain.ifds.front()) {
        if (entry.tag == *id) {
            const auto value = EntryValue(block, entry, ValuePart::First);
            if (value && std::holds_alternative<std::int64_t>(*value)) {
                return std::get<std::int64_t>(*value);
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// "width × height" from a pair of tags, either half left out when its tag is missing.
std::string SizeFromTags(const ExifBlock& block, std::string_view widthTag,
                         std::string_view heightTag, IntegerReader read) {
    std::string size;
    if (const auto width = read(block, widthTag)) {
        size += Decimal(*width);
    }
    if (const auto height = read(block, heightTag)) {
        size += Cp932(" × ") + Decimal(*height);
    }
    return size;
}

std::string ImageSizeText(const std::optional<ExifBlock>& block,
                          const std::filesystem::path& path) {
    std::string size;
    if (block) {
        size = SizeFromTags(*block, "ExifImageWidth", "ExifImageLength", StandardInteger);
        if (size.empty()) {
            size = SizeFromTags(*block, "ImageWidth", "ImageLength", IfdZeroInteger);
        }
    }
    if (size.empty() && IsJpegName(path)) {
        if (const auto frame = JpegImageSize(path)) {
            size = Decimal(frame->width) + Cp932(" × ") + Decimal(frame->height);
        }
    }
    return size;
}

std::string QualityMode(const ExifBlock& block, MakerNoteKind kind) {
    static constexpr NumberLabel kCompression[] = {
        {0, "HI"}, {1, "BASIC"}, {2, "NORMAL"}, {4, "FINE"}};
    std::string quality = NikonQualityMode(block, kind);
    if (quality.empty()) {
        quality = Labelled(block, "CompressedBitsPerPixel", kCompression);
    }
    return quality;
}

std::string ShutterSpeed(const ExifBlock& block) {
    if (const auto time = ReadRatio(block, kStandard, "ExposureTime")) {
        const auto [numerator, denominator] = *time;
        if (numerator == 0 || denominator == 0) {
            return "";
        }
        return numerator < denominator ? "1/" + Decimal(denominator / numerator)
                                       : Decimal(numerator / denominator);
    }
    const auto apex = ReadRatio(block, kStandard, "ShutterSpeedValue");
    if (!apex || apex->denominator == 0) {
        return "";
    }
    // The APEX value v stands for an exposure of 1/2^v seconds.
    const double rate = std::exp2(Quotient(*apex));
    const double shown = std::trunc((rate >= 1 ? rate : 1 / rate) + 0.5);
    if (!std::isfinite(shown)) {
        return "";
    }
    return FormatText(rate >= 1 ? "1/%.0f" : "%.0f", shown);
}

std::string Sensitivity(const ExifBlock& block, MakerNoteKind kind) {
    static constexpr NumberLabel kRatings[] = {{0, "DEF"}, {1, "+1.0"}, {2, "+2.0"}, {100, "100"}};
    std::string sensitivity = NikonSensitivity(block, kind);
    if (sensitivity.empty()) {
        sensitivity = Labelled(block, "ISOSpeedRatings", kRatings);
    }
    return sensitivity;
}

std::string SpeedLight(const ExifBlock& block, MakerNoteKind kind) {
    std::string flash;
    if (const auto value = ReadInteger(block, kStandard, "Flash")) {
        flash = (*value & 1) != 0 ? "ON" : "OFF";
    }
    return flash + NikonSpeedLightSuffix(block, kind);
}

std::string MeteringMode(const ExifBlock& block) {
    static constexpr NumberLabel kModes[] = {
        {2, "中央部重点測光"}, {3, "スポット測光"}, {5, "マルチ測光"}, {6, "ＡＦスポット測光"}};
    return Labelled(block, "MeteringMode", kModes);
}

std::string ExposureMode(const ExifBlock& block) {
    static constexpr NumberLabel kPrograms[] = {{1, "マニュアル"},
                                                {2, "プログラムオート"},
                                                {3, "絞り優先オート"},
                                                {4, "シャッター優先オート"}};
    return Labelled(block, "ExposureProgram", kPrograms);
}

// The fields read from the block alone.
std::string BlockValue(const ExifBlock& block, SummaryFieldId field) {
    const MakerNoteKind kind = GetMakerNoteKind(block);
    switch (field) {
    case SummaryFieldId::Make:
        return Text(block, "Make");
    case SummaryFieldId::Model:
        return Text(block, "Model");
    case SummaryFieldId::Software:
        return Text(block, "Software");
    case SummaryFieldId::QualityMode:
        return QualityMode(block, kind);
    case SummaryFieldId::MeteringMode:
        return MeteringMode(block);
    case SummaryFieldId::ExposureMode:
        return ExposureMode(block);
    case SummaryFieldId::ShutterSpeed:
        return ShutterSpeed(block);
    case SummaryFieldId::Aperture:
        return FormattedRatio(block, "FNumber", "F%.1f");
    case SummaryFieldId::ExposureBias:
        return FormattedRatio(block, "ExposureBiasValue", "%.1f");
    case SummaryFieldId::Sensitivity:
        return Sensitivity(block, kind);
    case SummaryFieldId::WhiteBalance:
        return NikonWhiteBalance(block, kind);
    case SummaryFieldId::SpeedLight:
        return SpeedLight(block, kind);
    case SummaryFieldId::FocalLength:
        return FormattedRatio(block, "FocalLength", "%.1f mm");
    case SummaryFieldId::DigitalZoom:
        return NikonDigitalZoom(block, kind);
    case SummaryFieldId::FocusMode:
        return NikonFocusMode(block, kind);
    case SummaryFieldId::ToneAdjust:
        return NikonToneAdjust(block, kind);
    case SummaryFieldId::Sharpening:
        return NikonSharpening(block, kind);
    case SummaryFieldId::MonoMode:
        return NikonMonoMode(block, kind);
    case SummaryFieldId::Converter:
        return NikonConverter(block, kind);
    case SummaryFieldId::ImageTitle:
        return Text(block, "ImageDescription");
    case SummaryFieldId::Comment:
        return ReadUserComment(block).value_or("");
    default:
        return "";
    }
}

} // namespace

std::string SummaryValue(const std::optional<ExifBlock>& block, SummaryFieldId field,
                         const std::filesystem::path& path) {
    switch (field) {
    case SummaryFieldId::FileName:
        return platform::PathToCp932(path.filename());
    case SummaryFieldId::FileSize:
        return FileSize(block, path);
    case SummaryFieldId::ShotDate:
        return ShotDate(block, path);
    case SummaryFieldId::ImageSize:
        return ImageSizeText(block, path);
    default:
        return block ? BlockValue(*block, field) : "";
    }
}

std::string SummaryValue(const std::optional<ExifBlock>& block, std::string_view fieldName,
                         const std::filesystem::path& path) {
    const int index = SummaryFieldIndex(fieldName);
    return index == 0 ? "" : SummaryValue(block, static_cast<SummaryFieldId>(index), path);
}

} // namespace exif
