#pragma once

// The EXIF data of one file held as its raw TIFF block, and the questions asked of it: where a
// named tag's entry lies, what an entry's value is, which maker-note layout the camera writes.
// Only the entries of the IFD chain and the Exif IFD are listed ahead of time, once per block,
// so the many lookups a summary makes do not walk the chain again each time.

#include "exif/byte_view.h"
#include "exif/tag_tables.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {
class InputFile;
} // namespace platform

namespace exif {

// One 12-byte IFD entry, with the block offset where it lies (the writer patches it there).
struct IfdEntry {
    std::uint32_t position = 0;
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::uint32_t value = 0; // the value field as a 32-bit number: a LONG, or an offset in the block
    // The order of the IFD the entry belongs to: the file's, except in a maker note that a
    // program rewriting the file in the other order left as the camera wrote it.
    ByteOrder order = ByteOrder::LittleEndian;
};

// Maker-note layouts decoded: kind 2 (NIKON E950, E700, E800: an 8-byte header, then the IFD)
// and kind 3 (NIKON E990: the IFD at once). The kind is also the number of its dictionary.
enum class MakerNoteKind { None = 0, Kind2 = 2, Kind3 = 3 };

// Where an IFD's count word lies in a block, and the order of its numbers.
struct IfdPlace {
    std::uint64_t offset = 0;
    ByteOrder order = ByteOrder::LittleEndian;
};

// The file a block was loaded from, as it was when read: the summary shows its size and, for a
// picture without a shooting date, its time without examining the file a second time; the
// writer patches the block's bytes at their place in the file.
struct FileFacts {
    std::uint64_t size = 0;
    std::time_t lastWrite = 0;
    std::uint64_t blockStart = 0; // file offset of the block's first byte (its byte-order mark)
};

// The TIFF structure of one file, from its byte-order mark on. Every offset stored inside the
// TIFF data counts from the start of this block; every number in it is read in the order the
// mark names ("II" little-endian, "MM" big-endian).

class ExifBlock {
public:
    // The byte order is the one the first two bytes name: "MM" big-endian, else little-endian.
    explicit ExifBlock(std::vector<std::uint8_t> bytes, std::optional<FileFacts> file = {});

    [[nodiscard]] ByteView View() const { return ByteView(bytes_, order_); }
    // The bytes as the entry's own IFD orders its numbers.
    [[nodiscard]] ByteView View(const IfdEntry& entry) const { return ByteView(bytes_, entry.order); }
    [[nodiscard]] std::span<const std::uint8_t> Bytes() const { return bytes_; }

    // The entries the standard dictionary is searched in, in that order: those of each IFD of
    // the chain from IFD0 on, then those of the Exif IFD (see WalkIfdChain).
    [[nodiscard]] std::span<const IfdEntry> StandardEntries() const { return standardEntries_; }

    // What GetMakerNoteKind gives, found once from Make and Model.
    [[nodiscard]] MakerNoteKind MakerNoteLayout() const { return makerNoteKind_; }
    // Where the count word of the maker-note IFD of that layout lies, and its byte order.
    [[nodiscard]] const std::optional<IfdPlace>& MakerNoteIfd() const { return makerNoteIfd_; }

    // None for a block that was not loaded from a file.
    [[nodiscard]] const std::optional<FileFacts>& File() const { return file_; }

private:
    std::vector<std::uint8_t> bytes_;
    ByteOrder order_ = ByteOrder::LittleEndian;
    std::vector<IfdEntry> standardEntries_;
    MakerNoteKind makerNoteKind_ = MakerNoteKind::None;
    std::optional<IfdPlace> makerNoteIfd_;
    std::optional<FileFacts> file_;
};

// Value types of an entry.
enum ValueType : std::uint16_t {
    kByte = 1,
    kAscii = 2,
    kShort = 3,
    kLong = 4,
    kRational = 5,
    kSByte = 6,
    kUndefined = 7,
    kSShort = 8,
    kSLong = 9,
    kSRational = 10,
    kFloat = 11,
    kDouble = 12,
};

// Which of an entry's two readings EntryValue gives: the second is the denominator of a
// rational and the text of an UNDEFINED value; for other types both are the same.
enum class ValuePart { First = 0, Second = 1 };

// An entry's scalar: an integer (signed types sign-extended) or a text.
using TagValue = std::variant<std::int64_t, std::string>;

// Longest text EntryValue gives.
inline constexpr std::size_t kMaxValueText = 257;

// The block of a JPEG (".JPG": the TIFF data of its first APP1 "Exif" segment, wherever that
// lies) or of a bare TIFF file (8192 bytes from offset 0). Nothing when the file has no usable
// EXIF data. Throws platform::FileError when the file cannot be opened or read.
[[nodiscard]] std::optional<ExifBlock> LoadExifBlock(const std::filesystem::path& path);
// The same from a file the caller holds open.
[[nodiscard]] std::optional<ExifBlock> LoadExifBlock(const platform::InputFile& file);

// The entry of a named tag: dictionary 0 searches the IFD chain from IFD0, then the Exif IFD;
// dictionaries 2 and 3 search the maker-note IFD of that layout.
[[nodiscard]] std::optional<IfdEntry> FindEntry(const ExifBlock& block, TagDictionary dictionary,
                                                std::string_view name);

// The scalar of an entry; nothing when the values lie outside the block.
[[nodiscard]] std::optional<TagValue> EntryValue(const ExifBlock& block, const IfdEntry& entry,
                                                 ValuePart part);

[[nodiscard]] MakerNoteKind GetMakerNoteKind(const ExifBlock& block);

// The n-th (0 or 1) 16-bit number inside an entry's value field, where SHORT values of count 1
// and 2 lie; nothing when the entry does not lie inside the block.
[[nodiscard]] std::optional<std::uint16_t> InlineShort(const ExifBlock& block,
                                                       const IfdEntry& entry, int n);

// The integer reading of a BYTE or UNDEFINED entry's value field. Up to 4 values lie in the field
// itself: bytes, not numbers, read as one little-endian word, so that a file and its twin in the
// other byte order give the same integer. More lie at the offset the field holds.
[[nodiscard]] std::uint32_t ByteValuesField(const ExifBlock& block, const IfdEntry& entry);

// A value as text: a text as it is, an integer in decimal.
[[nodiscard]] std::string TagValueText(const TagValue& value);

} // namespace exif
