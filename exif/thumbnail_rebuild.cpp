// RebuildWithExif: the APP1 segment of one file in front of the body of another, with a renewed
// thumbnail, the picture's size and dates.

#include "exif/exif_writer.h"
#include "exif/exif_writer_segments.h"
#include "exif/file_probes.h"
#include "exif/imaging.h"
#include "exif/orientation.h"
#include "exif/turned_exif_segment.h"
#include "platform/file_times.h"
#include "platform/file_write_lock.h"
#include "platform/safe_replace.h"
#include "platform/temp_names.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace exif {
namespace {

constexpr std::uint64_t kSoiBytes = 2;
constexpr std::uint8_t kSoi[kSoiBytes] = {0xFF, 0xD8};
constexpr std::uint32_t kThumbnailWidth = 160;
constexpr std::uint32_t kThumbnailHeight = 120;
constexpr const char* kDateTags[] = {"DateTime", "DateTimeOriginal", "DateTimeDigitized"};

// The working files of one rebuild in the temporary folder: the EXIF segment being patched and
// the new thumbnail. Removed however the rebuild ends.
struct WorkingFiles {
    std::filesystem::path segment = platform::TemporaryFileName("_Lumaro");
    std::filesystem::path thumbnail = platform::TemporaryFileName("_Thumb");

    WorkingFiles() = default;
    WorkingFiles(const WorkingFiles&) = delete;
    WorkingFiles& operator=(const WorkingFiles&) = delete;
    ~WorkingFiles() {
        std::error_code ignored;
        std::filesystem::remove(segment, ignored);
        std::filesystem::remove(thumbnail, ignored);
    }
};

// The digits of text[from, from + length) as a number; the fallback when any is missing.
int DateField(std::string_view text, std::size_t from, std::size_t length, int fallback) {
    if (text.size() < from + length) {
        return fallback;
    }
    int value = 0;
    for (const char c : text.substr(from, length)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return fallback;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// The moment "yyyy:mm:dd hh:nn:ss" names, missing parts taking 2000-01-01 00:00:00. A date
// that names no moment (the "0000:00:00 00:00:00" of cameras without a clock) keeps `other`,
// and so does a file without a date (no tag, or one without a digit): its own time is all it has.
std::optional<platform::FileTime> TimeFromDateText(std::string_view text,
                                                   std::optional<platform::FileTime> other) {
    if (std::none_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
        return other;
    }
    const platform::LocalDateTime local{DateField(text, 0, 4, 2000), DateField(text, 5, 2, 1),
                                        DateField(text, 8, 2, 1),    DateField(text, 11, 2, 0),
                                        DateField(text, 14, 2, 0),   DateField(text, 17, 2, 0)};
    const auto time = platform::FileTimeFromLocal(local);
    return time ? time : other;
}

bool IsPortrait(const ImageSize& size) {
    return size.height > size.width;
}

// The size of the picture the EXIF data was made for: the source's frame, else (a segment kept
// on its own while an external program had the file) its ExifImageWidth and ExifImageLength.
std::optional<ImageSize> SourcePictureSize(const std::filesystem::path& segmentFile,
                                           const std::filesystem::path& exifSource) {
    if (const auto frame = JpegImageSize(exifSource)) {
        return frame;
    }
    const auto side = [&](std::string_view tag) -> std::uint16_t {
        const std::string text = ReadTagText(segmentFile, tag);
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const bool whole = error == std::errc{} && end == text.data() + text.size();
        return whole && value <= 0xFFFF ? static_cast<std::uint16_t>(value) : 0;
    };
    const ImageSize size{side("ExifImageWidth"), side("ExifImageLength")};
    return size.width != 0 && size.height != 0 ? std::optional(size) : std::nullopt;
}

// The transform that turned the source's picture upright when the picture that takes its EXIF
// data lies the other way round under a quarter-turn Orientation: an editor turned it upright
// and dropped the data, and the old Orientation would now show it on its side. None otherwise.
PixelTransform TurnedUprightSince(const std::filesystem::path& segmentFile,
                                  const std::filesystem::path& exifSource,
                                  const ImageSize& picture) {
    const auto block = LoadExifBlock(segmentFile);
    const PixelTransform upright = block ? UprightTransform(*block) : PixelTransform::None;
    const auto source = SwapsSides(upright) ? SourcePictureSize(segmentFile, exifSource)
                                            : std::nullopt;
    const bool turned = source && source->width != source->height &&
                        picture.width != picture.height &&
                        IsPortrait(*source) != IsPortrait(picture);
    return turned ? upright : PixelTransform::None;
}

// The working segment with Orientation 1 and its thumbnail turned as the picture was.
void TurnSegmentUpright(const std::filesystem::path& segmentFile, PixelTransform upright,
                        const ImageSize& picture, const std::filesystem::path& target) {
    const platform::InputFile input(segmentFile);
    const std::vector<std::uint8_t> segment = input.ReadAt(kSoiBytes, input.Size() - kSoiBytes);
    const std::vector<std::uint8_t> turned =
        TurnedExifSegment(segment, upright, JpegFrame{picture.width, picture.height}, target);
    platform::FileReplacement output(segmentFile);
    output.Write(kSoi);
    output.Write(turned);
    output.Commit(std::nullopt);
}

// Puts a new thumbnail of the picture, SOI included (the old one need not have been a JPEG),
// over the old one in the working segment and cuts the segment behind it. Returns the new end
// of the segment (file offset), or its old end when the segment has no JPEGInterchangeFormat.
// A portrait picture gets a portrait thumbnail: stretched to 160 x 120 it would be squashed.
std::uint64_t RenewThumbnail(const WorkingFiles& files, const std::filesystem::path& target,
                             const std::filesystem::path& picture,
                             const std::optional<ImageSize>& pictureSize,
                             const std::filesystem::path& exifSource, std::uint64_t segmentEnd) {
    const auto old = FindSegmentThumbnail(files.segment, segmentEnd, exifSource);
    if (!old) {
        return segmentEnd;
    }
    const bool portrait = pictureSize && IsPortrait(*pictureSize);
    if (!MakeThumbnailJpeg(picture, files.thumbnail, portrait ? kThumbnailHeight : kThumbnailWidth,
                           portrait ? kThumbnailWidth : kThumbnailHeight)) {
        throw platform::FileError("make a thumbnail of", picture,
                                  "it is not a picture this program reads");
    }
    const platform::InputFile thumbnail(files.thumbnail);
    const FirstSegment thumbnailHead = RequireJpegBody(thumbnail);
    // The encoder's JFIF header has no place inside an EXIF segment.
    std::vector<std::uint8_t> bytes(kSoi, kSoi + kSoiBytes);
    const std::vector<std::uint8_t> body =
        thumbnail.ReadAt(thumbnailHead.End(), thumbnail.Size() - thumbnailHead.End());
    bytes.insert(bytes.end(), body.begin(), body.end());
    return PutSegmentThumbnail(files.segment, old->at, bytes, target);
}

// Where the new EXIF segment goes among the picture's segments: in place of its first EXIF
// segment, else behind the APP0 segments that open the file (a JFIF header must stay first, and
// its extensions with it), else first.
std::size_t ExifSegmentIndex(const std::vector<JpegSegment>& segments) {
    const auto exif = std::find_if(segments.begin(), segments.end(), [](const JpegSegment& s) {
        return s.kind == SegmentKind::Exif;
    });
    if (exif != segments.end()) {
        return static_cast<std::size_t>(exif - segments.begin());
    }
    const auto app0 = std::find_if(segments.begin(), segments.end(), [](const JpegSegment& s) {
        return s.marker != kApp0Marker;
    });
    return static_cast<std::size_t>(app0 - segments.begin());
}

// The picture with the new EXIF segment (without its SOI) in place of its own.
void WritePictureWithSegment(platform::FileReplacement& output,
                             const platform::InputFile& picture, const JpegLayout& layout,
                             std::span<const std::uint8_t> segment) {
    const std::size_t at = ExifSegmentIndex(layout.segments);
    output.Write(kSoi);
    for (std::size_t i = 0; i <= layout.segments.size(); ++i) {
        if (i == at) {
            output.Write(segment);
        }
        if (i == layout.segments.size() || layout.segments[i].kind == SegmentKind::Exif) {
            continue;
        }
        const JpegSegment& kept = layout.segments[i];
        const std::vector<std::uint8_t> bytes =
            picture.ReadAt(kept.position, kept.End() - kept.position);
        output.Write(bytes);
    }
    output.CopyFrom(picture, layout.scanStart);
}

} // namespace

void RebuildWithExif(const std::filesystem::path& target, const std::filesystem::path& picture,
                     const std::filesystem::path& exifSource, RebuildDates dates,
                     RebuildThumbnail thumbnail) {
    const platform::FileWriteLock lock(target);
    const platform::InputFile pictureFile(picture);
    const JpegLayout pictureLayout = ReadJpegLayout(pictureFile);
    const auto pictureTime = platform::LastWriteTime(picture);
    const std::string pictureDate = FileDateText(picture);

    const WorkingFiles files;
    if (!ExtractExifSegment(files.segment, exifSource)) {
        throw platform::FileError("take the EXIF data of", exifSource,
                                  "it has no whole APP1 \"Exif\" segment");
    }
    // The frame header lies in the picture's body, which follows the new segment unchanged.
    const auto size = JpegImageSize(picture);
    if (size) {
        const PixelTransform upright = TurnedUprightSince(files.segment, exifSource, *size);
        if (upright != PixelTransform::None) {
            TurnSegmentUpright(files.segment, upright, *size, target);
        }
    }
    std::uint64_t segmentEnd = platform::InputFile(files.segment).Size();
    if (thumbnail == RebuildThumbnail::Renew) {
        segmentEnd = RenewThumbnail(files, target, picture, size, exifSource, segmentEnd);
    }
    if (size) {
        WriteTagShort(files.segment, "ExifImageWidth", size->width);
        WriteTagShort(files.segment, "ExifImageLength", size->height);
    }
    std::optional<platform::FileTime> time = pictureTime;
    if (dates == RebuildDates::FromPictureFile) {
        for (const char* tag : kDateTags) {
            WriteTagText(files.segment, tag, pictureDate);
        }
    } else {
        time = TimeFromDateText(ReadTagText(files.segment, "DateTime"), pictureTime);
    }

    const std::vector<std::uint8_t> segment =
        platform::InputFile(files.segment).ReadAt(kSoiBytes, segmentEnd - kSoiBytes);
    platform::FileReplacement output(target);
    WritePictureWithSegment(output, pictureFile, pictureLayout, segment);
    output.Commit(time);
}

} // namespace exif
