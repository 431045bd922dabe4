#include "exif/exif_writer_segments.h"

#include <variant>

namespace exif {
std::optional<FirstSegment> ReadFirstSegment(const platform::InputFile& file) {
    const std::vector<std::uint8_t> head = file.ReadAt(0, 10);
    if (head.size() < 6 || head[0] != 0xFF || head[1] != 0xD8 || head[2] != 0xFF) {
        return std::nullopt;
    }
    FirstSegment segment;
    segment.marker = static_cast<std::uint16_t>(head[2] << 8 | head[3]);
    segment.length = static_cast<std::uint16_t>(head[4] << 8 | head[5]);
    if (segment.length < 2) {
        return std::nullopt;
    }
    segment.exifHeader =
        head.size() == 10 && head[6] == 'E' && head[7] == 'x' && head[8] == 'i' && head[9] == 'f';
    segment.complete = segment.End() <= file.Size();
    return segment;
}

FirstSegment RequireJpegBody(const platform::InputFile& file) {
    const auto segment = ReadFirstSegment(file);
    if (!segment) {
        throw platform::FileError("read the picture of", file.Path(),
                                  "it does not start like a JPEG file");
    }
    if (!segment->complete) {
        throw platform::FileError("read the picture of", file.Path(),
                                  "the file ends inside its first segment");
    }
    return *segment;
}

bool PatchExifData(platform::PatchFile& file, const ExifBlock& block, std::uint64_t offset,
                   std::uint64_t extent, std::span<const std::uint8_t> bytes) {
    if (!block.View().Contains(offset, extent) || !block.File()) {
        return false;
    }
    const std::uint64_t at = block.File()->blockStart + offset;
    // Behind the end of a short file the block holds zeros, not file bytes: nothing to patch.
    if (at > file.Size() || extent > file.Size() - at) {
        return false;
    }
    file.WriteAt(at, bytes);
    file.SetLastWriteTime(file.LastWriteTime());
    file.Close();
    return true;
}

std::optional<std::uint64_t> IntegerTag(const ExifBlock& block, std::string_view name) {
    const auto entry = FindEntry(block, TagDictionary::Standard, name);
    if (!entry) {
        return std::nullopt;
    }
    const auto value = EntryValue(block, *entry, ValuePart::First);
    if (!value || !std::holds_alternative<std::int64_t>(*value) ||
        std::get<std::int64_t>(*value) < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(std::get<std::int64_t>(*value));
}

} // namespace exif
