#pragma once

// Walking the IFDs of a block. An IFD is a 16-bit entry count, that many 12-byte entries, then
// a 32-bit offset of the next IFD. Whatever lies outside the block is absent: an IFD whose
// count is outside has no entries, and entries are kept only as far as they lie inside.

#include "exif/exif_block.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace exif {

inline constexpr std::uint16_t kExifOffsetTag = 0x8769;
inline constexpr std::uint16_t kMakerNoteTag = 0x927C;

// The entries of the IFD whose count word lies at countOffset, in file order, each read in the
// view's byte order.
[[nodiscard]] std::vector<IfdEntry> IfdEntriesAt(ByteView bytes, std::uint64_t countOffset);

struct IfdChain {
    std::vector<std::vector<IfdEntry>> ifds;     // IFD0, IFD1, ... in chain order
    std::optional<std::uint32_t> exifIfdOffset; // value of the last ExifOffset entry seen
};

// The chain from the IFD0 offset in the header; a link back to an IFD already visited, or out
// of the block, ends it.
[[nodiscard]] IfdChain WalkIfdChain(const ExifBlock& block);

// Where the count word of the maker-note IFD of a layout lies: 8 bytes after the start of the
// MakerNote value for kind 2 (past the maker's header), at its start for kind 3. Its order is
// the file's unless only the other order makes an IFD of it.
[[nodiscard]] std::optional<IfdPlace> FindMakerNoteIfd(const ExifBlock& block, MakerNoteKind kind);

} // namespace exif
