#include "publish/presentation_picture.h"

#include "exif/imaging_resample.h"
#include "viewer/slide_show.h"

#include <algorithm>

namespace publish {
namespace {

// The fitted picture copied onto a black frame at its place.
exif::Image OnBlackFrame(const exif::Image& fitted, const viewer::SlidePlacement& placement) {
    const std::size_t frameWidth = kPresentationSize.width;
    std::vector<std::uint8_t> rgb(frameWidth * kPresentationSize.height * 3, 0);
    for (std::uint32_t y = 0; y < fitted.Height(); ++y) {
        const auto row = fitted.Row(y);
        const std::size_t start =
            ((static_cast<std::size_t>(placement.y) + y) * frameWidth + placement.x) * 3;
        std::copy(row.begin(), row.end(), rgb.begin() + static_cast<std::ptrdiff_t>(start));
    }
    return exif::Image(kPresentationSize.width, kPresentationSize.height, std::move(rgb));
}

} // namespace

std::optional<std::vector<std::uint8_t>> PresentationPicture(const std::filesystem::path& source,
                                                             exif::UprightDecoder& decoder) {
    const viewer::PixelSize frame{static_cast<int>(kPresentationSize.width),
                                  static_cast<int>(kPresentationSize.height)};
    const std::optional<viewer::SlidePicture> picture =
        viewer::LoadSlidePicture(source, frame, decoder);
    if (!picture) {
        return std::nullopt;
    }
    const viewer::SlidePlacement& placement = picture->placement;
    const exif::Image fitted =
        exif::Resample(picture->image, static_cast<std::uint32_t>(placement.size.width),
                       static_cast<std::uint32_t>(placement.size.height));
    return exif::EncodeJpeg(OnBlackFrame(fitted, placement));
}

} // namespace publish
