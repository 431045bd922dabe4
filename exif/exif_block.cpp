#include "exif/exif_block.h"

#include "exif/file_probes.h"
#include "exif/ifd_walk.h"
#include "exif/jpeg_segments.h"
#include "platform/codepage.h"
#include "platform/input_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace exif {
namespace {

constexpr std::size_t kBlockSizeWithoutApp1 = 8192;
constexpr std::uint16_t kTiffVersion = 42;
// The first read of a file: the segment headers ahead of the EXIF data and, for most cameras,
// the whole block.
constexpr std::size_t kFirstRead = 8192;
// The APP1 data holds "Exif", two more bytes, then the TIFF data.
constexpr std::uint64_t kExifNameBytes = 6;
constexpr std::uint64_t kTiffHeaderBytes = 8;
constexpr std::uint64_t kValueField = 8; // inside the 12-byte entry

bool StartsWith(std::span<const std::uint8_t> bytes, std::uint64_t offset, std::string_view text) {
    return offset <= bytes.size() && text.size() <= bytes.size() - offset &&
           std::memcmp(bytes.data() + offset, text.data(), text.size()) == 0;
}

std::optional<ByteOrder> OrderMark(std::span<const std::uint8_t> header) {
    if (StartsWith(header, 0, "II")) {
        return ByteOrder::LittleEndian;
    }
    if (StartsWith(header, 0, "MM")) {
        return ByteOrder::BigEndian;
    }
    return std::nullopt;
}

// `length` file bytes from `offset`, taken from the first read where it holds them; a short
// file leaves zeros behind what it held.
std::vector<std::uint8_t> BytesAt(const platform::InputFile& file,
                                  std::span<const std::uint8_t> head, std::uint64_t offset,
                                  std::uint64_t length) {
    std::vector<std::uint8_t> bytes;
    if (offset <= head.size() && length <= head.size() - offset) {
        const auto from = head.begin() + static_cast<std::ptrdiff_t>(offset);
        bytes.assign(from, from + static_cast<std::ptrdiff_t>(length));
    } else {
        bytes = file.ReadAt(offset, length);
    }
    bytes.resize(length, 0);
    return bytes;
}

// The block of `length` bytes at `offset` when a TIFF header opens it.
std::optional<ExifBlock> BlockAt(const platform::InputFile& file,
                                 std::span<const std::uint8_t> head, std::uint64_t offset,
                                 std::uint64_t length) {
    std::vector<std::uint8_t> bytes = BytesAt(file, head, offset, length);
    const auto order = OrderMark(bytes);
    if (!order || ByteView(bytes, *order).U16(2).value_or(0) < kTiffVersion) {
        return std::nullopt;
    }
    return ExifBlock(std::move(bytes), FileFacts{file.Size(), file.LastWrite(), offset});
}

// The `count` bytes of an entry's values: inside the entry when they fit in its value field,
// otherwise at the offset it holds.
std::optional<std::span<const std::uint8_t>> InlineOrAtOffset(const ExifBlock& block,
                                                              const IfdEntry& entry,
                                                              std::uint64_t length) {
    if (entry.count <= 4) {
        return block.View().Bytes(entry.position + kValueField, std::min<std::uint64_t>(length, 4));
    }
    return block.View().Bytes(entry.value, length);
}

std::optional<TagValue> TextValue(const ExifBlock& block, const IfdEntry& entry) {
    const auto bytes =
        InlineOrAtOffset(block, entry, std::min<std::uint64_t>(entry.count, kMaxValueText));
    if (!bytes) {
        return std::nullopt;
    }
    const auto end = std::find(bytes->begin(), bytes->end(), 0);
    return std::string(bytes->begin(), end);
}

// The last of the entry's array values, or the value inside the entry for counts that fit.
std::optional<std::uint32_t> LastOf(const ExifBlock& block, const IfdEntry& entry,
                                    std::uint64_t valueSize) {
    const ByteView bytes = block.View(entry);
    if (entry.count == 0) {
        return std::nullopt;
    }
    if (valueSize == 2 && entry.count <= 2) {
        return InlineShort(block, entry, static_cast<int>(entry.count) - 1);
    }
    if (valueSize == 4 && entry.count == 1) {
        return entry.value;
    }
    if (!bytes.Contains(entry.value, std::uint64_t{entry.count} * valueSize)) {
        return std::nullopt;
    }
    const std::uint64_t last = entry.value + (std::uint64_t{entry.count} - 1) * valueSize;
    return valueSize == 2 ? std::optional<std::uint32_t>(*bytes.U16(last)) : bytes.U32(last);
}

std::optional<TagValue> RationalPart(const ExifBlock& block, const IfdEntry& entry,
                                     ValuePart part, bool isSigned) {
    const std::uint64_t at = entry.value + (part == ValuePart::Second ? 4 : 0);
    const auto word = block.View(entry).U32(at);
    if (!word || !block.View().Contains(entry.value, 8)) {
        return std::nullopt;
    }
    return isSigned ? std::int64_t{static_cast<std::int32_t>(*word)} : std::int64_t{*word};
}

std::optional<std::string> EntryText(const ExifBlock& block, const std::optional<IfdEntry>& entry) {
    if (!entry) {
        return std::nullopt;
    }
    const auto value = EntryValue(block, *entry, ValuePart::First);
    return value ? std::optional(TagValueText(*value)) : std::nullopt;
}

// The layout a block's Make and Model name; the entries must be listed already.
MakerNoteKind KindFromMakeAndModel(const ExifBlock& block) {
    const auto make = EntryText(block, FindEntry(block, TagDictionary::Standard, "Make"));
    if (!make || *make != "NIKON") {
        return MakerNoteKind::None;
    }
    const std::string model =
        EntryText(block, FindEntry(block, TagDictionary::Standard, "Model")).value_or("");
    if (model == "E950" || model == "E700" || model == "E800") {
        return MakerNoteKind::Kind2;
    }
    if (model == "E990") {
        return MakerNoteKind::Kind3;
    }
    return MakerNoteKind::None;
}

// TagIdOf through a hash of each dictionary's names, made on first use: a summary looks up
// dozens of names in every file, and the dictionaries are read linearly.
std::optional<std::uint16_t> HashedTagId(TagDictionary dictionary, std::string_view name) {
    using Names = std::unordered_map<std::string_view, std::uint16_t>;
    static constexpr std::array<TagDictionary, 3> kHashed{
        TagDictionary::Standard, TagDictionary::MakerNote2, TagDictionary::MakerNote3};
    static const std::array<Names, kHashed.size()> hashed = [] {
        std::array<Names, kHashed.size()> made;
        for (std::size_t i = 0; i < kHashed.size(); ++i) {
            for (const TagRow& row : TTagTable(kHashed[i])) {
                made[i].emplace(row.name, row.id); // the first row of a name wins
            }
        }
        return made;
    }();
    // The table TagIdOf would read, whatever number the dictionary has.
    const TagRow* table = TTagTable(dictionary).data();
    for (std::size_t i = 0; i < kHashed.size(); ++i) {
        if (TTagTable(kHashed[i]).data() == table) {
            const auto found = hashed[i].find(name);
            return found == hashed[i].end() ? std::nullopt : std::optional(found->second);
        }
    }
    return TagIdOf(dictionary, name);
}

} // namespace

ExifBlock::ExifBlock(std::vector<std::uint8_t> bytes, std::optional<FileFacts> file)
    : bytes_(std::move(bytes)), order_(OrderMark(bytes_).value_or(ByteOrder::LittleEndian)),
      file_(file) {
    IfdChain chain = WalkIfdChain(*this);
    for (const std::vector<IfdEntry>& entries : chain.ifds) {
        standardEntries_.insert(standardEntries_.end(), entries.begin(), entries.end());
    }
    if (chain.exifIfdOffset) {
        const std::vector<IfdEntry> entries = IfdEntriesAt(View(), *chain.exifIfdOffset);
        standardEntries_.insert(standardEntries_.end(), entries.begin(), entries.end());
    }
    makerNoteKind_ = KindFromMakeAndModel(*this);
    makerNoteIfd_ = FindMakerNoteIfd(*this, makerNoteKind_);
}

std::optional<ExifBlock> LoadExifBlock(const std::filesystem::path& path) {
    return LoadExifBlock(platform::InputFile(path));
}

std::optional<ExifBlock> LoadExifBlock(const platform::InputFile& file) {
    const std::filesystem::path& path = file.Path();
    // One read takes the segment headers ahead of the EXIF data and, for most cameras, the whole
    // block; a longer block, or one behind large segments, reads its rest in a second.
    const std::vector<std::uint8_t> head = file.ReadAt(0, kFirstRead);
    if (!IsJpegName(path)) {
        return BlockAt(file, head, 0, kBlockSizeWithoutApp1);
    }
    JpegSegmentWalk walk(file, head);
    while (const auto segment = walk.Next()) {
        const std::uint64_t dataLength = segment->length - 2u;
        if (segment->kind == SegmentKind::Exif &&
            dataLength >= kExifNameBytes + kTiffHeaderBytes) {
            if (auto block = BlockAt(file, head, segment->DataStart() + kExifNameBytes,
                                     dataLength - kExifNameBytes)) {
                return block;
            }
        }
    }
    return std::nullopt;
}

std::optional<IfdEntry> FindEntry(const ExifBlock& block, TagDictionary dictionary,
                                  std::string_view name) {
    const auto id = HashedTagId(dictionary, name);
    if (!id) {
        return std::nullopt;
    }
    auto withId = [&](std::span<const IfdEntry> entries) -> std::optional<IfdEntry> {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                         [&](const IfdEntry& entry) { return entry.tag == *id; });
        return found == entries.end() ? std::nullopt : std::optional(*found);
    };

    if (dictionary != TagDictionary::Standard) {
        const auto kind = static_cast<MakerNoteKind>(static_cast<int>(dictionary));
        const auto place =
            kind == block.MakerNoteLayout() ? block.MakerNoteIfd() : FindMakerNoteIfd(block, kind);
        if (!place) {
            return std::nullopt;
        }
        return withId(IfdEntriesAt(block.View().InOrder(place->order), place->offset));
    }
    return withId(block.StandardEntries());
}

std::optional<TagValue> EntryValue(const ExifBlock& block, const IfdEntry& entry, ValuePart part) {
    auto integer = [](std::optional<std::uint32_t> value) -> std::optional<TagValue> {
        return value ? std::optional<TagValue>(std::int64_t{*value}) : std::nullopt;
    };
    switch (entry.type) {
    case kByte:
    case kSByte:
        return std::int64_t{ByteValuesField(block, entry) & 0xFF};
    case kAscii: {
        // Read as this program's CP932, also where another program wrote UTF-8.
        const auto text = TextValue(block, entry);
        return text ? std::optional<TagValue>(
                          platform::ForeignTextToCp932(std::get<std::string>(*text)))
                    : std::nullopt;
    }
    case kShort:
        return integer(LastOf(block, entry, 2));
    case kSShort: {
        const auto value = LastOf(block, entry, 2);
        return value ? std::optional<TagValue>(std::int64_t{static_cast<std::int16_t>(*value)})
                     : std::nullopt;
    }
    case kLong:
        return integer(LastOf(block, entry, 4));
    case kSLong: {
        const auto value = LastOf(block, entry, 4);
        return value ? std::optional<TagValue>(std::int64_t{static_cast<std::int32_t>(*value)})
                     : std::nullopt;
    }
    case kRational:
        return RationalPart(block, entry, part, false);
    case kSRational:
        return RationalPart(block, entry, part, true);
    case kUndefined:
        if (part == ValuePart::Second) {
            return TextValue(block, entry);
        }
        return std::int64_t{ByteValuesField(block, entry)};
    default:
        return std::int64_t{entry.value};
    }
}

MakerNoteKind GetMakerNoteKind(const ExifBlock& block) {
    return block.MakerNoteLayout();
}

std::optional<std::uint16_t> InlineShort(const ExifBlock& block, const IfdEntry& entry, int n) {
    return block.View(entry).U16(std::uint64_t{entry.position} + kValueField + 2u * n);
}

std::uint32_t ByteValuesField(const ExifBlock& block, const IfdEntry& entry) {
    if (entry.count > 4) {
        return entry.value;
    }
    return block.View(entry)
        .InOrder(ByteOrder::LittleEndian)
        .U32(std::uint64_t{entry.position} + kValueField)
        .value_or(0);
}

std::string TagValueText(const TagValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return std::to_string(std::get<std::int64_t>(value));
}

} // namespace exif
