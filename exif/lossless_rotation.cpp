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
// The frame header and the scan header behind the segments are far shorter than this.
constexpr std::size_t kScanHeaderBytes = 1024;

bool IsHeaderSegment(const JpegSegment& segment) {
    constexpr std::uint16_t kApp15 = 0xFFEF;
    constexpr std::uint16_t kComment = 0xFFFE;
    return (segment.marker >= kApp0Marker && segment.marker <= kApp15) ||
           segment.marker == kComment;
}

bool IsProgressive(const JpegLayout& layout) {
    return std::any_of(layout.segments.begin(), layout.segments.end(), [](const JpegSegment& s) {
        return s.marker == 0xFFC2 || s.marker == 0xFFC6 || s.marker == 0xFFCA || s.marker == 0xFFCE;
    });
}

// What follows the picture's end-of-image marker (a trailer some programs write, such as an
// IPTC record): kept as it is. Inside the picture data a 0xFF byte is always followed by 0x00
// or a restart code, so the first 0xFF 0xD9 behind the start of scan is that marker.
std::span<const std::uint8_t> Trailer(std::span<const std::uint8_t> file, std::uint64_t scanStart) {
    constexpr std::uint8_t kEnd[2] = {0xFF, 0xD9};
    const auto scan = file.subspan(std::min<std::uint64_t>(scanStart, file.size()));
    const auto end = std::search(scan.begin(), scan.end(), std::begin(kEnd), std::end(kEnd));
    return end == scan.end() ? std::span<const std::uint8_t>()
                             : scan.subspan(static_cast<std::size_t>(end - scan.begin()) + 2);
}

std::optional<JpegLayout> LayoutOf(const platform::InputFile& file) {
    try {
        return ReadJpegLayout(file);
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
}

// The stored picture's frame, or why it cannot be turned.
std::variant<JpegFrame, std::string> FrameOf(const platform::InputFile& file) {
    const std::optional<JpegLayout> layout = LayoutOf(file);
    if (!layout) {
        return std::string("not a JPEG picture, or its headers are cut short");
    }
    const auto frame = ReadJpegFrame(file.ReadAt(0, layout->scanStart + kScanHeaderBytes));
    if (!frame) {
        return std::string("its frame header is not one libjpeg-turbo reads");
    }
    return *frame;
}

} // namespace

std::variant<RotationPlan, std::string> PlanRotation(const std::filesystem::path& path,
                                                     const RotationRequest& request) {
    const auto frame = FrameOf(platform::InputFile(path));
    if (const auto* fault = std::get_if<std::string>(&frame)) {
        return *fault;
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
    plan.trimsEdges = TrimsEdges(std::get<JpegFrame>(frame), plan.pixels);
    return plan;
}

TurnedPicture TurnPicture(const std::filesystem::path& path, const RotationPlan& plan) {
    const platform::InputFile input(path);
    const JpegLayout layout = ReadJpegLayout(input);
    TurnedPicture picture{input.ReadAt(0, input.Size()), {}};
    const std::vector<std::uint8_t>& bytes = picture.source;
    const TransformedJpeg turned =
        TransformJpeg(bytes, plan.pixels, PartialBlocks::Trim, IsProgressive(layout));
    const auto frame = ReadJpegFrame(turned.bytes);
    const auto tablesAndScan = TablesAndScan(turned.bytes);
    if (!frame || tablesAndScan.empty()) {
        throw platform::FileRefused(
            "turn the picture of", path,
            "its picture data is damaged or cut short (libjpeg-turbo: " +
                (turned.error.empty() ? std::string("no picture written") : turned.error) + ")");
    }
    std::vector<std::uint8_t>& out = picture.turned;
    out.assign(std::begin(kSoi), std::end(kSoi));
    bool exifTurned = !plan.hasExif;
    for (const JpegSegment& segment : layout.segments) {
        if (!IsHeaderSegment(segment)) {
            continue;
        }
        const auto kept =
            std::span(bytes).subspan(segment.position, segment.End() - segment.position);
        if (segment.kind == SegmentKind::Exif && !exifTurned) {
            const auto exif = TurnedExifSegment(kept, plan.pixels, *frame, path);
            out.insert(out.end(), exif.begin(), exif.end());
            exifTurned = true;
        } else {
            out.insert(out.end(), kept.begin(), kept.end());
        }
    }
    out.insert(out.end(), tablesAndScan.begin(), tablesAndScan.end());
    const auto trailer = Trailer(bytes, layout.scanStart);
    out.insert(out.end(), trailer.begin(), trailer.end());
    return picture;
}

void WriteTurnedPicture(const std::filesystem::path& path, const RotationPlan& plan,
                        TurnedPicture picture) {
    const platform::FileWriteLock lock(path);
    const auto time = platform::LastWriteTime(path);
    {
        const platform::InputFile input(path);
        if (input.ReadAt(0, input.Size()) != picture.source) {
            picture = TurnPicture(path, plan);
        }
    }
    platform::FileReplacement output(path);
    output.Write(picture.turned);
    output.Commit(time);
}

} // namespace exif
