#pragma once

// The libjpeg-turbo boundary of lossless turns: the DCT coefficients of a JPEG are moved to
// their new places and coded again, never decoded to pixels, so a turn loses nothing. Blocks
// of one MCU (8 or 16 pixels) move whole: a picture whose size is not a multiple of the MCU has
// partial blocks at its right or bottom edge, which a transform that moves that edge cannot
// keep in place; they are trimmed, as every lossless tool does.

#include "exif/orientation.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace exif {

// What the frame header of a JPEG says, as far as a lossless transform needs it.
struct JpegFrame {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t mcuWidth = 8;
    std::uint32_t mcuHeight = 8;
};

// Nothing when libjpeg-turbo does not read the bytes as a JPEG.
[[nodiscard]] std::optional<JpegFrame> ReadJpegFrame(std::span<const std::uint8_t> jpeg);

// True when the transform moves an edge that ends in partial blocks, which are then trimmed.
[[nodiscard]] bool TrimsEdges(const JpegFrame& frame, PixelTransform transform);

enum class PartialBlocks {
    Trim, // dropped where the transform moves them
    Keep, // the transform fails instead of dropping them
};

struct TransformedJpeg {
    std::vector<std::uint8_t> bytes; // the new JPEG; empty when the transform failed
    std::string error;               // libjpeg-turbo's reason when it failed
};

// The JPEG with the transform done to its coefficients, without any of its APPn and COM
// segments (libjpeg-turbo writes a JFIF or Adobe header of its own), progressive when asked.
// A warning (data cut short, say) counts as a failure: a turn must not lose a picture's end.
[[nodiscard]] TransformedJpeg TransformJpeg(std::span<const std::uint8_t> jpeg,
                                            PixelTransform transform, PartialBlocks edges,
                                            bool progressive);

// The tables, frame and scan of a JPEG: everything from its first segment that is neither APPn
// nor COM on. Empty when the segments end before one.
[[nodiscard]] std::span<const std::uint8_t> TablesAndScan(std::span<const std::uint8_t> jpeg);

} // namespace exif
