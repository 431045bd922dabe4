#include "exif/imaging.h"

#include "exif/imaging_jpeg.h"
#include "exif/imaging_resample.h"
#include "exif/imaging_tiff.h"
#include "platform/input_file.h"
#include "platform/safe_replace.h"

#include <stdexcept>

namespace exif {
namespace {

enum class PictureKind { Jpeg, Tiff, Other };

// The kind of picture by the file's first bytes, as the file-type probe of an imaging library
// does; a file that cannot be read is of no kind.
PictureKind KindOf(const std::filesystem::path& path) {
    std::vector<std::uint8_t> head;
    try {
        head = platform::InputFile(path).ReadAt(0, 4);
    } catch (const platform::FileError&) {
        return PictureKind::Other;
    }
    if (head.size() < 4) {
        return PictureKind::Other;
    }
    if (head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) {
        return PictureKind::Jpeg;
    }
    const bool little = head[0] == 'I' && head[1] == 'I' && head[2] == 42 && head[3] == 0;
    const bool big = head[0] == 'M' && head[1] == 'M' && head[2] == 0 && head[3] == 42;
    return little || big ? PictureKind::Tiff : PictureKind::Other;
}

// One decompressor per thread, kept between files.
JpegDecoder& SharedDecoder() {
    thread_local JpegDecoder decoder;
    return decoder;
}

// Height 0 asks for the picture's aspect, truncating like integer division.
std::uint64_t TargetHeight(PictureSize full, std::uint32_t width, std::uint32_t height) {
    if (height != 0) {
        return height;
    }
    return full.width == 0 ? 0 : std::uint64_t{width} * full.height / full.width;
}

struct Scaled {
    Image picture;
    std::uint32_t height;
};

// The picture decoded no larger than the target needs, with the target height resolved.
std::optional<Scaled> LoadForTarget(const std::filesystem::path& source, std::uint32_t width,
                                    std::uint32_t height) {
    const PictureKind kind = KindOf(source);
    std::optional<Image> picture;
    std::uint64_t targetHeight = 0;
    if (kind == PictureKind::Jpeg) {
        JpegDecoder& decoder = SharedDecoder();
        const auto full = decoder.Open(source);
        if (!full) {
            return std::nullopt;
        }
        targetHeight = TargetHeight(*full, width, height);
        if (targetHeight == 0 || targetHeight > UINT32_MAX) {
            return std::nullopt;
        }
        picture = decoder.Decode({width, static_cast<std::uint32_t>(targetHeight)});
    } else if (kind == PictureKind::Tiff) {
        picture = LoadTiffImage(source);
        if (picture) {
            targetHeight = TargetHeight({picture->Width(), picture->Height()}, width, height);
        }
    }
    if (!picture || targetHeight == 0 || targetHeight > UINT32_MAX) {
        return std::nullopt;
    }
    return Scaled{std::move(*picture), static_cast<std::uint32_t>(targetHeight)};
}

} // namespace

Image::Image(std::uint32_t width, std::uint32_t height, std::vector<std::uint8_t> rgb)
    : width_(width), height_(height), rgb_(std::move(rgb)) {
    if (rgb_.size() != std::size_t{width} * height * 3) {
        throw std::invalid_argument("picture bytes do not match its size");
    }
}

std::optional<Image> ExifLoadImage(const std::filesystem::path& path) {
    switch (KindOf(path)) {
    case PictureKind::Jpeg: {
        JpegDecoder& decoder = SharedDecoder();
        if (!decoder.Open(path)) {
            return std::nullopt;
        }
        return decoder.Decode({UINT32_MAX, UINT32_MAX});
    }
    case PictureKind::Tiff:
        return LoadTiffImage(path);
    case PictureKind::Other:
        break;
    }
    return std::nullopt;
}

bool MakeThumbnailJpeg(const std::filesystem::path& source,
                       const std::filesystem::path& destination, std::uint32_t width,
                       std::uint32_t height) {
    if (width == 0) {
        return false;
    }
    const auto scaled = LoadForTarget(source, width, height);
    if (!scaled) {
        return false;
    }
    const bool exact =
        scaled->picture.Width() == width && scaled->picture.Height() == scaled->height;
    const auto encoded =
        EncodeJpeg(exact ? scaled->picture : Resample(scaled->picture, width, scaled->height));
    if (!encoded) {
        return false;
    }
    platform::FileReplacement output(destination);
    output.Write(*encoded);
    output.Commit(std::nullopt);
    return true;
}

} // namespace exif
