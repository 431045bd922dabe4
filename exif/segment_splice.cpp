// Whole-segment splicing: the JFIF stub, the picture body, the EXIF segment, the thumbnail.

#include "exif/exif_writer.h"
#include "exif/exif_writer_segments.h"
#include "exif/file_probes.h"
#include "platform/file_times.h"
#include "platform/safe_replace.h"
#include "platform/writable_file.h"

namespace exif {
namespace {

constexpr std::uint64_t kJpegTiffBase = 12;
constexpr std::size_t kCopyChunk = 1 << 16;
constexpr std::size_t kSoiBytes = 2;

struct ThumbnailPlace {
    std::uint64_t start = 0; // block offset of the thumbnail's SOI
    std::uint64_t length = 0;
};

// JPEGInterchangeFormat and its length, each falling back to the maker note's ThumbnailImage
// (offset field and count).
std::optional<ThumbnailPlace> FindThumbnail(const ExifBlock& block) {
    auto start = IntegerTag(block, "JPEGInterchangeFormat");
    auto length = IntegerTag(block, "JPEGInterchangeFormatLength");
    const MakerNoteKind kind = GetMakerNoteKind(block);
    if ((!start || !length) && kind != MakerNoteKind::None) {
        const auto dictionary = static_cast<TagDictionary>(static_cast<int>(kind));
        if (const auto entry = FindEntry(block, dictionary, "ThumbnailImage")) {
            start = start ? start : entry->value;
            length = length ? length : entry->count;
        }
    }
    if (!start || !length || *start == 0 || *length < kSoiBytes) {
        return std::nullopt;
    }
    return ThumbnailPlace{*start, *length};
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
    const auto segment = ReadFirstSegment(input);
    if (!segment || !segment->IsExifApp1()) {
        return false;
    }
    if (!segment->complete) {
        throw platform::FileError("read the EXIF segment of", source,
                                  "the file ends inside the segment");
    }
    const std::vector<std::uint8_t> bytes = input.ReadAt(0, segment->End());
    const auto time = platform::LastWriteTime(destination);
    platform::FileReplacement output(destination);
    output.Write(bytes);
    output.Commit(time);
    return true;
}

void StripExif(const std::filesystem::path& destination, const std::filesystem::path& source) {
    const platform::InputFile input(source);
    const FirstSegment segment = RequireJpegBody(input);
    const auto time = platform::LastWriteTime(source);
    platform::FileReplacement output(destination);
    output.Write(kJfifStub);
    output.CopyFrom(input, segment.End());
    output.Commit(time);
}

bool SaveThumbnail(std::uint64_t position, const std::filesystem::path& destination,
                   const std::filesystem::path& source, const ExifBlock& block) {
    const auto place = FindThumbnail(block);
    if (!place) {
        return false;
    }
    const platform::InputFile input(source);
    const std::uint64_t start = (IsJpegName(source) ? kJpegTiffBase : 0) + place->start;
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
