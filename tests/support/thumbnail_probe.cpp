#include "tests/support/thumbnail_probe.h"

#include "exif/exif_block.h"
#include "exif/thumbnail_place.h"

namespace fixture {

std::optional<exif::PictureSize> EmbeddedThumbnailSize(const std::filesystem::path& file) {
    const auto block = exif::LoadExifBlock(file);
    const auto place = block ? exif::FindThumbnail(*block) : std::nullopt;
    if (!place || place->start + place->length > block->Bytes().size()) {
        return std::nullopt;
    }
    exif::JpegDecoder decoder;
    return decoder.Open(block->Bytes().subspan(place->start, place->length));
}

} // namespace fixture
