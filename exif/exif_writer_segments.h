#pragma once

// The first segment of a JPEG file, whose body the oldest splices copy, and the small patches
// the writer operations share.

#include "exif/exif_block.h"
#include "exif/jpeg_segments.h"
#include "platform/input_file.h"
#include "platform/patch_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace exif {

// SOI (2 bytes), then the first segment: marker (2), big-endian length L counting itself (2),
// then L - 2 bytes. The body of the file starts at L + 4.
struct FirstSegment {
    std::uint16_t marker = 0;
    std::uint16_t length = 0;
    bool exifHeader = false; // "Exif" at file bytes 6-9
    bool complete = false;   // the file holds the whole segment

    [[nodiscard]] std::uint64_t End() const { return std::uint64_t{length} + 4; }
    [[nodiscard]] bool IsExifApp1() const { return marker == kApp1Marker && exifHeader; }
};

// Nothing when the file does not start with SOI and a segment of length 2 or more.
[[nodiscard]] std::optional<FirstSegment> ReadFirstSegment(const platform::InputFile& file);

// The first segment of a file whose body is to be copied; throws FileError when it has none.
[[nodiscard]] FirstSegment RequireJpegBody(const platform::InputFile& file);

// Writes the bytes at block offset `offset` of the file the block was loaded from, when
// [offset, offset + extent) lies inside the block (in a JPEG, the TIFF part of its APP1 "Exif"
// segment) and inside the file, then puts back the file's last-write time and closes it. False,
// and nothing written, when the range lies outside: such a value counts as absent.
bool PatchExifData(platform::PatchFile& file, const ExifBlock& block, std::uint64_t offset,
                   std::uint64_t extent, std::span<const std::uint8_t> bytes);

// The embedded thumbnail of a working segment file: SOI, then one APP1 "Exif" segment, so that
// the TIFF data starts at 12. `at` is the file offset of the thumbnail's first byte; its length
// is JPEGInterchangeFormatLength, else what lies up to the segment's end.
struct SegmentThumbnail {
    std::uint64_t at = 0;
    std::uint64_t length = 0;
};

// Nothing when the segment has no JPEGInterchangeFormat. Throws FileError naming `owner` (the
// file the segment came from) when the thumbnail does not lie inside the segment, or lies in
// front of its own length entry, so that cutting the segment behind it would lose tags.
[[nodiscard]] std::optional<SegmentThumbnail>
FindSegmentThumbnail(const std::filesystem::path& segmentFile, std::uint64_t segmentEnd,
                     const std::filesystem::path& owner);

// Writes the thumbnail (a whole JPEG) at `at` in the working segment file, cuts the segment
// behind it and sets the segment's length and JPEGInterchangeFormatLength. Returns the new end
// of the segment. Throws FileError naming `target` when the segment would exceed 65535 bytes.
std::uint64_t PutSegmentThumbnail(const std::filesystem::path& segmentFile, std::uint64_t at,
                                  std::span<const std::uint8_t> thumbnail,
                                  const std::filesystem::path& target);

// The integer value of a standard tag; nothing when absent or not an integer.
[[nodiscard]] std::optional<std::uint64_t> IntegerTag(const ExifBlock& block,
                                                      std::string_view name);

} // namespace exif
