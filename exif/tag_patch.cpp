// In-place patches of single values: WriteTagText and WriteTagShort.

#include "exif/exif_writer.h"
#include "exif/exif_writer_segments.h"
#include "platform/codepage.h"
#include "platform/patch_file.h"

#include <algorithm>
#include <array>
#include <vector>

namespace exif {
namespace {

constexpr std::uint64_t kValueFieldOffset = 8; // inside the 12-byte entry
constexpr std::uint32_t kInlineBytes = 4;

// The text cut to at most `room` bytes without splitting a double-byte character, then
// zero-padded to exactly `room` bytes.
std::vector<std::uint8_t> FittedText(std::string_view text, std::size_t room) {
    std::vector<std::uint8_t> bytes(room, 0);
    std::copy_n(text.begin(), platform::Cp932FittedLength(text, room), bytes.begin());
    return bytes;
}

bool IsTextType(std::uint16_t type) {
    return type == kAscii || type == kUndefined;
}

bool IsWholeNumberType(std::uint16_t type) {
    return type == kShort || type == kLong || type == kSShort || type == kSLong;
}

// A value field holding one whole number in the file's byte order: a 16-bit type holds it in
// its first two bytes, a 32-bit type in all four (zero-extended); the rest stays zero.
std::array<std::uint8_t, kInlineBytes> ValueField(std::uint16_t type, std::uint16_t value,
                                                   ByteOrder order) {
    const bool wide = type == kLong || type == kSLong;
    const bool bigEndian = order == ByteOrder::BigEndian;
    const auto high = static_cast<std::uint8_t>(value >> 8);
    const auto low = static_cast<std::uint8_t>(value & 0xFF);
    std::array<std::uint8_t, kInlineBytes> field{};
    const std::size_t at = wide && bigEndian ? 2 : 0;
    field[at] = bigEndian ? high : low;
    field[at + 1] = bigEndian ? low : high;
    return field;
}

} // namespace

bool WriteTagText(const std::filesystem::path& path, std::string_view name, std::string_view text) {
    platform::PatchFile file(path);
    const auto block = LoadExifBlock(file);
    if (!block) {
        return false;
    }
    const auto entry = FindEntry(*block, TagDictionary::Standard, name);
    if (!entry || !IsTextType(entry->type) || entry->count == 0) {
        return false;
    }
    const std::uint64_t valueOffset =
        entry->count <= kInlineBytes ? entry->position + kValueFieldOffset : entry->value;
    // A count the file cannot hold is not worth a buffer of its size.
    if (!block->View().Contains(valueOffset, entry->count)) {
        return false;
    }
    return PatchExifData(file, *block, valueOffset, entry->count,
                         FittedText(text, entry->count - 1));
}

bool WriteTagShort(const std::filesystem::path& path, std::string_view name, std::uint16_t value) {
    platform::PatchFile file(path);
    const auto block = LoadExifBlock(file);
    if (!block) {
        return false;
    }
    const auto entry = FindEntry(*block, TagDictionary::Standard, name);
    if (!entry || !IsWholeNumberType(entry->type) || entry->count != 1) {
        return false;
    }
    const std::uint64_t fieldOffset = entry->position + kValueFieldOffset;
    return PatchExifData(file, *block, fieldOffset, kInlineBytes,
                         ValueField(entry->type, value, block->View().Order()));
}

} // namespace exif
