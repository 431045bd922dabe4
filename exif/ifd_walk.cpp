#include "exif/ifd_walk.h"

#include <algorithm>
#include <set>

namespace exif {
namespace {

constexpr std::uint64_t kEntrySize = 12;

IfdEntry ReadEntry(ByteView bytes, std::uint64_t position) {
    return IfdEntry{static_cast<std::uint32_t>(position), *bytes.U16LE(position),
                    *bytes.U16LE(position + 2), *bytes.U32LE(position + 4),
                    *bytes.U32LE(position + 8)};
}

} // namespace

std::vector<IfdEntry> IfdEntriesAt(ByteView bytes, std::uint64_t countOffset) {
    std::vector<IfdEntry> entries;
    const auto count = bytes.U16LE(countOffset);
    if (!count) {
        return entries;
    }
    const std::uint64_t room = bytes.size() - std::min(bytes.size(), countOffset + 2);
    entries.reserve(std::min<std::uint64_t>(*count, room / kEntrySize));
    for (std::uint64_t i = 0; i < *count; ++i) {
        const std::uint64_t position = countOffset + 2 + i * kEntrySize;
        if (!bytes.Contains(position, kEntrySize)) {
            break;
        }
        entries.push_back(ReadEntry(bytes, position));
    }
    return entries;
}

IfdChain WalkIfdChain(const ExifBlock& block) {
    const ByteView bytes = block.View();
    IfdChain chain;
    std::set<std::uint32_t> visited;
    auto offset = bytes.U32LE(4);
    while (offset && *offset != 0 && visited.insert(*offset).second) {
        const auto count = bytes.U16LE(*offset);
        if (!count) {
            break;
        }
        std::vector<IfdEntry> entries = IfdEntriesAt(bytes, *offset);
        for (const IfdEntry& entry : entries) {
            if (entry.tag == kExifOffsetTag) {
                chain.exifIfdOffset = entry.value;
            }
        }
        chain.ifds.push_back(std::move(entries));
        offset = bytes.U32LE(*offset + 2 + *count * kEntrySize);
    }
    return chain;
}

std::optional<std::uint64_t> MakerNoteIfdOffset(const ExifBlock& block, MakerNoteKind kind) {
    if (kind == MakerNoteKind::None) {
        return std::nullopt;
    }
    const auto makerNote = FindEntry(block, TagDictionary::Standard, "MakerNote");
    if (!makerNote) {
        return std::nullopt;
    }
    const std::uint64_t headerLength = kind == MakerNoteKind::Kind2 ? 8 : 0;
    return std::uint64_t{makerNote->value} + headerLength;
}

} // namespace exif
