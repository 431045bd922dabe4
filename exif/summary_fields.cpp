#include "exif/summary_fields.h"

#include "platform/codepage.h"

#include <algorithm>
#include <array>

namespace exif {
namespace {

struct FieldRow {
    SummaryFieldId id;
    std::string_view utf8Name;
    std::string_view tagName;
    bool showWithExif;
    bool showWithoutExif;
};

constexpr FieldRow kFieldRows[] = {
    {SummaryFieldId::FileName, "ファイル名", "FileName", true, true},
    {SummaryFieldId::FileSize, "ファイルサイズ", "FileSize", true, true},
    {SummaryFieldId::Make, "メーカー", "Make", true, false},
    {SummaryFieldId::Model, "モデル", "Model", true, false},
    {SummaryFieldId::Software, "ソフトウェア", "Software", true, false},
    {SummaryFieldId::ShotDate, "撮影日付", "DateTimeOriginal", true, true},
    {SummaryFieldId::ImageSize, "画像サイズ", "ImageSize", true, true},
    {SummaryFieldId::QualityMode, "画質モード", "Quality", false, false},
    {SummaryFieldId::MeteringMode, "測光方式", "MeteringMode", false, false},
    {SummaryFieldId::ExposureMode, "露出モード", "ExposureProgram", false, false},
    {SummaryFieldId::ShutterSpeed, "シャッター速度", "ExposureTime", true, false},
    {SummaryFieldId::Aperture, "絞り値", "FNumber", true, false},
    {SummaryFieldId::ExposureBias, "露出補正値", "ExposureCompensation", false, false},
    {SummaryFieldId::Sensitivity, "感度変更モード", "ISO", false, false},
    {SummaryFieldId::WhiteBalance, "ホワイトバランス", "WhiteBalance", false, false},
    {SummaryFieldId::SpeedLight, "スピードライト", "Flash", true, false},
    {SummaryFieldId::FocalLength, "焦点距離", "FocalLength", false, false},
    {SummaryFieldId::DigitalZoom, "電子ズーム", "DigitalZoom", false, false},
    {SummaryFieldId::FocusMode, "フォーカスモード", "FocusMode", false, false},
    {SummaryFieldId::ToneAdjust, "階調補正", "ImageAdjustment", false, false},
    {SummaryFieldId::Sharpening, "輪郭強調", "Sharpness", false, false},
    {SummaryFieldId::MonoMode, "モノクロモード", "ColorMode", false, false},
    {SummaryFieldId::Converter, "コンバーター", "Converter", false, false},
    {SummaryFieldId::ImageTitle, "画像タイトル", "ImageDescription", false, false},
    {SummaryFieldId::Comment, "コメント", "UserComment", false, false},
};
static_assert(std::size(kFieldRows) == kSummaryFieldCount);

std::array<SummaryField, kSummaryFieldCount> MakeFields() {
    std::array<SummaryField, kSummaryFieldCount> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldRow& row = kFieldRows[i];
        fields[i] = {row.id, platform::Utf8ToCp932(row.utf8Name), std::string(row.tagName),
                     row.showWithExif, row.showWithoutExif};
    }
    return fields;
}

} // namespace

std::span<const SummaryField> SummaryFields() {
    static const std::array<SummaryField, kSummaryFieldCount> fields = MakeFields();
    return fields;
}

const SummaryField& SummaryFieldOf(SummaryFieldId id) {
    return SummaryFields()[static_cast<std::size_t>(id) - 1];
}

int SummaryFieldIndexOfTagName(std::string_view name) {
    const auto fields = SummaryFields();
    const auto found = std::find_if(fields.begin(), fields.end(), [&](const SummaryField& field) {
        return field.tagName == name;
    });
    return found == fields.end() ? 0 : static_cast<int>(found - fields.begin()) + 1;
}

int SummaryFieldIndex(std::string_view name) {
    const auto fields = SummaryFields();
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const SummaryField& field) { return field.name == name; });
    return found == fields.end() ? 0 : static_cast<int>(found - fields.begin()) + 1;
}

} // namespace exif
