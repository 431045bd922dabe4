#include "shell/list_icon_pictures.h"

#include "exif/exif_block.h"
#include "exif/imaging_resample.h"
#include "platform/file_error.h"
#include "shell/embedded_thumbnail.h"

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

std::optional<IconPictures> ReadIconPictures(const std::filesystem::path& file,
                                             exif::PictureSize large) {
    std::optional<std::vector<std::uint8_t>> thumbnail;
    try {
        const std::optional<exif::ExifBlock> block = exif::LoadExifBlock(file);
        if (block) {
            thumbnail = ReadEmbeddedThumbnail(*block, file);
        }
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
    if (!thumbnail) {
        return std::nullopt;
    }
    return DecodeIconPictures(*thumbnail, large);
}

} // namespace shell
