#include "exif/exif_block.h"

#include "exif/file_probes.h"
#include "exif/ifd_walk.h"
#include "platform/input_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace exif {
namespace {

// A JPEG is assumed to start SOI (2 bytes), APP1 marker (2), APP1 length (2, big-endian),
// "Exif" (4), two zero bytes (2): the TIFF header then lies at file offset 12.
constexpr std::uint64_t kJpegTiffBase = 12;
constexpr std::size_t kBlockSizeWithoutApp1 = 8192;
constexpr std::uint16_t kTiffVersion = 42;
// The first read of a file: enough for the block of most camera files.
constexpr std::size_t kFirstRead = 8192;

bool StartsWith(std::span<const std::uint8_t> bytes, std::uint64_t offset, std::string_view text) {
    return ByteView(bytes).Contains(offset, text.size()) &&
           std::memcmp(bytes.data() + offset, text.data(), text.size()) == 0;
}

// The block size a JPEG's first bytes give.
std::size_t BlockSize(std::span<const std::uint8_t> head) {
    const ByteView view(head);
    if (view.U16BE(0) == 0xFFD8 && StartsWith(head, 6, "Exif")) {
        // The APP1 length counts 8 bytes before the TIFF header, so up to 8 bytes after the
        // segment are read too.
        return *view.U16BE(4);
    }
    return kBlockSizeWithoutApp1;
}

// The `count` bytes of an entry's values: inside the entry when they fit in its value field,
// otherwise at the offset it holds.
std::optional<std::span<const std::uint8_t>> InlineOrAtOffset(const ExifBlock& block,
                                                              const IfdEntry& entry,
                                                              std::uint64_t length) {
    if (entry.count <= 4) {
        return block.View().Bytes(entry.position + 8, std::min<std::uint64_t>(length, 4));
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
    const ByteView bytes = block.View();
    if (entry.count == 0) {
        return std::nullopt;
    }
    if (valueSize == 2 && entry.count <= 2) {
        return entry.count == 1 ? entry.value & 0xFFFF : entry.value >> 16;
    }
    if (valueSize == 4 && entry.count == 1) {
        return entry.value;
    }
    if (!bytes.Contains(entry.value, std::uint64_t{entry.count} * valueSize)) {
        return std::nullopt;
    }
    const std::uint64_t last = entry.value + (std::uint64_t{entry.count} - 1) * valueSize;
    return valueSize == 2 ? std::optional<std::uint32_t>(*bytes.U16LE(last)) : bytes.U32LE(last);
}

std::optional<TagValue> RationalPart(const ExifBlock& block, const IfdEntry& entry,
                                     ValuePart part, bool isSigned) {
    const std::uint64_t at = entry.value + (part == ValuePart::Second ? 4 : 0);
    const auto word = block.View().U32LE(at);
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
    : bytes_(std::move(bytes)), file_(file) {
    IfdChain chain = WalkIfdChain(*this);
    for (const std::vector<IfdEntry>& entries : chain.ifds) {
        standardEntries_.insert(standardEntries_.end(), entries.begin(), entries.end());
    }
    if (chain.exifIfdOffset) {
        const std::vector<IfdEntry> entries = IfdEntriesAt(View(), *chain.exifIfdOffset);
        standardEntries_.insert(standardEntries_.end(), entries.begin(), entries.end());
    }
    makerNoteKind_ = KindFromMakeAndModel(*this);
}

std::optional<ExifBlock> LoadExifBlock(const std::filesystem::path& path) {
    const std::uint64_t tiffBase = IsJpegName(path) ? kJpegTiffBase : 0;
    const platform::InputFile file(path);

    // One read takes the segment head, the TIFF header and, for most cameras, the whole block;
    // a longer block reads its rest in a second.
    std::vector<std::uint8_t> head = file.ReadAt(0, kFirstRead);
    const auto header = std::span(head).subspan(std::min<std::size_t>(head.size(), tiffBase));
    const ByteView view(header);
    // Motorola-order ("MM") blocks are refused too: every number is read little-endian.
    if (!StartsWith(header, 0, "II") || view.U16LE(2).value_or(0) < kTiffVersion) {
        return std::nullopt;
    }

    const std::size_t size = tiffBase == kJpegTiffBase ? BlockSize(head) : kBlockSizeWithoutApp1;
    std::vector<std::uint8_t> bytes;
    if (head.size() == kFirstRead && tiffBase + size > kFirstRead) {
        bytes = file.ReadAt(tiffBase, size);
    } else {
        head.erase(head.begin(), head.begin() + static_cast<std::ptrdiff_t>(tiffBase));
        head.resize(std::min(head.size(), size));
        bytes = std::move(head);
    }
    bytes.resize(size, 0); // a short file leaves zeros behind what it held
    return ExifBlock(std::move(bytes), FileFacts{file.Size(), file.LastWrite()});
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
        const auto offset = MakerNoteIfdOffset(block, kind);
        return offset ? withId(IfdEntriesAt(block.View(), *offset)) : std::nullopt;
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
        return std::int64_t{entry.value & 0xFF};
    case kAscii:
        return TextValue(block, entry);
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
        return std::int64_t{entry.value};
    default:
        return std::int64_t{entry.value};
    }
}

MakerNoteKind GetMakerNoteKind(const ExifBlock& block) {
    return block.MakerNoteLayout();
}

std::string TagValueText(const TagValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return std::to_string(std::get<std::int64_t>(value));
}

} // namespace exif
