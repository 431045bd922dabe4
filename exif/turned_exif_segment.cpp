#include "exif/turned_exif_segment.h"

#include "exif/exif_writer.h"
#include "exif/exif_writer_segments.h"
#include "exif/image_transform.h"
#include "exif/imaging_jpeg.h"
#include "platform/safe_replace.h"
#include "platform/temp_names.h"
#include "platform/writable_file.h"

#include <algorithm>
#include <limits>

namespace exif {
namespace {

constexpr std::uint8_t kSoi[2] = {0xFF, 0xD8};
constexpr std::uint64_t kEntryBytes = 12;

// The segment patched as a file of its own (SOI, then the segment), so that the writer's
// in-place patches and thumbnail splice work on it. Removed however the turn ends. A batch
// turns two files at once, so each turn has a file of its own.
class WorkingSegment {
public:
    explicit WorkingSegment(std::span<const std::uint8_t> segment) {
        platform::FileReplacement output(path_);
        output.Write(kSoi);
        output.Write(segment);
        output.Commit(std::nullopt);
    }
    WorkingSegment(const WorkingSegment&) = delete;
    WorkingSegment& operator=(const WorkingSegment&) = delete;
    ~WorkingSegment() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_ = platform::UniqueTemporaryFileName("_Turn");
};

// True when the tag's entry lies in IFD0: a thumbnail's IFD1 may hold one of the same name.
bool InFirstIfd(const std::filesystem::path& segmentFile, std::string_view name) {
    const auto block = LoadExifBlock(segmentFile);
    const auto entry = block ? FindEntry(*block, TagDictionary::Standard, name) : std::nullopt;
    const auto ifd = block ? block->View().U32(4) : std::nullopt;
    const auto count = ifd ? block->View().U16(*ifd) : std::nullopt;
    return entry && count && entry->position >= *ifd + 2 &&
           entry->position < *ifd + 2 + kEntryBytes * *count;
}

std::vector<std::uint8_t> Headless(std::span<const std::uint8_t> jpeg) {
    const auto body = TablesAndScan(jpeg);
    std::vector<std::uint8_t> bytes(std::begin(kSoi), std::end(kSoi));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// The thumbnail turned, without the JFIF header the encoder writes; nothing when it is no JPEG
// this program reads. A lossless turn is coded with tables of its own: with the standard
// tables it may come out a few bytes longer than the camera's, and the room a thumbnail has
// before other data in the segment is only as long as the camera's.
std::optional<std::vector<std::uint8_t>> TurnedThumbnail(std::span<const std::uint8_t> thumbnail,
                                                         PixelTransform transform) {
    const TransformedJpeg lossless =
        TransformJpeg(thumbnail, transform, PartialBlocks::Keep, false);
    if (!lossless.bytes.empty()) {
        const auto recoded = RecodeWithOwnTables(lossless.bytes);
        return Headless(recoded ? *recoded : lossless.bytes);
    }
    JpegDecoder decoder;
    const auto size = decoder.Open(thumbnail);
    const auto picture = size ? decoder.Decode(*size) : std::nullopt;
    const auto encoded = picture ? EncodeJpeg(Transformed(*picture, transform)) : std::nullopt;
    if (!encoded) {
        return std::nullopt;
    }
    return Headless(*encoded);
}

void SetSize(const std::filesystem::path& segmentFile, const JpegFrame& size) {
    const auto limit = std::numeric_limits<std::uint16_t>::max();
    const auto width = static_cast<std::uint16_t>(std::min<std::uint32_t>(size.width, limit));
    const auto height = static_cast<std::uint16_t>(std::min<std::uint32_t>(size.height, limit));
    WriteTagShort(segmentFile, "ExifImageWidth", width);
    WriteTagShort(segmentFile, "ExifImageLength", height);
    if (InFirstIfd(segmentFile, "ImageWidth")) {
        WriteTagShort(segmentFile, "ImageWidth", width);
    }
    if (InFirstIfd(segmentFile, "ImageLength")) {
        WriteTagShort(segmentFile, "ImageLength", height);
    }
}

// True when something other than zero padding lies behind the thumbnail (`fromThumbnail` runs
// from its start to the segment's end): a maker note's preview image, say.
bool HoldsDataBehind(std::span<const std::uint8_t> fromThumbnail, const SegmentThumbnail& old) {
    const auto behind = fromThumbnail.subspan(old.length);
    return std::any_of(behind.begin(), behind.end(), [](std::uint8_t b) { return b != 0; });
}

// Puts the turned thumbnail in place of the old one and returns the segment's new end. With
// data behind it, nothing may move: it goes into the old one's room, zero-padded, and the
// segment keeps its end. Throws platform::FileRefused when it does not fit there.
std::uint64_t PlaceThumbnail(const std::filesystem::path& segmentFile, const SegmentThumbnail& old,
                             const std::vector<std::uint8_t>& turned,
                             std::span<const std::uint8_t> fromThumbnail,
                             const std::filesystem::path& file) {
    if (!HoldsDataBehind(fromThumbnail, old)) {
        return PutSegmentThumbnail(segmentFile, old.at, turned, file);
    }
    if (turned.size() > old.length) {
        throw platform::FileRefused("turn the embedded thumbnail of", file,
                                    "the turned thumbnail does not fit in front of the data "
                                    "behind it in the EXIF segment");
    }
    std::vector<std::uint8_t> room(old.length, 0);
    std::copy(turned.begin(), turned.end(), room.begin());
    platform::WritableFile segment(segmentFile);
    segment.WriteAt(old.at, room);
    segment.Close();
    WriteTagShort(segmentFile, "JPEGInterchangeFormatLength",
                  static_cast<std::uint16_t>(turned.size()));
    return old.at + fromThumbnail.size();
}

} // namespace

std::vector<std::uint8_t> TurnedExifSegment(std::span<const std::uint8_t> segment,
                                            PixelTransform transform, const JpegFrame& newSize,
                                            const std::filesystem::path& file) {
    const WorkingSegment working(segment);
    WriteTagShort(working.Path(), "Orientation", 1);
    SetSize(working.Path(), newSize);
    std::uint64_t end = sizeof kSoi + segment.size();
    if (const auto old = FindSegmentThumbnail(working.Path(), end, file)) {
        const auto bytes = platform::InputFile(working.Path()).ReadAt(old->at, end - old->at);
        const auto thumbnail = std::span(bytes).first(old->length);
        if (const auto turned = TurnedThumbnail(thumbnail, transform)) {
            end = PlaceThumbnail(working.Path(), *old, *turned, bytes, file);
        }
    }
    return platform::InputFile(working.Path()).ReadAt(sizeof kSoi, end - sizeof kSoi);
}

} // namespace exif
