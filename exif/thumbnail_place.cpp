#include "exif/thumbnail_place.h"

#include <variant>

namespace exif {
namespace {

constexpr std::uint64_t kSoiBytes = 2;

std::optional<std::uint64_t> UnsignedTag(const ExifBlock& block, std::string_view name) {
    const auto entry = FindEntry(block, TagDictionary::Standard, name);
    const auto value = entry ? EntryValue(block, *entry, ValuePart::First) : std::nullopt;
    if (!value || !std::holds_alternative<std::int64_t>(*value) ||
        std::get<std::int64_t>(*value) < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(std::get<std::int64_t>(*value));
}

} // namespace

std::optional<ThumbnailPlace> FindThumbnail(const ExifBlock& block) {
    auto start = UnsignedTag(block, "JPEGInterchangeFormat");
    auto length = UnsignedTag(block, "JPEGInterchangeFormatLength");
    const MakerNoteKind kind = GetMakerNoteKind(block);
    if ((!start || !length) && kind != MakerNoteKind::None) {
        const auto dictionary = static_cast<TagDictionary>(static_cast<int>(kind));
        if (const auto entry = FindEntry(block, dictionary, "ThumbnailImage")) {
            start = start ? start : entry->value;
            length = length ? length : entry->count;
        }
    }
    if (!start || !length || *start == 0 || *length < kSoiBytes) {
        return std::nullopt;
    }
    return ThumbnailPlace{*start, *length};
}

} // namespace exif
