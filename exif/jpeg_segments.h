#pragma once

// The segments of a JPEG file between SOI and the start of scan, read header by header. Each is
// a marker (0xFF and a code; 0xFF fill bytes may precede it), a big-endian length that counts
// itself, then length - 2 bytes. Cameras put the APP1 "Exif" segment first; editors put APP0
// JFIF, APP2 ICC profiles, APP13 or XMP ahead of it, so nothing may assume where it lies.

#include "platform/input_file.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace exif {

inline constexpr std::uint16_t kApp0Marker = 0xFFE0;
inline constexpr std::uint16_t kApp1Marker = 0xFFE1;

// What a segment holds, as far as the writer must tell segments apart.
enum class SegmentKind : std::uint8_t {
    Exif,       // APP1 "Exif": the TIFF data 6 bytes into the segment's data
    Xmp,        // APP1 of Adobe's XMP namespace (also the extended XMP parts)
    Jfif,       // APP0 "JFIF"
    IccProfile, // APP2 "ICC_PROFILE"
    Adobe,      // APP14 "Adobe": the colour transform decoders need
    Other,
};

struct JpegSegment {
    std::uint64_t position = 0; // of the marker's 0xFF
    std::uint16_t marker = 0;
    std::uint16_t length = 0; // at least 2
    SegmentKind kind = SegmentKind::Other;

    [[nodiscard]] std::uint64_t DataStart() const { return position + 4; }
    [[nodiscard]] std::uint64_t End() const { return position + 2 + length; }
};

// Walks the segments one at a time, reading only their headers. `head` may hold the file's
// first bytes when the caller has read them already: headers inside it cost no read.
class JpegSegmentWalk {
public:
    explicit JpegSegmentWalk(const platform::InputFile& file,
                             std::span<const std::uint8_t> head = {});

    // The next segment; nothing at the start of scan, at the end of the file, and where the
    // bytes are not a segment header (then the walk is over too).
    [[nodiscard]] std::optional<JpegSegment> Next();

    // Where the start-of-scan marker lies, once Next has come to it.
    [[nodiscard]] std::optional<std::uint64_t> ScanStart() const { return scanStart_; }

private:
    [[nodiscard]] std::vector<std::uint8_t> HeaderAt(std::uint64_t position) const;

    const platform::InputFile& file_;
    std::span<const std::uint8_t> head_;
    std::uint64_t position_ = 2;
    bool ended_ = false;
    std::optional<std::uint64_t> scanStart_;
};

// Every segment up to the start of scan, and where the scan starts: the picture data, copied
// byte for byte by every rewrite.
struct JpegLayout {
    std::vector<JpegSegment> segments;
    std::uint64_t scanStart = 0;
};

// Throws platform::FileError naming the file when it does not start with SOI or its segments
// do not lead whole to a start of scan.
[[nodiscard]] JpegLayout ReadJpegLayout(const platform::InputFile& file);

// The first APP1 "Exif" segment, which the file must hold whole; nothing when there is none.
[[nodiscard]] std::optional<JpegSegment> FindExifSegment(const platform::InputFile& file);

} // namespace exif
