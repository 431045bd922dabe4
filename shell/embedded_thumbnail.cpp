#include "shell/embedded_thumbnail.h"

#include "exif/file_probes.h"
#include "platform/input_file.h"

#include <string_view>
#include <system_error>

namespace shell {
namespace {

// A JPEG file: 2 bytes SOI, 2 bytes APP1 marker, 2 bytes length, "Exif" and two zero bytes,
// then the TIFF header at 12.
constexpr std::uint64_t kJpegTiffBase = 12;
constexpr std::uint32_t kSoiBytes = 2;

struct ThumbnailPlace {
    std::uint32_t start = 0; // block offset of the thumbnail's SOI
    std::uint32_t length = 0;
};

std::optional<std::uint32_t> UnsignedTag(const exif::ExifBlock& block, std::string_view name) {
    const auto entry = exif::FindEntry(block, exif::TagDictionary::Standard, name);
    if (!entry) {
        return std::nullopt;
    }
    const auto value = exif::EntryValue(block, *entry, exif::ValuePart::First);
    if (!value || !std::holds_alternative<std::int64_t>(*value)) {
        return std::nullopt;
    }
    const std::int64_t number = std::get<std::int64_t>(*value);
    if (number < 0 || number > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(number);
}

std::optional<ThumbnailPlace> FindThumbnail(const exif::ExifBlock& block) {
    auto start = UnsignedTag(block, "JPEGInterchangeFormat");
    auto length = UnsignedTag(block, "JPEGInterchangeFormatLength");
    const exif::MakerNoteKind kind = exif::GetMakerNoteKind(block);
    if ((!start || !length) && kind != exif::MakerNoteKind::None) {
        const auto dictionary = static_cast<exif::TagDictionary>(static_cast<int>(kind));
        if (const auto entry = exif::FindEntry(block, dictionary, "ThumbnailImage")) {
            start = start ? start : entry->value;
            length = length ? length : entry->count;
        }
    }
    if (!start || !length || *start == 0 || *length < kSoiBytes || *length > kMaxThumbnailBytes) {
        return std::nullopt;
    }
    return ThumbnailPlace{*start, *length};
}

bool StartsWithSoi(const std::vector<std::uint8_t>& bytes) {
    return bytes[0] == 0xFF && bytes[1] == 0xD8;
}

// A camera's thumbnail lies inside the EXIF segment, which the block already holds: it is
// taken from there when the file itself reaches that far (behind the file's end the block
// holds zeros, not file bytes). None when the block does not settle it.
std::optional<std::vector<std::uint8_t>> HeldInBlock(const exif::ExifBlock& block,
                                                     ThumbnailPlace place,
                                                     const std::filesystem::path& path,
                                                     std::uint64_t tiffBase) {
    const std::uint64_t end = std::uint64_t{place.start} + place.length;
    if (end > block.Bytes().size()) {
        return std::nullopt;
    }
    std::uint64_t fileSize = 0;
    if (block.File()) {
        fileSize = block.File()->size;
    } else {
        std::error_code error;
        fileSize = std::filesystem::file_size(path, error);
        if (error) {
            return std::nullopt;
        }
    }
    if (tiffBase + end > fileSize) {
        return std::nullopt;
    }
    const auto held = block.Bytes().subspan(place.start, place.length);
    return std::vector<std::uint8_t>(held.begin(), held.end());
}

} // namespace

std::optional<std::vector<std::uint8_t>> ReadEmbeddedThumbnail(const exif::ExifBlock& block,
                                                               const std::filesystem::path& path) {
    const auto place = FindThumbnail(block);
    if (!place) {
        return std::nullopt;
    }
    const std::uint64_t tiffBase = exif::IsJpegName(path) ? kJpegTiffBase : 0;
    if (auto held = HeldInBlock(block, *place, path, tiffBase)) {
        return StartsWithSoi(*held) ? held : std::nullopt;
    }
    const platform::InputFile input(path);
    const std::uint64_t start = tiffBase + place->start;
    const std::uint64_t size = input.Size();
    if (start > size || place->length > size - start) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes = input.ReadAt(start, place->length);
    if (bytes.size() != place->length || !StartsWithSoi(bytes)) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace shell
