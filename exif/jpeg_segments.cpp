#include "exif/jpeg_segments.h"

#include "exif/byte_view.h"
#include "platform/file_error.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace exif {
namespace {

constexpr std::uint8_t kStartOfScan = 0xDA;
// Marker (2), length (2) and enough of the data to tell the kinds apart: the XMP namespace
// "http://ns.adobe.com/xap/1.0/" is the longest signature looked at.
constexpr std::size_t kHeaderRead = 4 + 32;

struct Signature {
    std::uint16_t marker;
    std::string_view start; // the first bytes of the segment's data
    SegmentKind kind;
};

constexpr std::array<Signature, 5> kSignatures{{
    {kApp1Marker, std::string_view("Exif", 4), SegmentKind::Exif},
    {kApp1Marker, "http://ns.adobe.com/", SegmentKind::Xmp},
    {kApp0Marker, std::string_view("JFIF\0", 5), SegmentKind::Jfif},
    {0xFFE2, std::string_view("ICC_PROFILE\0", 12), SegmentKind::IccProfile},
    {0xFFEE, "Adobe", SegmentKind::Adobe},
}};

SegmentKind KindOf(std::uint16_t marker, std::uint16_t length,
                   std::span<const std::uint8_t> header) {
    const std::span<const std::uint8_t> data =
        header.subspan(4, std::min<std::size_t>(header.size() - 4, length - 2u));
    for (const Signature& signature : kSignatures) {
        if (marker == signature.marker && data.size() >= signature.start.size() &&
            std::memcmp(data.data(), signature.start.data(), signature.start.size()) == 0) {
            return signature.kind;
        }
    }
    return SegmentKind::Other;
}

bool StartsWithSoi(const platform::InputFile& file) {
    const std::vector<std::uint8_t> soi = file.ReadAt(0, 2);
    return soi.size() == 2 && soi[0] == 0xFF && soi[1] == 0xD8;
}

} // namespace

JpegSegmentWalk::JpegSegmentWalk(const platform::InputFile& file,
                                 std::span<const std::uint8_t> head)
    : file_(file), head_(head) {
    ended_ = head.size() >= 2 ? head[0] != 0xFF || head[1] != 0xD8 : !StartsWithSoi(file);
}

std::vector<std::uint8_t> JpegSegmentWalk::HeaderAt(std::uint64_t position) const {
    if (position < head_.size()) {
        const auto length = std::min<std::uint64_t>(kHeaderRead, head_.size() - position);
        if (length == kHeaderRead || head_.size() == file_.Size()) {
            const auto from = head_.begin() + static_cast<std::ptrdiff_t>(position);
            return {from, from + static_cast<std::ptrdiff_t>(length)};
        }
    }
    return file_.ReadAt(position, kHeaderRead);
}

std::optional<JpegSegment> JpegSegmentWalk::Next() {
    while (!ended_) {
        const std::vector<std::uint8_t> header = HeaderAt(position_);
        // Fill bytes: every 0xFF that another 0xFF follows.
        std::size_t fill = 0;
        while (fill + 1 < header.size() && header[fill] == 0xFF && header[fill + 1] == 0xFF) {
            ++fill;
        }
        if (fill > 0) {
            position_ += fill;
            continue;
        }
        if (header.size() < 4 || header[0] != 0xFF) {
            break;
        }
        if (header[1] == kStartOfScan) {
            scanStart_ = position_;
            break;
        }
        const ByteView view(header, ByteOrder::BigEndian);
        const std::uint16_t marker = *view.U16(0);
        const std::uint16_t length = *view.U16(2);
        // Markers that stand alone (SOI, EOI, restarts) have no place among the segments.
        const bool standAlone = header[1] == 0x01 || (header[1] >= 0xD0 && header[1] <= 0xD9);
        if (length < 2 || standAlone || header[1] == 0x00) {
            break;
        }
        const JpegSegment segment{position_, marker, length, KindOf(marker, length, header)};
        position_ = segment.End();
        return segment;
    }
    ended_ = true;
    return std::nullopt;
}

JpegLayout ReadJpegLayout(const platform::InputFile& file) {
    JpegLayout layout;
    JpegSegmentWalk walk(file);
    while (const auto segment = walk.Next()) {
        layout.segments.push_back(*segment);
    }
    if (!walk.ScanStart() || *walk.ScanStart() > file.Size()) {
        throw platform::FileError("read the picture of", file.Path(),
                                  "its segments do not lead to the picture data");
    }
    layout.scanStart = *walk.ScanStart();
    return layout;
}

std::optional<JpegSegment> FindExifSegment(const platform::InputFile& file) {
    JpegSegmentWalk walk(file);
    while (const auto segment = walk.Next()) {
        if (segment->kind == SegmentKind::Exif && segment->End() <= file.Size()) {
            return segment;
        }
    }
    return std::nullopt;
}

} // namespace exif
