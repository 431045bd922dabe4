#include "shell/list_icon_pictures.h"

#include "exif/imaging_resample.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace shell {
namespace {

bool HasSize(const exif::Image& picture, exif::PictureSize size) {
    return picture.Width() == size.width && picture.Height() == size.height;
}

// Block means are summed in 16 bits: 16 x 16 pixels of 255 and the rounding half still fit.
constexpr std::uint32_t kMaxBlockShift = 4;

// Each target pixel the rounded mean of its block of 2^shift x 2^shift source pixels: the area
// average exif::Resample makes for such a ratio, in one pass of plain sums.
exif::Image BoxReduced(const exif::Image& picture, std::uint32_t shift) {
    const std::uint32_t factor = 1u << shift;
    const std::uint32_t width = picture.Width() >> shift;
    const std::uint32_t height = picture.Height() >> shift;
    const auto half = static_cast<std::uint16_t>((factor * factor) / 2);
    std::vector<std::uint8_t> rgb(std::size_t{width} * 3 * height);
    const std::size_t sourceRowBytes = std::size_t{picture.Width()} * 3;
    std::vector<std::uint16_t> sums(sourceRowBytes);
    std::uint8_t* target = rgb.data();
    for (std::uint32_t y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        std::uint16_t* sum = sums.data();
        for (std::uint32_t row = 0; row < factor; ++row) {
            const std::uint8_t* source = picture.Row((y << shift) + row).data();
            for (std::size_t i = 0; i < sourceRowBytes; ++i) {
                sum[i] = static_cast<std::uint16_t>(sum[i] + source[i]);
            }
        }
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint16_t red = half;
            std::uint16_t green = half;
            std::uint16_t blue = half;
            for (std::uint32_t column = 0; column < factor; ++column, sum += 3) {
                red = static_cast<std::uint16_t>(red + sum[0]);
                green = static_cast<std::uint16_t>(green + sum[1]);
                blue = static_cast<std::uint16_t>(blue + sum[2]);
            }
            *target++ = static_cast<std::uint8_t>(red >> (2 * shift));
            *target++ = static_cast<std::uint8_t>(green >> (2 * shift));
            *target++ = static_cast<std::uint8_t>(blue >> (2 * shift));
        }
    }
    return exif::Image(width, height, std::move(rgb));
}

// The exponent of a power-of-two ratio between the sizes, up to kMaxBlockShift; none for any
// other ratio.
std::optional<std::uint32_t> PowerOfTwoRatio(const exif::Image& picture, exif::PictureSize size) {
    for (std::uint32_t shift = 1; shift <= kMaxBlockShift; ++shift) {
        if (HasSize(picture, {size.width << shift, size.height << shift})) {
            return shift;
        }
    }
    return std::nullopt;
}

// A picture of the size made from the picture: a copy when it has that size, block means for a
// power-of-two ratio, otherwise resampled.
exif::Image SizedCopy(const exif::Image& picture, exif::PictureSize size) {
    if (HasSize(picture, size)) {
        return picture;
    }
    if (const auto shift = PowerOfTwoRatio(picture, size)) {
        return BoxReduced(picture, *shift);
    }
    return exif::Resample(picture, size.width, size.height);
}

} // namespace

exif::PictureSize LargeIconPicture(bool listThumbSize) {
    return listThumbSize ? exif::PictureSize{80, 60} : exif::PictureSize{160, 120};
}

std::optional<IconPictures> DecodeIconPictures(std::span<const std::uint8_t> jpeg,
                                               exif::PictureSize large) {
    if (large.width == 0 || large.height == 0) {
        return std::nullopt;
    }
    exif::JpegDecoder decoder;
    if (!decoder.Open(jpeg)) {
        return std::nullopt;
    }
    std::optional<exif::Image> decoded = decoder.Decode(large);
    if (!decoded) {
        return std::nullopt;
    }
    exif::Image small = SizedCopy(*decoded, kSmallIconPicture);
    if (HasSize(*decoded, large)) {
        return IconPictures{std::move(small), std::move(*decoded)};
    }
    return IconPictures{std::move(small), SizedCopy(*decoded, large)};
}

} // namespace shell
