#include "exif/jpeg_transform.h"

#include "exif/byte_view.h"

#include <array>
#include <memory>
#include <turbojpeg.h>

namespace exif {
namespace {

// In the order of PixelTransform.
constexpr std::array<int, 8> kOperations = {TJXOP_NONE,       TJXOP_HFLIP,     TJXOP_ROT180,
                                            TJXOP_VFLIP,      TJXOP_TRANSPOSE, TJXOP_ROT90,
                                            TJXOP_TRANSVERSE, TJXOP_ROT270};

struct HandleCloser {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

struct BufferFreer {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

bool MovesRightEdge(PixelTransform transform) {
    return transform == PixelTransform::MirrorHorizontal ||
           transform == PixelTransform::Rotate180 || transform == PixelTransform::Transverse ||
           transform == PixelTransform::Rotate270;
}

bool MovesBottomEdge(PixelTransform transform) {
    return transform == PixelTransform::MirrorVertical || transform == PixelTransform::Rotate180 ||
           transform == PixelTransform::Transverse || transform == PixelTransform::Rotate90;
}

bool IsHeaderMarker(std::uint8_t code) {
    constexpr std::uint8_t kApp0 = 0xE0;
    constexpr std::uint8_t kApp15 = 0xEF;
    constexpr std::uint8_t kComment = 0xFE;
    return (code >= kApp0 && code <= kApp15) || code == kComment;
}

} // namespace

std::optional<JpegFrame> ReadJpegFrame(std::span<const std::uint8_t> jpeg) {
    const Handle handle(tjInitDecompress());
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colours = 0;
    if (!handle ||
        tjDecompressHeader3(handle.get(), jpeg.data(), static_cast<unsigned long>(jpeg.size()),
                            &width, &height, &subsampling, &colours) != 0 ||
        subsampling < 0 || subsampling >= TJ_NUMSAMP || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    return JpegFrame{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                     static_cast<std::uint32_t>(tjMCUWidth[subsampling]),
                     static_cast<std::uint32_t>(tjMCUHeight[subsampling])};
}

bool TrimsEdges(const JpegFrame& frame, PixelTransform transform) {
    return (MovesRightEdge(transform) && frame.width % frame.mcuWidth != 0) ||
           (MovesBottomEdge(transform) && frame.height % frame.mcuHeight != 0);
}

TransformedJpeg TransformJpeg(std::span<const std::uint8_t> jpeg, PixelTransform transform,
                              PartialBlocks edges, bool progressive) {
    const Handle handle(tjInitTransform());
    if (!handle) {
        return {{}, "libjpeg-turbo cannot start a transform"};
    }
    tjtransform operation{};
    operation.op = kOperations[static_cast<std::size_t>(transform)];
    operation.options = TJXOPT_COPYNONE |
                        (edges == PartialBlocks::Trim ? TJXOPT_TRIM : TJXOPT_PERFECT) |
                        (progressive ? TJXOPT_PROGRESSIVE : 0);
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    const int status =
        tjTransform(handle.get(), jpeg.data(), static_cast<unsigned long>(jpeg.size()), 1, &output,
                    &outputSize, &operation, TJFLAG_STOPONWARNING);
    const std::unique_ptr<unsigned char, BufferFreer> owned(output);
    if (status != 0 || !output) {
        return {{}, tjGetErrorStr2(handle.get())};
    }
    return {std::vector<std::uint8_t>(output, output + outputSize), {}};
}

std::span<const std::uint8_t> TablesAndScan(std::span<const std::uint8_t> jpeg) {
    // SOI, then segments: 0xFF, the code, a big-endian length counting itself.
    const ByteView view(jpeg, ByteOrder::BigEndian);
    std::uint64_t at = 2;
    while (true) {
        const auto mark = view.U8(at);
        const auto code = view.U8(at + 1);
        if (!mark || !code || *mark != 0xFF) {
            return {};
        }
        if (!IsHeaderMarker(*code)) {
            return jpeg.subspan(at);
        }
        const auto length = view.U16(at + 2);
        if (!length) {
            return {};
        }
        at += 2 + *length;
    }
}

} // namespace exif
