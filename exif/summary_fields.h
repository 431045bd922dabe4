#pragma once

// The 25 summary fields: the fixed Japanese names that key the report list, the detail pane,
// the HTML album and the CSV listing, with the two flags that pick the pane's fields.

#include <span>
#include <string>
#include <string_view>

namespace exif {

// A field's identity is its place in the table, 1 to 25.
enum class SummaryFieldId {
    FileName = 1,
    FileSize,
    Make,
    Model,
    Software,
    ShotDate,
    ImageSize,
    QualityMode,
    MeteringMode,
    ExposureMode,
    ShutterSpeed,
    Aperture,
    ExposureBias,
    Sensitivity,
    WhiteBalance,
    SpeedLight,
    FocalLength,
    DigitalZoom,
    FocusMode,
    ToneAdjust,
    Sharpening,
    MonoMode,
    Converter,
    ImageTitle,
    Comment,
};

inline constexpr int kSummaryFieldCount = 25;

struct SummaryField {
    SummaryFieldId id;
    std::string name;     // CP932
    std::string tagName;  // the English name other EXIF tools give the value ("FNumber")
    bool showWithExif;    // in the pane of a file with an Exif IFD but no decoded maker note
    bool showWithoutExif; // in the pane of a file without an Exif IFD
};

// The 25 rows in table order.
[[nodiscard]] std::span<const SummaryField> SummaryFields();

[[nodiscard]] const SummaryField& SummaryFieldOf(SummaryFieldId id);

// 1-25 for a field name (CP932, exact comparison), 0 for any other text.
[[nodiscard]] int SummaryFieldIndex(std::string_view name);

// 1-25 for a field's English name (exact comparison), 0 for any other text.
[[nodiscard]] int SummaryFieldIndexOfTagName(std::string_view name);

} // namespace exif
