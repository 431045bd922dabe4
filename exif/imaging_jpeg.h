#pragma once

// The libjpeg-turbo boundary: a decompressor kept between files that decodes no larger than
// needed, and the quality-85 encoder. libjpeg errors become empty results here.

#include "exif/imaging.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
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
    // The same for a JPEG held in memory, such as an embedded thumbnail; the bytes are copied
    // into the decoder's own buffer, so they need not outlive the call.
    [[nodiscard]] std::optional<PictureSize> Open(std::span<const std::uint8_t> jpeg);

    // Decodes the opened picture at the smallest DCT scale (n/8) whose size reaches `wanted`
    // in both directions, or at full size when none does.
    [[nodiscard]] std::optional<Image> Decode(PictureSize wanted);

private:
    // Reads the header of the first `size` bytes of the input buffer.
    [[nodiscard]] std::optional<PictureSize> ReadHeader(std::size_t size);

    struct State;
    std::unique_ptr<State> state_;
};

// The picture as a baseline JPEG of quality 85 with a JFIF header; nothing when libjpeg fails.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Image& image);

// The same coefficients coded with Huffman tables made for them, which is smaller than a
// camera's standard tables and loses nothing; with a JFIF header. Nothing when libjpeg refuses
// or warns (data cut short, say).
[[nodiscard]] std::optional<std::vector<std::uint8_t>>
RecodeWithOwnTables(std::span<const std::uint8_t> jpeg);

} // namespace exif
