#include "apps/lumaro/summary_json.h"

#include "apps/lumaro/json_text.h"
#include "exif/summary_reading.h"
#include "exif/summary_values.h"
#include "platform/codepage.h"

#include <cmath>

namespace lumaro {
namespace {

using exif::SummaryFieldId;

std::optional<double> Quotient(const exif::ExifBlock& block, std::string_view tag) {
    const auto ratio = exif::ReadRatio(block, exif::TagDictionary::Standard, tag);
    if (!ratio || ratio->denominator == 0) {
        return std::nullopt;
    }
    return static_cast<double>(ratio->numerator) / static_cast<double>(ratio->denominator);
}

std::optional<double> ExposureTime(const exif::ExifBlock& block) {
    if (const auto seconds = Quotient(block, "ExposureTime")) {
        return seconds;
    }
    // The APEX value v stands for an exposure of 1/2^v seconds.
    const auto apex = Quotient(block, "ShutterSpeedValue");
    return apex ? std::optional(std::exp2(-*apex)) : std::nullopt;
}

std::optional<double> FileSize(const std::optional<exif::ExifBlock>& block,
                               const std::filesystem::path& path) {
    if (block && block->File()) {
        return static_cast<double>(block->File()->size);
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? std::nullopt : std::optional(static_cast<double>(size));
}

bool IsNumberField(SummaryFieldId id) {
    return id == SummaryFieldId::FileSize || id == SummaryFieldId::ShutterSpeed ||
           id == SummaryFieldId::Aperture || id == SummaryFieldId::ExposureBias ||
           id == SummaryFieldId::FocalLength;
}

std::optional<double> NumberOf(const std::optional<exif::ExifBlock>& block, SummaryFieldId id,
                               const std::filesystem::path& path) {
    if (id == SummaryFieldId::FileSize) {
        return FileSize(block, path);
    }
    if (!block) {
        return std::nullopt;
    }
    switch (id) {
    case SummaryFieldId::ShutterSpeed:
        return ExposureTime(*block);
    case SummaryFieldId::Aperture:
        return Quotient(*block, "FNumber");
    case SummaryFieldId::ExposureBias:
        return Quotient(*block, "ExposureBiasValue");
    case SummaryFieldId::FocalLength:
        return Quotient(*block, "FocalLength");
    default:
        return std::nullopt;
    }
}

} // namespace

std::string SummaryJson(const std::optional<exif::ExifBlock>& block,
                        const std::filesystem::path& path,
                        std::span<const exif::SummaryFieldId> fields) {
    JsonObject object;
    object.AddText("SourceFile", path.string());
    for (const SummaryFieldId id : fields) {
        const std::string& key = exif::SummaryFieldOf(id).tagName;
        if (IsNumberField(id)) {
            const auto number = NumberOf(block, id, path);
            object.Add(key, number ? JsonNumber(*number) : "null");
        } else {
            object.AddText(key, platform::Cp932ToUtf8(exif::SummaryValue(block, id, path)));
        }
    }
    return object.Text();
}

} // namespace lumaro
