// Whole-segment splicing: the JFIF stub, the picture body, the EXIF segment, the thumbnail.

#include "exif/exif_writer.h"
#include "exif/exif_writer_segments.h"
#include "exif/file_probes.h"
#include "exif/thumbnail_place.h"
#include "platform/file_times.h"
#include "platform/file_write_lock.h"
#include "platform/safe_replace.h"
#include "platform/writable_file.h"

#include <algorithm>
#include <iterator>

namespace exif {
namespace {

constexpr std::size_t kCopyChunk = 1 << 16;
constexpr std::size_t kSoiBytes = 2;
constexpr std::uint8_t kSoi[kSoiBytes] = {0xFF, 0xD8};

// What EXIF removal drops: the EXIF data and the XMP packet, which repeats the camera, the
// dates and the GPS position.
bool HoldsCameraData(const JpegSegment& segment) {
    return segment.kind == SegmentKind::Exif || segment.kind == SegmentKind::Xmp;
}

void CopySegment(platform::FileReplacement& output, const platform::InputFile& input,
                 const JpegSegment& segment) {
    const std::uint64_t size = segment.End() - segment.position;
    const std::vector<std::uint8_t> bytes = input.ReadAt(segment.position, size);
    if (bytes.size() != size) {
        throw platform::FileError("read a segment of", input.Path(), "the file ends inside it");
    }
    output.Write(bytes);
}

} // namespace

void WriteJfifStub(const std::filesystem::path& path) {
    const auto time = platform::LastWriteTime(path);
    platform::FileReplacement output(path);
    output.Write(kJfifStub);
    output.Commit(time);
}

std::uint64_t AppendBody(std::uint64_t position, const std::filesystem::path& destination,
                         const std::filesystem::path& source) {
    const platform::InputFile input(source);
    const FirstSegment segment = RequireJpegBody(input);
    platform::WritableFile output(destination);
    const platform::FileTime time = output.LastWriteTime();
    const std::uint64_t at = position == 0 ? output.Size() : position;
    std::uint64_t written = 0;
    while (true) {
        const std::vector<std::uint8_t> chunk = input.ReadAt(segment.End() + written, kCopyChunk);
        if (chunk.empty()) {
            break;
        }
        output.WriteAt(at + written, chunk);
        written += chunk.size();
    }
    // The body is the rest of the file: nothing that lay behind the position stays behind it.
    output.Resize(at + written);
    output.SetLastWriteTime(time);
    output.Close();
    return written;
}

bool ExtractExifSegment(const std::filesystem::path& destination,
                        const std::filesystem::path& source) {
    if (!IsJpegName(source)) {
        return false;
    }
    const platform::InputFile input(source);
    const auto segment = FindExifSegment(input);
    if (!segment) {
        return false;
    }
    const auto time = platform::LastWriteTime(destination);
    platform::FileReplacement output(destination);
    output.Write(kSoi);
    CopySegment(output, input, *segment);
    output.Commit(time);
    return true;
}

void StripExif(const std::filesystem::path& destination, const std::filesystem::path& source) {
    const platform::FileWriteLock lock(destination);
    const platform::InputFile input(source);
    const JpegLayout layout = ReadJpegLayout(input);
    std::vector<JpegSegment> kept;
    std::copy_if(layout.segments.begin(), layout.segments.end(), std::back_inserter(kept),
                 [](const JpegSegment& segment) { return !HoldsCameraData(segment); });
    // A file left without a JFIF or Adobe header gets the stub's JFIF header, so decoders still
    // know its colours; an Adobe header says them otherwise and must not be contradicted.
    const bool namesColours = std::any_of(kept.begin(), kept.end(), [](const JpegSegment& s) {
        return s.kind == SegmentKind::Jfif || s.kind == SegmentKind::Adobe;
    });
    const auto time = platform::LastWriteTime(source);
    platform::FileReplacement output(destination);
    output.Write(namesColours ? std::span<const std::uint8_t>(kSoi) : kJfifStub);
    for (const JpegSegment& segment : kept) {
        CopySegment(output, input, segment);
    }
    output.CopyFrom(input, layout.scanStart);
    output.Commit(time);
}

bool SaveThumbnail(std::uint64_t position, const std::filesystem::path& destination,
                   const std::filesystem::path& source, const ExifBlock& block) {
    const auto place = FindThumbnail(block);
    if (!place) {
        return false;
    }
    const platform::InputFile input(source);
    const std::uint64_t start = (block.File() ? block.File()->blockStart : 0) + place->start;
    const std::uint64_t size = input.Size();
    if (start > size || place->length > size - start) {
        return false;
    }
    const std::vector<std::uint8_t> thumbnail = input.ReadAt(start, place->length);
    if (thumbnail.size() != place->length || thumbnail[0] != 0xFF || thumbnail[1] != 0xD8) {
        return false;
    }
    platform::WritableFile output(destination);
    const platform::FileTime time = output.LastWriteTime();
    const std::uint64_t at = position == 0 ? output.Size() : position;
    output.WriteAt(at, std::span(thumbnail).subspan(kSoiBytes));
    output.SetLastWriteTime(time);
    output.Close();
    return true;
}

} // namespace exif
