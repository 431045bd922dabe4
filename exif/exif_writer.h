#pragma once

// Changing the EXIF data of JPEG files. Single values are patched in place inside the existing
// APP1 segment, in the file's own byte order; the TIFF structure is never re-serialised.
// Whole-file changes splice segments (a stub header, an APP1 segment taken from another file,
// the target's other segments, its picture data byte for byte) into a new file that replaces
// the target in one step. Each write holds an advisory lock on its target
// (platform::FileWriteLock; a patch holds it through the platform::PatchFile it reads and
// writes), so two programs writing one file take turns. Every write keeps the
// target's last-write time unless the operation sets a new one. A file that cannot be read or
// written raises platform::FileError naming it; the target is then as it was.

#include "exif/exif_block.h"
#include "platform/file_error.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace exif {

// SOI, then an APP0 segment of length 12 holding "JFIF" and zeros: the start of a file that is
// to carry no EXIF data.
inline constexpr std::uint8_t kJfifStub[16] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x0C, 0x4A, 0x46,
                                               0x49, 0x46, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// Patches the ASCII or UNDEFINED value of a tag (standard dictionary) in place: the text cut to
// count - 1 bytes without splitting a double-byte character, zero-padded; the value's last byte
// (its terminator) is not touched and count, type and offset never change. A value of count 4
// or less lies in the entry itself and is patched there. False, and nothing written, when the
// file has no block, no such tag, or a tag of another type.
bool WriteTagText(const std::filesystem::path& path, std::string_view name, std::string_view text);

// Sets the value of a SHORT or LONG tag of count 1 in place to the 16-bit value, zero-extended.
// False, and nothing written, when the file has no block, no such tag, or a tag of another kind.
bool WriteTagShort(const std::filesystem::path& path, std::string_view name, std::uint16_t value);

// Creates or replaces the file with kJfifStub.
void WriteJfifStub(const std::filesystem::path& path);

// Writes the source's body (everything after SOI and its first segment) into the existing
// destination at the position, or at its end when the position is 0; the destination then ends
// with the body. Returns the number of bytes written. Throws FileError when the source is not
// a JPEG file.
std::uint64_t AppendBody(std::uint64_t position, const std::filesystem::path& destination,
                         const std::filesystem::path& source);

// When the source has a JPEG name and holds a whole APP1 "Exif" segment, wherever it lies:
// writes SOI and that segment (the first such) as the destination and returns true. Otherwise
// false, nothing written.
[[nodiscard]] bool ExtractExifSegment(const std::filesystem::path& destination,
                                      const std::filesystem::path& source);

// Writes the source without its EXIF and XMP segments (every APP1 "Exif" and XMP one, wherever
// they lie) as the destination, with the source's last-write time. Every other segment (JFIF,
// ICC profile, Adobe, comments ...) and the picture data are kept byte for byte; a file left
// with neither a JFIF nor an Adobe header gets the JFIF header of kJfifStub after its SOI.
// Throws FileError when the source's segments do not lead to its picture data.
void StripExif(const std::filesystem::path& destination, const std::filesystem::path& source);

// Writes the source's embedded thumbnail without its SOI into the existing destination at the
// position (0 = at its end). The thumbnail is found through JPEGInterchangeFormat and
// JPEGInterchangeFormatLength, else the maker note's ThumbnailImage. False, nothing written,
// when there is none, or when it does not lie inside the file or does not start with SOI.
bool SaveThumbnail(std::uint64_t position, const std::filesystem::path& destination,
                   const std::filesystem::path& source, const ExifBlock& block);

// Where the rebuilt file's last-write time and date tags come from.
enum class RebuildDates {
    FromDateTimeTag, // the file's time is set from the DateTime value of the EXIF source
    FromPictureFile, // the three date tags and the file's time take the picture's last-write time
};

enum class RebuildThumbnail { Keep, Renew };

// Writes the picture as the target with the APP1 "Exif" segment of the EXIF source in place of
// its own: where the picture's first one was (its others are dropped), else behind the APP0
// segments (JFIF) that open it, else right after SOI. The picture's other segments and its
// picture data are kept. Renew replaces the embedded thumbnail by a 160 x 120 one made from the
// picture (120 x 160 for a portrait picture) and cuts the segment behind it. ExifImageWidth and
// ExifImageLength take the picture's frame size, and a quarter-turn Orientation becomes 1 when
// the picture lies the other way round from the EXIF source's (an editor turned it upright).
// Refuses with FileError, the target unchanged, when the EXIF source has no APP1 "Exif"
// segment, when the old thumbnail does not lie inside that segment, when the new segment would
// exceed 65535 bytes, and when no thumbnail can be made of the picture.
void RebuildWithExif(const std::filesystem::path& target, const std::filesystem::path& picture,
                     const std::filesystem::path& exifSource, RebuildDates dates,
                     RebuildThumbnail thumbnail);

} // namespace exif
