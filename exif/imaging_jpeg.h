#pragma once

// The libjpeg-turbo boundary: a decompressor kept between files that decodes no larger than
// needed, and the quality-85 encoder. libjpeg errors become empty results here.

#include "exif/imaging.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace exif {

struct PictureSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

class JpegDecoder {
public:
    JpegDecoder();
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // Opens a JPEG file and reads its header; nothing when it is not a JPEG libjpeg decodes.
    [[nodiscard]] std::optional<PictureSize> Open(const std::filesystem::path& path);

    // Decodes the opened picture at the smallest DCT scale (n/8) whose size reaches `wanted`
    // in both directions, or at full size when none does.
    [[nodiscard]] std::optional<Image> Decode(PictureSize wanted);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The picture as a baseline JPEG of quality 85 with a JFIF header; nothing when libjpeg fails.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Image& image);

} // namespace exif
