#include "exif/summary_fields.h"

#include "platform/codepage.h"

#include <algorithm>
#include <array>

namespace exif {
namespace {

struct FieldRow {
    SummaryFieldId id;
    std::string_view utf8Name;
    bool showWithExif;
    bool showWithoutExif;
};

constexpr FieldRow kFieldRows[] = {
    {SummaryFieldId::FileName, "ファイル名", true, true},
    {SummaryFieldId::FileSize, "ファイルサイズ", true, true},
    {SummaryFieldId::Make, "メーカー", true, false},
    {SummaryFieldId::Model, "モデル", true, false},
    {SummaryFieldId::Software, "ソフトウェア", true, false},
    {SummaryFieldId::ShotDate, "撮影日付", true, true},
    {SummaryFieldId::ImageSize, "画像サイズ", true, true},
    {SummaryFieldId::QualityMode, "画質モード", false, false},
    {SummaryFieldId::MeteringMode, "測光方式", false, false},
    {SummaryFieldId::ExposureMode, "露出モード", false, false},
    {SummaryFieldId::ShutterSpeed, "シャッター速度", true, false},
    {SummaryFieldId::Aperture, "絞り値", true, false},
    {SummaryFieldId::ExposureBias, "露出補正値", false, false},
    {SummaryFieldId::Sensitivity, "感度変更モード", false, false},
    {SummaryFieldId::WhiteBalance, "ホワイトバランス", false, false},
    {SummaryFieldId::SpeedLight, "スピードライト", true, false},
    {SummaryFieldId::FocalLength, "焦点距離", false, false},
    {SummaryFieldId::DigitalZoom, "電子ズーム", false, false},
    {SummaryFieldId::FocusMode, "フォーカスモード", false, false},
    {SummaryFieldId::ToneAdjust, "階調補正", false, false},
    {SummaryFieldId::Sharpening, "輪郭強調", false, false},
    {SummaryFieldId::MonoMode, "モノクロモード", false, false},
    {SummaryFieldId::Converter, "コンバーター", false, false},
    {SummaryFieldId::ImageTitle, "画像タイトル", false, false},
    {SummaryFieldId::Comment, "コメント", false, false},
};
static_assert(std::size(kFieldRows) == kSummaryFieldCount);

std::array<SummaryField, kSummaryFieldCount> MakeFields() {
    std::array<SummaryField, kSummaryFieldCount> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldRow& row = kFieldRows[i];
        fields[i] = {row.id, platform::Utf8ToCp932(row.utf8Name), row.showWithExif,
                     row.showWithoutExif};
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

int SummaryFieldIndex(std::string_view name) {
    const auto fields = SummaryFields();
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const SummaryField& field) { return field.name == name; });
    return found == fields.end() ? 0 : static_cast<int>(found - fields.begin()) + 1;
}

} // namespace exif
