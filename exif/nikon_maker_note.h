#pragma once

// The summary values that the maker notes of the NIKON E950, E700 and E800 (kind 2) and the
// E990 (kind 3) supply. Each gives "" for kind 0 and when its tag is missing; the standard-tag
// fallbacks are the caller's.

#include "exif/exif_block.h"

#include <string>

namespace exif {

[[nodiscard]] std::string NikonQualityMode(const ExifBlock& block, MakerNoteKind kind);
// Kind 3 only: "ISO n", or "AUTO (n)" with the standard ISOSpeedRatings when the camera chose.
[[nodiscard]] std::string NikonSensitivity(const ExifBlock& block, MakerNoteKind kind);
[[nodiscard]] std::string NikonWhiteBalance(const ExifBlock& block, MakerNoteKind kind);
// Kind 3 only: " (mode)" of the flash mode, to follow the standard flash text.
[[nodiscard]] std::string NikonSpeedLightSuffix(const ExifBlock& block, MakerNoteKind kind);
[[nodiscard]] std::string NikonDigitalZoom(const ExifBlock& block, MakerNoteKind kind);
[[nodiscard]] std::string NikonFocusMode(const ExifBlock& block, MakerNoteKind kind);
[[nodiscard]] std::string NikonToneAdjust(const ExifBlock& block, MakerNoteKind kind);
[[nodiscard]] std::string NikonSharpening(const ExifBlock& block, MakerNoteKind kind);
[[nodiscard]] std::string NikonMonoMode(const ExifBlock& block, MakerNoteKind kind);
[[nodiscard]] std::string NikonConverter(const ExifBlock& block, MakerNoteKind kind);

} // namespace exif
