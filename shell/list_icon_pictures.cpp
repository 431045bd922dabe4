#include "shell/list_icon_pictures.h"

#include "exif/exif_block.h"
#include "exif/image_transform.h"
#include "exif/imaging_resample.h"
#include "exif/upright_picture.h"
#include "platform/file_error.h"
#include "shell/embedded_thumbnail.h"

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

// Each target pixel the rounded mean of its block of 2^kShift x 2^kShift source pixels: the
// area average exif::Resample makes for such a ratio, in one pass of plain sums. The block size
// is a constant so that the sums over a block's columns unroll.
template <std::uint32_t kShift> exif::Image BoxReducedBy(const exif::Image& picture) {
    static_assert(kShift >= 1 && kShift <= kMaxBlockShift);
    constexpr std::uint32_t kFactor = 1u << kShift;
    constexpr std::uint32_t kHalf = kFactor * kFactor / 2;
    const std::uint32_t width = picture.Width() >> kShift;
    const std::uint32_t height = picture.Height() >> kShift;
    std::vector<std::uint8_t> rgb(std::size_t{width} * 3 * height);
    const std::size_t sourceRowBytes = std::size_t{picture.Width()} * 3;
    std::vector<std::uint16_t> sums(sourceRowBytes);
    std::uint8_t* target = rgb.data();
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* first = picture.Row(y << kShift).data();
        for (std::size_t i = 0; i < sourceRowBytes; ++i) {
            sums[i] = first[i];
        }
        for (std::uint32_t row = 1; row < kFactor; ++row) {
            const std::uint8_t* source = picture.Row((y << kShift) + row).data();
            for (std::size_t i = 0; i < sourceRowBytes; ++i) {
                sums[i] = static_cast<std::uint16_t>(sums[i] + source[i]);
            }
        }
        const std::uint16_t* block = sums.data();
        for (std::uint32_t x = 0; x < width; ++x, block += 3 * kFactor) {
            for (std::uint32_t channel = 0; channel < 3; ++channel) {
                std::uint32_t sum = kHalf;
                for (std::uint32_t column = 0; column < kFactor; ++column) {
                    sum += block[3 * column + channel];
                }
                *target++ = static_cast<std::uint8_t>(sum >> (2 * kShift));
            }
        }
    }
    return exif::Image(width, height, std::move(rgb));
}

exif::Image BoxReduced(const exif::Image& picture, std::uint32_t shift) {
    switch (shift) {
    case 1:
        return BoxReducedBy<1>(picture);
    case 2:
        return BoxReducedBy<2>(picture);
    case 3:
        return BoxReducedBy<3>(picture);
    default: // kMaxBlockShift, the largest ratio PowerOfTwoRatio finds
        return BoxReducedBy<kMaxBlockShift>(picture);
    }
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

// The largest size with the picture's aspect inside the bounds, at least one pixel each way.
exif::PictureSize FittedSize(exif::PictureSize picture, exif::PictureSize bounds) {
    const std::uint64_t across = std::uint64_t{picture.width} * bounds.height;
    const std::uint64_t down = std::uint64_t{bounds.width} * picture.height;
    if (across >= down) {
        const std::uint64_t height = (down + picture.width / 2) / picture.width;
        return {bounds.width, static_cast<std::uint32_t>(std::max<std::uint64_t>(height, 1))};
    }
    const std::uint64_t width = (across + picture.height / 2) / picture.height;
    return {static_cast<std::uint32_t>(std::max<std::uint64_t>(width, 1)), bounds.height};
}

// The picture reduced to fit the bounds, `fitted` being its fitted size: block means where a
// side comes to the fitted one at a power-of-two ratio (the other side then drops at most its
// last odd pixels), otherwise resampled.
exif::Image ReducedToFit(const exif::Image& picture, exif::PictureSize fitted,
                         exif::PictureSize bounds) {
    for (std::uint32_t shift = 1; shift <= kMaxBlockShift; ++shift) {
        const std::uint32_t width = picture.Width() >> shift;
        const std::uint32_t height = picture.Height() >> shift;
        if (width >= 1 && height >= 1 && width <= bounds.width && height <= bounds.height &&
            (width == fitted.width || height == fitted.height)) {
            return BoxReduced(picture, shift);
        }
    }
    return exif::Resample(picture, fitted.width, fitted.height);
}

// The picture centred on white: the colour of the list's background and of the placeholder
// icon, so the bars read as the list's own margin.
exif::Image OnWhite(const exif::Image& picture, exif::PictureSize size) {
    std::vector<std::uint8_t> rgb(std::size_t{size.width} * size.height * 3, 0xFF);
    const std::size_t left = (size.width - picture.Width()) / 2;
    const std::size_t top = (size.height - picture.Height()) / 2;
    for (std::uint32_t y = 0; y < picture.Height(); ++y) {
        const auto row = picture.Row(y);
        std::copy(row.begin(), row.end(),
                  rgb.begin() + static_cast<std::ptrdiff_t>(((top + y) * size.width + left) * 3));
    }
    return exif::Image(size.width, size.height, std::move(rgb));
}

// The picture fitted inside the size with its aspect kept, centred on white.
exif::Image Letterboxed(const exif::Image& picture, exif::PictureSize size) {
    const exif::PictureSize fitted = FittedSize({picture.Width(), picture.Height()}, size);
    if (HasSize(picture, fitted)) {
        return OnWhite(picture, size);
    }
    return OnWhite(ReducedToFit(picture, fitted, size), size);
}

// Both icons of a picture shown upright in its own shape: a portrait thumbnail (one stored so,
// or one turned upright) would be squashed by stretching it to the icons' landscape rectangle.
std::optional<IconPictures> FittedIconPictures(exif::JpegDecoder& decoder,
                                               exif::PictureSize stored, exif::PictureSize large,
                                               exif::PixelTransform upright) {
    const exif::PictureSize shown = exif::TransformedSize(stored, upright);
    const exif::PictureSize fitted = FittedSize(shown, large);
    const std::optional<exif::Image> decoded =
        decoder.Decode(exif::TransformedSize(fitted, upright));
    if (!decoded) {
        return std::nullopt;
    }
    const exif::Image turned = exif::Transformed(*decoded, upright);
    return IconPictures{Letterboxed(turned, kSmallIconPicture), Letterboxed(turned, large)};
}

// Both icons stretched to their rectangles, as the camera's landscape thumbnails fill them.
IconPictures StretchedIconPictures(exif::Image decoded, exif::PictureSize large) {
    exif::Image small = SizedCopy(decoded, kSmallIconPicture);
    if (HasSize(decoded, large)) {
        return IconPictures{std::move(small), std::move(decoded)};
    }
    return IconPictures{std::move(small), SizedCopy(decoded, large)};
}

} // namespace

exif::PictureSize LargeIconPicture(bool listThumbSize) {
    return listThumbSize ? exif::PictureSize{80, 60} : exif::PictureSize{160, 120};
}

std::optional<IconPictures> DecodeIconPictures(std::span<const std::uint8_t> jpeg,
                                               exif::PictureSize large,
                                               exif::PixelTransform upright) {
    if (large.width == 0 || large.height == 0) {
        return std::nullopt;
    }
    exif::JpegDecoder decoder;
    const std::optional<exif::PictureSize> stored = decoder.Open(jpeg);
    if (!stored) {
        return std::nullopt;
    }
    const exif::PictureSize shown = exif::TransformedSize(*stored, upright);
    if (shown.height > shown.width) {
        return FittedIconPictures(decoder, *stored, large, upright);
    }
    std::optional<exif::Image> decoded = decoder.Decode(large);
    if (!decoded) {
        return std::nullopt;
    }
    if (upright != exif::PixelTransform::None) {
        decoded = exif::Transformed(*decoded, upright);
    }
    return StretchedIconPictures(std::move(*decoded), large);
}

std::optional<IconPictures> ReadIconPictures(const std::filesystem::path& file,
                                             exif::PictureSize large) {
    std::optional<std::vector<std::uint8_t>> thumbnail;
    exif::PixelTransform upright = exif::PixelTransform::None;
    try {
        const std::optional<exif::ExifBlock> block = exif::LoadExifBlock(file);
        if (block) {
            thumbnail = ReadEmbeddedThumbnail(*block, file);
            upright = exif::UprightTransform(*block);
        }
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
    if (!thumbnail) {
        return std::nullopt;
    }
    return DecodeIconPictures(*thumbnail, large, upright);
}

} // namespace shell
