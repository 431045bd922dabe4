#include "exif/lossless_rotation.h"

#include "exif/exif_block.h"
#include "exif/jpeg_segments.h"
#include "exif/jpeg_transform.h"
#include "exif/turned_exif_segment.h"
#include "platform/file_times.h"
#include "platform/file_write_lock.h"
#include "platform/input_file.h"
#include "platform/safe_replace.h"

#include <algorithm>
#include <optional>

namespace exif {
namespace {

constexpr std::uint8_t kSoi[2] = {0xFF, 0xD8};
constexpr std::uint8_t kMarkerByte = 0xFF;
constexpr std::uint8_t kEndOfImage = 0xD9;
// The frame header and the scan header behind the segments are far shorter than this.
constexpr std::size_t kScanHeaderBytes = 1024;
// Cameras may pad a file behind its end marker; the marker lies within this many last bytes.
constexpr std::size_t kTailBytes = 1 << 16;

bool IsHeaderSegment(const JpegSegment& segment) {
    constexpr std::uint16_t kApp15 = 0xFFEF;
    constexpr std::uint16_t kComment = 0xFFFE;
    return (segment.marker >= kApp0Marker && segment.marker <= kApp15) ||
           segment.marker == kComment;
}

bool IsProgressive(const JpegLayout& layout) {
    return std::any_of(layout.segments.begin(), layout.segments.end(), [](const JpegSegment& s) {
        return s.marker == 0xFFC2 || s.marker == 0xFFC6 || s.marker == 0xFFCA ||
               s.marker == 0xFFCE;
    });
}

// True when an end-of-image marker follows the start of scan near the file's end. Inside the
// picture data a 0xFF byte is always followed by 0x00 or a restart code, so the pair only
// stands for the marker.
bool EndsWhole(const platform::InputFile& file, std::uint64_t scanStart) {
    const std::uint64_t from = std::max(scanStart, file.Size() - std::min<std::uint64_t>(
                                                                     file.Size(), kTailBytes));
    const std::vector<std::uint8_t> tail = file.ReadAt(from, kTailBytes);
    const std::uint8_t end[2] = {kMarkerByte, kEndOfImage};
    return std::search(tail.begin(), tail.end(), std::begin(end), std::end(end)) != tail.end();
}

std::optional<JpegLayout> LayoutOf(const platform::InputFile& file) {
    try {
        return ReadJpegLayout(file);
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
}

// Why the stored picture cannot be turned; nothing when it can.
std::optional<std::string> PictureFault(const platform::InputFile& file,
                                        const std::optional<JpegLayout>& layout,
                                        std::optional<JpegFrame>& frame) {
    if (!layout) {
        return "not a JPEG picture, or its headers are cut short";
    }
    frame = ReadJpegFrame(file.ReadAt(0, layout->scanStart + kScanHeaderBytes));
    if (!frame) {
        return "its frame header is not one libjpeg-turbo reads";
    }
    if (!EndsWhole(file, layout->scanStart)) {
        return "its picture data is cut short (no end-of-image marker)";
    }
    return std::nullopt;
}

} // namespace

std::variant<RotationPlan, std::string> PlanRotation(const std::filesystem::path& path,
                                                     const RotationRequest& request) {
    const platform::InputFile file(path);
    const std::optional<JpegLayout> layout = LayoutOf(file);
    std::optional<JpegFrame> frame;
    if (auto fault = PictureFault(file, layout, frame)) {
        return *std::move(fault);
    }
    const auto block = LoadExifBlock(path);
    const PixelTransform upright = block ? UprightTransform(*block) : PixelTransform::None;
    if (request.upright && !block) {
        return std::string("no EXIF data: nothing says how the picture lies");
    }
    if (request.upright && upright == PixelTransform::None &&
        request.turn == PixelTransform::None) {
        return std::string("already upright (Orientation 1)");
    }
    RotationPlan plan;
    plan.pixels = Then(upright, request.turn);
    plan.hasExif = block.has_value();
    plan.trimsEdges = TrimsEdges(*frame, plan.pixels);
    return plan;
}

void RotateLosslessly(const std::filesystem::path& path, const RotationPlan& plan) {
    const platform::FileWriteLock lock(path);
    const platform::InputFile input(path);
    const auto time = platform::LastWriteTime(path);
    const JpegLayout layout = ReadJpegLayout(input);
    const std::vector<std::uint8_t> bytes = input.ReadAt(0, input.Size());
    const TransformedJpeg turned =
        TransformJpeg(bytes, plan.pixels, PartialBlocks::Trim, IsProgressive(layout));
    const auto frame = ReadJpegFrame(turned.bytes);
    const auto tablesAndScan = TablesAndScan(turned.bytes);
    if (!frame || tablesAndScan.empty()) {
        throw platform::FileError("turn the picture of", path,
                                  turned.error.empty() ? "libjpeg-turbo wrote no picture"
                                                       : turned.error);
    }
    std::vector<std::uint8_t> head(std::begin(kSoi), std::end(kSoi));
    bool exifTurned = !plan.hasExif;
    for (const JpegSegment& segment : layout.segments) {
        if (!IsHeaderSegment(segment)) {
            continue;
        }
        const auto kept = std::span(bytes).subspan(segment.position, segment.End() - segment.position);
        if (segment.kind == SegmentKind::Exif && !exifTurned) {
            const auto exif = TurnedExifSegment(kept, plan.pixels, *frame, path);
            head.insert(head.end(), exif.begin(), exif.end());
            exifTurned = true;
        } else {
            head.insert(head.end(), kept.begin(), kept.end());
        }
    }
    platform::FileReplacement output(path);
    output.Write(head);
    output.Write(tablesAndScan);
    output.Commit(time);
}

} // namespace exif
