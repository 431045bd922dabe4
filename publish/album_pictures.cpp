#include "publish/album_pictures.h"

#include "exif/imaging.h"
#include "exif/imaging_resample.h"
#include "platform/safe_replace.h"

#include <algorithm>
#include <span>

namespace publish {
namespace {

// The height of a picture of the given width with the full picture's aspect; 0 when there is
// none, as the black canvas of the imaging library would have no rows.
std::uint32_t HeightFor(exif::PictureSize full, std::uint32_t width) {
    if (full.width == 0) {
        return 0;
    }
    const std::uint64_t height = std::uint64_t{width} * full.height / full.width;
    return height > UINT32_MAX ? 0 : static_cast<std::uint32_t>(height);
}

std::optional<std::vector<std::uint8_t>> EncodeAt(const exif::Image& picture,
                                                  exif::PictureSize full, std::uint32_t width) {
    const std::uint32_t height = HeightFor(full, width);
    if (width == 0 || height == 0) {
        return std::nullopt;
    }
    if (picture.Width() == width && picture.Height() == height) {
        return exif::EncodeJpeg(picture);
    }
    return exif::EncodeJpeg(exif::Resample(picture, width, height));
}

void Write(const std::filesystem::path& destination, const std::vector<std::uint8_t>& bytes) {
    platform::FileReplacement output(destination);
    output.Write(bytes);
    output.Commit(std::nullopt);
}

} // namespace

AlbumPictures::AlbumPictures(std::uint32_t standardWidth, std::uint32_t thumbnailWidth)
    : standardWidth_(standardWidth), thumbnailWidth_(thumbnailWidth) {}

std::optional<AlbumPictures::Decoded> AlbumPictures::Decode(const std::filesystem::path& source) {
    const std::uint32_t width = std::max(standardWidth_, thumbnailWidth_);
    if (const auto full = decoder_.Open(source)) {
        auto picture = decoder_.Decode({width, HeightFor(*full, width)});
        if (!picture) {
            return std::nullopt;
        }
        return Decoded{std::move(*picture), *full};
    }
    // Not a JPEG: the imaging library's other formats, decoded whole.
    auto picture = exif::ExifLoadUprightImage(source);
    if (!picture) {
        return std::nullopt;
    }
    const exif::PictureSize full{picture->Width(), picture->Height()};
    return Decoded{std::move(*picture), full};
}

AlbumPictures::Encoded AlbumPictures::Render(const std::filesystem::path& source, bool standard,
                                             bool thumbnail) {
    const std::optional<Decoded> decoded = Decode(source);
    if (!decoded) {
        return {};
    }
    Encoded encoded;
    if (standard) {
        encoded.standard = EncodeAt(decoded->picture, decoded->full, standardWidth_);
    }
    if (thumbnail) {
        encoded.thumbnail = EncodeAt(decoded->picture, decoded->full, thumbnailWidth_);
    }
    return encoded;
}

bool AlbumPictures::MakeStandard(const std::filesystem::path& source,
                                 const std::filesystem::path& destination, bool keepThumbnail) {
    kept_.erase(source);
    Encoded encoded = Render(source, true, keepThumbnail);
    if (encoded.thumbnail) {
        kept_[source] = std::move(*encoded.thumbnail);
    }
    if (!encoded.standard) {
        return false;
    }
    Write(destination, *encoded.standard);
    return true;
}

bool AlbumPictures::MakeThumbnail(const std::filesystem::path& source,
                                  const std::filesystem::path& destination) {
    if (const auto kept = kept_.find(source); kept != kept_.end()) {
        const std::vector<std::uint8_t> bytes = std::move(kept->second);
        kept_.erase(kept);
        Write(destination, bytes);
        return true;
    }
    const Encoded encoded = Render(source, false, true);
    if (!encoded.thumbnail) {
        return false;
    }
    Write(destination, *encoded.thumbnail);
    return true;
}

} // namespace publish
