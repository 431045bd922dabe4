#include "exif/imaging_tiff.h"

#include <cstdarg>
#include <memory>
#include <tiffio.h>
#include <vector>

namespace exif {
namespace {

constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 28;

// libtiff's messages are not shown; a picture it cannot read is simply absent.
int Silence(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

std::unique_ptr<TIFF, TiffCloser> OpenQuietly(const std::filesystem::path& path) {
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetErrorHandlerExtR(options, Silence, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, Silence, nullptr);
    std::unique_ptr<TIFF, TiffCloser> tiff(TIFFOpenExt(path.c_str(), "r", options));
    TIFFOpenOptionsFree(options);
    return tiff;
}

} // namespace

std::optional<Image> LoadTiffImage(const std::filesystem::path& path) {
    const auto tiff = OpenQuietly(path);
    if (!tiff) {
        return std::nullopt;
    }
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) != 1 ||
        TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) != 1 || width == 0 || height == 0 ||
        std::uint64_t{width} * height > kMaxPixels) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> abgr(std::size_t{width} * height);
    if (TIFFReadRGBAImageOriented(tiff.get(), width, height, abgr.data(), ORIENTATION_TOPLEFT, 0) !=
        1) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> rgb(abgr.size() * 3);
    for (std::size_t i = 0; i < abgr.size(); ++i) {
        rgb[i * 3] = static_cast<std::uint8_t>(TIFFGetR(abgr[i]));
        rgb[i * 3 + 1] = static_cast<std::uint8_t>(TIFFGetG(abgr[i]));
        rgb[i * 3 + 2] = static_cast<std::uint8_t>(TIFFGetB(abgr[i]));
    }
    return Image(width, height, std::move(rgb));
}

} // namespace exif
