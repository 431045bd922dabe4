// The thumbnail of a working EXIF segment file found and replaced: the rebuild with a new
// thumbnail and the lossless turn share it.

#include "exif/exif_writer.h"
#include "exif/exif_writer_segments.h"
#include "platform/writable_file.h"

#include <string>

namespace exif {
namespace {

// The working segment file is SOI, then the APP1: "Exif\0\0" puts its TIFF data at 12.
constexpr std::uint64_t kJpegTiffBase = 12;
constexpr std::uint64_t kSoiBytes = 2;
constexpr std::uint64_t kEntryBytes = 12;
constexpr std::uint64_t kMaxSegmentLength = 65535;

} // namespace

std::optional<SegmentThumbnail> FindSegmentThumbnail(const std::filesystem::path& segmentFile,
                                                     std::uint64_t segmentEnd,
                                                     const std::filesystem::path& owner) {
    const auto block = LoadExifBlock(segmentFile);
    const auto start = block ? IntegerTag(*block, "JPEGInterchangeFormat") : std::nullopt;
    if (!start) {
        return std::nullopt;
    }
    const auto length = IntegerTag(*block, "JPEGInterchangeFormatLength");
    const auto lengthEntry =
        FindEntry(*block, TagDictionary::Standard, "JPEGInterchangeFormatLength");
    const std::uint64_t at = kJpegTiffBase + *start;
    if (at + kSoiBytes > segmentEnd || (length && *length > segmentEnd - at) ||
        (lengthEntry && lengthEntry->position + kEntryBytes > *start)) {
        throw platform::FileError("renew the thumbnail in the EXIF segment of", owner,
                                  "the old thumbnail does not lie inside the segment");
    }
    return SegmentThumbnail{at, length ? *length : segmentEnd - at};
}

std::uint64_t PutSegmentThumbnail(const std::filesystem::path& segmentFile, std::uint64_t at,
                                  std::span<const std::uint8_t> thumbnail,
                                  const std::filesystem::path& target) {
    const std::uint64_t newEnd = at + thumbnail.size();
    if (newEnd - 4 > kMaxSegmentLength) {
        throw platform::FileError("rebuild", target,
                                  "the new EXIF segment would be " + std::to_string(newEnd - 4) +
                                      " bytes, more than 65535");
    }
    platform::WritableFile segment(segmentFile);
    segment.WriteAt(at, thumbnail);
    const std::uint8_t length[2] = {static_cast<std::uint8_t>((newEnd - 4) >> 8),
                                    static_cast<std::uint8_t>((newEnd - 4) & 0xFF)};
    segment.WriteAt(4, length);
    segment.Resize(newEnd);
    segment.Close();
    WriteTagShort(segmentFile, "JPEGInterchangeFormatLength",
                  static_cast<std::uint16_t>(thumbnail.size()));
    return newEnd;
}

} // namespace exif
