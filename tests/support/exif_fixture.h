#pragma once

// Writes EXIF files (a JPEG with an APP1 "Exif" segment, or a bare TIFF block), in either byte
// order, from a declared list of IFDs and entries, so a test states exactly which bytes a reader meets. It
// shares no code with the reader on purpose: a fault there cannot hide itself here.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace fixture {

// Value types as numbered in an IFD entry.
enum TiffType : std::uint16_t {
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

// Tags of the entries the builder writes itself.
inline constexpr std::uint16_t kExifOffsetTag = 0x8769;
inline constexpr std::uint16_t kMakerNoteTag = 0x927C;
inline constexpr std::uint16_t kThumbnailOffsetTag = 0x0201; // JPEGInterchangeFormat
inline constexpr std::uint16_t kThumbnailLengthTag = 0x0202; // JPEGInterchangeFormatLength

// One 12-byte IFD entry. `data` holds the little-endian value bytes (a big-endian file gets each
// number of them turned, by the size its type gives): they go into the value field when they fit
// in 4 bytes (zero-padded), else into the data area behind the IFD with their offset in the
// value field. When `valueField` is set it is written as a 32-bit number in the file's order and
// `data` is not placed at all, which is how tests write hostile offsets.
struct Entry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::vector<std::uint8_t> data;
    std::optional<std::uint32_t> valueField;
};

[[nodiscard]] Entry Ascii(std::uint16_t tag, std::string_view text); // count = size + 1, with NUL
// Exactly `count` bytes: the text, then zeros; no terminator when the text fills them all.
[[nodiscard]] Entry AsciiFixed(std::uint16_t tag, std::string_view text, std::uint32_t count);
[[nodiscard]] Entry Byte(std::uint16_t tag, std::vector<std::uint8_t> values);
[[nodiscard]] Entry SByte(std::uint16_t tag, std::vector<std::int8_t> values);
[[nodiscard]] Entry Short(std::uint16_t tag, std::vector<std::uint16_t> values);
[[nodiscard]] Entry SShort(std::uint16_t tag, std::vector<std::int16_t> values);
[[nodiscard]] Entry Long(std::uint16_t tag, std::vector<std::uint32_t> values);
[[nodiscard]] Entry SLong(std::uint16_t tag, std::vector<std::int32_t> values);
[[nodiscard]] Entry Rational(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator);
[[nodiscard]] Entry Rationals(std::uint16_t tag,
                              std::vector<std::pair<std::uint32_t, std::uint32_t>> values);
[[nodiscard]] Entry SRational(std::uint16_t tag, std::int32_t numerator, std::int32_t denominator);
[[nodiscard]] Entry Undefined(std::uint16_t tag, std::vector<std::uint8_t> bytes);
// Any type and count with the value field given verbatim (offsets that point anywhere).
[[nodiscard]] Entry Raw(std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                        std::uint32_t valueField);

// The two Nikon maker-note layouts. Value offsets inside both are counted from the TIFF header,
// like every other offset in the block.
enum class MakerNoteLayout {
    NikonHeader, // "Nikon\0\1\0", then the IFD's entry count at MakerNote + 8
    Headerless,  // the entry count at MakerNote + 0
};

struct MakerNote {
    MakerNoteLayout layout = MakerNoteLayout::NikonHeader;
    std::vector<Entry> entries;
};

// The IFDs of one file. Entries are written in the order given, never sorted. The entries the
// builder adds itself (ExifOffset in IFD0, MakerNote in the Exif IFD, the two thumbnail LONGs
// in IFD1) go before the first given entry with a larger tag, so a list in tag order stays in
// tag order; they are appended when no larger tag is there.
struct ExifContent {
    std::vector<Entry> ifd0;
    std::optional<std::vector<Entry>> exif; // adds ExifOffset (0x8769, LONG) to IFD0
    std::optional<MakerNote> makerNote;     // adds MakerNote (0x927C, UNDEFINED); needs exif
    std::optional<std::vector<Entry>> ifd1; // linked from IFD0's next-IFD offset
    std::optional<std::vector<std::uint8_t>> thumbnail; // JPEG bytes; adds 0x201/0x202; needs ifd1
    std::optional<std::uint32_t> ifd1Next; // IFD1's next-IFD offset (default 0); needs ifd1
    bool bigEndian = false; // "MM": every number of the block big-endian
    // The maker note in the other order than the block, as a program that rewrote the file in
    // the other order leaves the camera's.
    bool makerNoteInOtherOrder = false;
    std::uint16_t version = 42;
};

// Where the builder put things, as offsets from the TIFF header (the reader's block offsets).
// An offset is 0 for a part the file does not have.
struct Layout {
    std::uint32_t ifd0 = 0;
    std::uint32_t exif = 0;
    std::uint32_t ifd1 = 0;
    std::uint32_t makerNote = 0; // the start of the maker note, its header included
    std::uint32_t thumbnail = 0;
};

struct Built {
    std::vector<std::uint8_t> bytes; // the whole file
    Layout layout;
    std::size_t tiffStart = 0; // file offset of the TIFF header: 0 for a bare TIFF, 12 in a JPEG
};

// A bare TIFF block: "II" (or "MM"), version, IFD0 at 8; then IFD0, Exif IFD, maker note, IFD1
// and thumbnail, each IFD followed by its data area, every part on an even offset.
[[nodiscard]] Built BuildTiff(const ExifContent& content);

struct JpegOptions {
    int width = 64;
    int height = 48;
    bool app0First = false;              // a JFIF APP0 segment between SOI and the APP1
    // Whole segments (marker included) between SOI, or the JFIF APP0, and the APP1.
    std::vector<std::vector<std::uint8_t>> segmentsBeforeExif = {};
    bool fillBytesBeforeMarkers = false; // one 0xFF fill byte before each marker after the APP1
    bool markedCorner = false; // the picture of EncodeMarkedJpeg instead of EncodeJpeg's
};

// SOI, APP1 (big-endian length counting itself, "Exif\0\0", the TIFF block), then the remaining
// segments and scan of a real encoded picture of width x height, so decoders accept the file.
// The TIFF header lies at file offset 12, or after the segments put before it.
[[nodiscard]] Built BuildJpeg(const ExifContent& content, const JpegOptions& options = {});

// A whole segment: 0xFF, the marker, the big-endian length, then the data.
[[nodiscard]] std::vector<std::uint8_t> Segment(std::uint8_t marker, std::string_view data);
// An APP2 ICC profile segment and an XMP APP1 segment with recognisable contents.
[[nodiscard]] std::vector<std::uint8_t> IccProfileSegment();
[[nodiscard]] std::vector<std::uint8_t> XmpSegment();

// Writes the bytes to a new or truncated file; throws std::runtime_error naming the file.
void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace fixture
