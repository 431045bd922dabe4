#pragma once

// Picture decoding, scaling and JPEG encoding for thumbnails, album pictures and the viewers:
// JPEG through libjpeg-turbo, TIFF through libtiff. A failure never leaves an output file.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace exif {

// A decoded picture: 8-bit RGB, rows top to bottom, no padding between rows.
class Image {
public:
    // The pixel count must match: width * height * 3 bytes.
    Image(std::uint32_t width, std::uint32_t height, std::vector<std::uint8_t> rgb);

    [[nodiscard]] std::uint32_t Width() const { return width_; }
    [[nodiscard]] std::uint32_t Height() const { return height_; }
    [[nodiscard]] std::span<const std::uint8_t> Pixels() const { return rgb_; }
    [[nodiscard]] std::span<const std::uint8_t> Row(std::uint32_t y) const {
        return std::span<const std::uint8_t>(rgb_).subspan(std::size_t{y} * width_ * 3,
                                                           std::size_t{width_} * 3);
    }

private:
    std::uint32_t width_;
    std::uint32_t height_;
    std::vector<std::uint8_t> rgb_;
};

// The whole picture of a JPEG or TIFF file, recognised by its content; nothing when the file
// cannot be read or holds another kind of picture.
[[nodiscard]] std::optional<Image> ExifLoadImage(const std::filesystem::path& path);

// Writes a width x height JPEG (24-bit, quality 85) of the source picture, stretched to the
// whole rectangle; height 0 keeps the aspect: height = width * picture height / picture width,
// truncated. False, with no file written, when the source is not a picture this can read or
// the size comes to 0. Throws platform::FileError when the destination cannot be written; the
// destination is then as it was.
[[nodiscard]] bool MakeThumbnailJpeg(const std::filesystem::path& source,
                                     const std::filesystem::path& destination, std::uint32_t width,
                                     std::uint32_t height);

} // namespace exif
