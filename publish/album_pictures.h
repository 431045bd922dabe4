#pragma once

// The album's pictures: a standard image and a thumbnail of each source, both of a given width
// and the source's aspect (height = width x picture height / picture width, truncated), as
// 24-bit JPEG files of quality 85, upright as the source's EXIF Orientation says (the width is
// the upright picture's). The source is decoded once for both sizes: at the scale the
// larger one needs, so a thumbnail is the same whether it was made with its standard image or
// on its own.

#include "exif/upright_picture.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

namespace publish {

class AlbumPictures {
public:
    AlbumPictures(std::uint32_t standardWidth, std::uint32_t thumbnailWidth);

    // Writes the standard image. With keepThumbnail the thumbnail is encoded from the same
    // decode and kept for MakeThumbnail. False, nothing written, when the source is not a
    // picture this program reads or a size comes to 0. Throws platform::FileError when the
    // destination cannot be written.
    bool MakeStandard(const std::filesystem::path& source, const std::filesystem::path& destination,
                      bool keepThumbnail);

    // Writes the thumbnail: the one kept for this source, else one made now. As MakeStandard.
    bool MakeThumbnail(const std::filesystem::path& source,
                       const std::filesystem::path& destination);

private:
    struct Encoded {
        std::optional<std::vector<std::uint8_t>> standard;
        std::optional<std::vector<std::uint8_t>> thumbnail;
    };
    [[nodiscard]] Encoded Render(const std::filesystem::path& source, bool standard,
                                 bool thumbnail);
    struct Decoded {
        exif::Image picture; // at least as large as the larger target
        exif::PictureSize full; // upright
    };
    [[nodiscard]] std::optional<Decoded> Decode(const std::filesystem::path& source);

    std::uint32_t standardWidth_;
    std::uint32_t thumbnailWidth_;
    exif::UprightDecoder decoder_;
    std::map<std::filesystem::path, std::vector<std::uint8_t>> kept_;
};

} // namespace publish
