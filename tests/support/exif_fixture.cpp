#include "tests/support/exif_fixture.h"

#include "tests/support/jpeg_pictures.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string>

namespace fixture {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 8> kNikonHeader = {'N', 'i', 'k', 'o', 'n', 0, 1, 0};

void AppendLittleEndian(Bytes& out, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// The byte order a block is written in.
struct Order {
    bool bigEndian = false;

    void Append(Bytes& out, std::uint32_t value, std::size_t size) const {
        for (std::size_t i = 0; i < size; ++i) {
            const std::size_t shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
            out.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void Put32(Bytes& out, std::size_t at, std::uint32_t value) const {
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t shift = bigEndian ? 8 * (3 - i) : 8 * i;
            out.at(at + i) = static_cast<std::uint8_t>(value >> shift);
        }
    }
    // An entry's little-endian value bytes in this order: each number turned by its size.
    [[nodiscard]] Bytes ValueBytes(const Entry& entry) const {
        static constexpr std::array<std::size_t, 13> kNumberSize{1, 1, 1, 2, 4, 4, 1,
                                                                 1, 2, 4, 4, 4, 8};
        const std::size_t size = entry.type < kNumberSize.size() ? kNumberSize[entry.type] : 1;
        Bytes bytes = entry.data;
        if (bigEndian) {
            for (std::size_t at = 0; at + size <= bytes.size(); at += size) {
                std::reverse(bytes.begin() + static_cast<long>(at),
                             bytes.begin() + static_cast<long>(at + size));
            }
        }
        return bytes;
    }
};

void AppendBytes(Bytes& out, std::span<const std::uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// TIFF offsets must be even.
void AlignToWord(Bytes& out) {
    if (out.size() % 2 != 0) {
        out.push_back(0);
    }
}

std::uint32_t CurrentOffset(const Bytes& out) {
    if (out.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("EXIF fixture larger than 4 GiB");
    }
    return static_cast<std::uint32_t>(out.size());
}

template <typename T>
Entry Numbers(std::uint16_t tag, std::uint16_t type, const std::vector<T>& values) {
    Entry entry{tag, type, static_cast<std::uint32_t>(values.size()), {}, std::nullopt};
    for (const T value : values) {
        AppendLittleEndian(entry.data, static_cast<std::uint32_t>(value), sizeof(T));
    }
    return entry;
}

// Where an IFD went: its offset, the position of each entry's value field, the next-IFD link.
struct WrittenIfd {
    std::uint32_t offset = 0;
    std::vector<std::size_t> valueFields;
    std::size_t nextLink = 0;
};

// Appends the IFD at the end of `out` with a next-IFD link of 0, then its data area.
WrittenIfd AppendIfd(Bytes& out, const std::vector<Entry>& entries, Order order) {
    if (entries.size() > std::numeric_limits<std::uint16_t>::max()) {
        throw std::length_error("more than 65535 entries in one IFD");
    }
    AlignToWord(out);
    WrittenIfd ifd{CurrentOffset(out), {}, 0};
    order.Append(out, static_cast<std::uint32_t>(entries.size()), 2);
    for (const Entry& entry : entries) {
        order.Append(out, entry.tag, 2);
        order.Append(out, entry.type, 2);
        order.Append(out, entry.count, 4);
        ifd.valueFields.push_back(out.size());
        if (entry.valueField) {
            order.Append(out, *entry.valueField, 4);
        } else {
            Bytes field = entry.data.size() <= 4 ? order.ValueBytes(entry) : Bytes{};
            field.resize(4, 0); // an offset is set below
            AppendBytes(out, field);
        }
    }
    ifd.nextLink = out.size();
    order.Append(out, 0, 4);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (!entry.valueField && entry.data.size() > 4) {
            AlignToWord(out);
            order.Put32(out, ifd.valueFields[i], CurrentOffset(out));
            AppendBytes(out, order.ValueBytes(entry));
        }
    }
    return ifd;
}

// Puts an entry the builder adds itself before the first given entry with a larger tag, and
// returns its index.
std::size_t InsertInTagOrder(std::vector<Entry>& entries, Entry added) {
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [&](const Entry& entry) { return entry.tag > added.tag; });
    const auto index = static_cast<std::size_t>(at - entries.begin());
    entries.insert(at, std::move(added));
    return index;
}

// Returns the offset of the maker note; its count is the number of bytes appended.
std::uint32_t AppendMakerNote(Bytes& out, const MakerNote& note, Order order) {
    AlignToWord(out);
    const std::uint32_t start = CurrentOffset(out);
    if (note.layout == MakerNoteLayout::NikonHeader) {
        AppendBytes(out, kNikonHeader);
    }
    AppendIfd(out, note.entries, order);
    return start;
}

void CheckContent(const ExifContent& content) {
    if (content.makerNote && !content.exif) {
        throw std::invalid_argument("a maker note needs an Exif IFD to hold its entry");
    }
    if ((content.thumbnail || content.ifd1Next) && !content.ifd1) {
        throw std::invalid_argument("a thumbnail or IFD1 link needs an IFD1");
    }
}

// Appends the Exif IFD (and the maker note it holds) and points IFD0's ExifOffset at it.
void AppendExifIfd(Bytes& out, const ExifContent& content, std::size_t exifOffsetField,
                   Layout& layout, Order order) {
    std::vector<Entry> entries = *content.exif;
    std::optional<std::size_t> makerNoteIndex;
    if (content.makerNote) {
        makerNoteIndex = InsertInTagOrder(entries, Raw(kMakerNoteTag, kUndefined, 0, 0));
    }
    const WrittenIfd exif = AppendIfd(out, entries, order);
    layout.exif = exif.offset;
    order.Put32(out, exifOffsetField, exif.offset);
    if (makerNoteIndex) {
        const Order noteOrder{order.bigEndian != content.makerNoteInOtherOrder};
        layout.makerNote = AppendMakerNote(out, *content.makerNote, noteOrder);
        const std::size_t valueField = exif.valueFields[*makerNoteIndex];
        order.Put32(out, valueField - 4, CurrentOffset(out) - layout.makerNote); // the count
        order.Put32(out, valueField, layout.makerNote);
    }
}

// Appends IFD1 (and the thumbnail it points to) and links it from IFD0.
void AppendIfd1(Bytes& out, const ExifContent& content, std::size_t ifd0NextLink, Layout& layout,
                Order order) {
    std::vector<Entry> entries = *content.ifd1;
    std::optional<std::size_t> thumbnailIndex;
    if (content.thumbnail) {
        const auto length = static_cast<std::uint32_t>(content.thumbnail->size());
        thumbnailIndex = InsertInTagOrder(entries, Long(kThumbnailOffsetTag, {0}));
        InsertInTagOrder(entries, Long(kThumbnailLengthTag, {length}));
    }
    const WrittenIfd ifd1 = AppendIfd(out, entries, order);
    layout.ifd1 = ifd1.offset;
    order.Put32(out, ifd0NextLink, ifd1.offset);
    order.Put32(out, ifd1.nextLink, content.ifd1Next.value_or(0));
    if (thumbnailIndex) {
        AlignToWord(out);
        layout.thumbnail = CurrentOffset(out);
        AppendBytes(out, *content.thumbnail);
        order.Put32(out, ifd1.valueFields[*thumbnailIndex], layout.thumbnail);
    }
}

// A marker segment of an encoded picture: the marker byte after 0xFF, and its bytes from 0xFF.
struct PictureSegment {
    std::uint8_t marker = 0;
    std::span<const std::uint8_t> bytes;
};

// Splits an encoded picture after its SOI into the segments before the scan and the rest (SOS
// header, entropy-coded data, EOI).
std::pair<std::vector<PictureSegment>, std::span<const std::uint8_t>>
SplitPicture(std::span<const std::uint8_t> picture) {
    constexpr std::uint8_t kStartOfScan = 0xDA;
    std::vector<PictureSegment> segments;
    std::size_t at = 2;
    while (at + 4 <= picture.size() && picture[at] == 0xFF) {
        const std::uint8_t marker = picture[at + 1];
        if (marker == kStartOfScan) {
            return {segments, picture.subspan(at)};
        }
        const std::size_t length = (std::size_t{picture[at + 2]} << 8) | picture[at + 3];
        if (length < 2 || length + 2 > picture.size() - at) {
            break;
        }
        segments.push_back({marker, picture.subspan(at, length + 2)});
        at += length + 2;
    }
    throw std::runtime_error("encoded picture has no well-formed segments up to its scan");
}

} // namespace

Entry Ascii(std::uint16_t tag, std::string_view text) {
    Entry entry{tag, kAscii, static_cast<std::uint32_t>(text.size() + 1), {}, std::nullopt};
    entry.data.assign(text.begin(), text.end());
    entry.data.push_back(0);
    return entry;
}

Entry AsciiFixed(std::uint16_t tag, std::string_view text, std::uint32_t count) {
    if (text.size() > count) {
        throw std::invalid_argument("text \"" + std::string(text) + "\" longer than its count");
    }
    Entry entry{tag, kAscii, count, {}, std::nullopt};
    entry.data.assign(text.begin(), text.end());
    entry.data.resize(count, 0);
    return entry;
}

Entry Byte(std::uint16_t tag, std::vector<std::uint8_t> values) {
    return Numbers(tag, kByte, values);
}

Entry SByte(std::uint16_t tag, std::vector<std::int8_t> values) {
    return Numbers(tag, kSByte, values);
}

Entry Short(std::uint16_t tag, std::vector<std::uint16_t> values) {
    return Numbers(tag, kShort, values);
}

Entry SShort(std::uint16_t tag, std::vector<std::int16_t> values) {
    return Numbers(tag, kSShort, values);
}

Entry Long(std::uint16_t tag, std::vector<std::uint32_t> values) {
    return Numbers(tag, kLong, values);
}

Entry SLong(std::uint16_t tag, std::vector<std::int32_t> values) {
    return Numbers(tag, kSLong, values);
}

Entry Rational(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator) {
    return Rationals(tag, {{numerator, denominator}});
}

Entry Rationals(std::uint16_t tag, std::vector<std::pair<std::uint32_t, std::uint32_t>> values) {
    std::vector<std::uint32_t> words;
    for (const auto& [numerator, denominator] : values) {
        words.push_back(numerator);
        words.push_back(denominator);
    }
    Entry entry = Numbers(tag, kRational, words);
    entry.count = static_cast<std::uint32_t>(values.size());
    return entry;
}

Entry SRational(std::uint16_t tag, std::int32_t numerator, std::int32_t denominator) {
    Entry entry = Numbers(tag, kSRational, std::vector<std::int32_t>{numerator, denominator});
    entry.count = 1;
    return entry;
}

Entry Undefined(std::uint16_t tag, std::vector<std::uint8_t> bytes) {
    return Numbers(tag, kUndefined, bytes);
}

Entry Raw(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t valueField) {
    return Entry{tag, type, count, {}, valueField};
}

Built BuildTiff(const ExifContent& content) {
    CheckContent(content);
    Built built;
    Bytes& out = built.bytes;
    const Order order{content.bigEndian};
    const std::uint8_t mark = content.bigEndian ? 'M' : 'I';
    out = {mark, mark};
    order.Append(out, content.version, 2);
    order.Append(out, 8, 4);

    std::vector<Entry> ifd0Entries = content.ifd0;
    std::optional<std::size_t> exifOffsetIndex;
    if (content.exif) {
        exifOffsetIndex = InsertInTagOrder(ifd0Entries, Long(kExifOffsetTag, {0}));
    }
    const WrittenIfd ifd0 = AppendIfd(out, ifd0Entries, order);
    built.layout.ifd0 = ifd0.offset;
    if (exifOffsetIndex) {
        AppendExifIfd(out, content, ifd0.valueFields[*exifOffsetIndex], built.layout, order);
    }
    if (content.ifd1) {
        AppendIfd1(out, content, ifd0.nextLink, built.layout, order);
    }
    return built;
}

Built BuildJpeg(const ExifContent& content, const JpegOptions& options) {
    constexpr std::uint8_t kApp0 = 0xE0;
    constexpr std::array<std::uint8_t, 6> kExifName = {'E', 'x', 'i', 'f', 0, 0};
    Built tiff = BuildTiff(content);
    // The APP1 length counts its own two bytes and "Exif\0\0" besides the TIFF block.
    const std::size_t app1Length = 2 + 6 + tiff.bytes.size();
    if (app1Length > 0xFFFF) {
        throw std::length_error("TIFF block of " + std::to_string(tiff.bytes.size()) +
                                " bytes does not fit in one APP1 segment");
    }
    const Bytes picture = options.markedCorner ? EncodeMarkedJpeg(options.width, options.height)
                                               : EncodeJpeg(options.width, options.height);
    const auto [segments, scan] = SplitPicture(picture);

    Built jpeg;
    jpeg.layout = tiff.layout;
    Bytes& out = jpeg.bytes;
    out = {0xFF, 0xD8};
    for (const PictureSegment& segment : segments) {
        if (options.app0First && segment.marker == kApp0) {
            AppendBytes(out, segment.bytes);
        }
    }
    for (const Bytes& segment : options.segmentsBeforeExif) {
        AppendBytes(out, segment);
    }
    out.insert(out.end(), {0xFF, 0xE1, static_cast<std::uint8_t>(app1Length >> 8),
                           static_cast<std::uint8_t>(app1Length)});
    AppendBytes(out, kExifName);
    jpeg.tiffStart = out.size();
    AppendBytes(out, tiff.bytes);
    for (const PictureSegment& segment : segments) {
        if (segment.marker == kApp0) {
            continue;
        }
        if (options.fillBytesBeforeMarkers) {
            out.push_back(0xFF);
        }
        AppendBytes(out, segment.bytes);
    }
    if (options.fillBytesBeforeMarkers) {
        out.push_back(0xFF);
    }
    AppendBytes(out, scan);
    return jpeg;
}

std::vector<std::uint8_t> Segment(std::uint8_t marker, std::string_view data) {
    const std::size_t length = data.size() + 2;
    if (length > 0xFFFF) {
        throw std::length_error("segment data of " + std::to_string(data.size()) + " bytes");
    }
    Bytes segment(2 + length);
    segment[0] = 0xFF;
    segment[1] = marker;
    segment[2] = static_cast<std::uint8_t>(length >> 8);
    segment[3] = static_cast<std::uint8_t>(length);
    std::copy(data.begin(), data.end(), segment.begin() + 4);
    return segment;
}

std::vector<std::uint8_t> IccProfileSegment() {
    // A profile header with its size, version 2.1, a display profile of RGB to XYZ, the "acsp"
    // signature, and no tags.
    std::string profile(132, '\0');
    profile[3] = static_cast<char>(132);
    profile.replace(8, 4, std::string("\x02\x10\0\0", 4));
    profile.replace(12, 12, "mntrRGB XYZ ");
    profile.replace(36, 4, "acsp");
    return Segment(0xE2, std::string("ICC_PROFILE\0\x01\x01", 14) + profile);
}

std::vector<std::uint8_t> XmpSegment() {
    return Segment(0xE1, std::string("http://ns.adobe.com/xap/1.0/\0", 29) +
                             "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
                             "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
                             "<rdf:Description xmlns:tiff='http://ns.adobe.com/tiff/1.0/' "
                             "tiff:Make='NIKON'/></rdf:RDF></x:xmpmeta>");
}

void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path.string() + ": " + std::strerror(errno));
    }
}

} // namespace fixture
