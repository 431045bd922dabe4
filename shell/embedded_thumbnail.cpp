#include "shell/embedded_thumbnail.h"

#include "exif/thumbnail_place.h"
#include "platform/input_file.h"

#include <string_view>
#include <system_error>

namespace shell {
namespace {

bool StartsWithSoi(const std::vector<std::uint8_t>& bytes) {
    return bytes[0] == 0xFF && bytes[1] == 0xD8;
}

// A camera's thumbnail lies inside the EXIF segment, which the block already holds: it is
// taken from there when the file itself reaches that far (behind the file's end the block
// holds zeros, not file bytes). None when the block does not settle it.
std::optional<std::vector<std::uint8_t>> HeldInBlock(const exif::ExifBlock& block,
                                                     exif::ThumbnailPlace place,
                                                     const std::filesystem::path& path,
                                                     std::uint64_t tiffBase) {
    const std::uint64_t end = place.start + place.length;
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
    const auto place = exif::FindThumbnail(block);
    if (!place || place->length > kMaxThumbnailBytes) {
        return std::nullopt;
    }
    const std::uint64_t tiffBase = block.File() ? block.File()->blockStart : 0;
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
