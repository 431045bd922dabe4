#include "exif/ifd_walk.h"

#include <algorithm>
#include <set>

namespace exif {
namespace {

constexpr std::uint64_t kEntrySize = 12;
// More entries than any maker note holds: a count beyond it is a number read in the wrong order.
constexpr std::uint16_t kMostMakerNoteEntries = 512;

IfdEntry ReadEntry(ByteView bytes, std::uint64_t position) {
    return IfdEntry{static_cast<std::uint32_t>(position), *bytes.U16(position),
                    *bytes.U16(position + 2), *bytes.U32(position + 4),
                    *bytes.U32(position + 8),  bytes.Order()};
}

// True when the count word and the first entry's type read as a maker note's IFD.
bool LooksLikeMakerNoteIfd(ByteView bytes, std::uint64_t countOffset) {
    const auto count = bytes.U16(countOffset);
    const auto firstType = bytes.U16(countOffset + 4);
    return count && *count > 0 && *count <= kMostMakerNoteEntries && firstType &&
           *firstType >= kByte && *firstType <= kDouble;
}

} // namespace

std::vector<IfdEntry> IfdEntriesAt(ByteView bytes, std::uint64_t countOffset) {
    std::vector<IfdEntry> entries;
    const auto count = bytes.U16(countOffset);
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
    auto offset = bytes.U32(4);
    while (offset && *offset != 0 && visited.insert(*offset).second) {
        const auto count = bytes.U16(*offset);
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
        offset = bytes.U32(*offset + 2 + *count * kEntrySize);
    }
    return chain;
}

std::optional<IfdPlace> FindMakerNoteIfd(const ExifBlock& block, MakerNoteKind kind) {
    if (kind == MakerNoteKind::None) {
        return std::nullopt;
    }
    const auto makerNote = FindEntry(block, TagDictionary::Standard, "MakerNote");
    if (!makerNote) {
        return std::nullopt;
    }
    const std::uint64_t headerLength = kind == MakerNoteKind::Kind2 ? 8 : 0;
    const std::uint64_t offset = std::uint64_t{makerNote->value} + headerLength;
    // A program that rewrote the file in the other order may have kept the camera's maker note.
    const ByteOrder fileOrder = block.View().Order();
    const ByteOrder otherOrder =
        fileOrder == ByteOrder::BigEndian ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
    const bool onlyOtherFits = !LooksLikeMakerNoteIfd(block.View(), offset) &&
                               LooksLikeMakerNoteIfd(block.View().InOrder(otherOrder), offset);
    return IfdPlace{offset, onlyOtherFits ? otherOrder : fileOrder};
}

} // namespace exif
