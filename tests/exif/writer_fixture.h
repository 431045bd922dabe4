#pragma once

// Camera-like files for the writer tests, and an IFD reading of the written bytes that does not
// go through the reader under test.

#include "tests/exif/writer_test_tools.h"
#include "tests/support/exif_fixture.h"

#include <filesystem>
#include <string>

namespace writer_test {

inline constexpr std::uint16_t kImageDescription = 0x010E;
inline constexpr std::uint16_t kMake = 0x010F;
inline constexpr std::uint16_t kModel = 0x0110;
inline constexpr std::uint16_t kDateTime = 0x0132;
inline constexpr std::uint16_t kCompression = 0x0103;
inline constexpr std::uint16_t kDateTimeOriginal = 0x9003;
inline constexpr std::uint16_t kDateTimeDigitized = 0x9004;
inline constexpr std::uint16_t kUserComment = 0x9286;
inline constexpr std::uint16_t kExifImageWidth = 0xA002;
inline constexpr std::uint16_t kExifImageLength = 0xA003;

// IFD0 with a 32-byte title, make, model and DateTime; an Exif IFD with the two other dates, a
// comment and the picture size 64 x 48; IFD1 with a JPEG thumbnail of thumbnailWidth x 24.
[[nodiscard]] fixture::ExifContent CameraContent(int thumbnailWidth = 32);

struct RawEntry {
    std::size_t fileOffset = 0; // of the 12-byte entry
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::uint32_t value = 0;
};

// The entry with the tag in the IFD at `ifd` (a block offset) of a JPEG file's bytes, the TIFF
// header being at file offset 12. Fails the test when there is none.
[[nodiscard]] RawEntry EntryIn(const Bytes& file, std::uint32_t ifd, std::uint16_t tag);

// The bytes of a value that lies at an offset: `count` bytes at file offset 12 + value.
[[nodiscard]] std::string ValueText(const Bytes& file, const RawEntry& entry);

[[nodiscard]] std::uint16_t BigEndian16(const Bytes& file, std::size_t at);

// Sets a file's last-write time to an old, exact moment and returns it.
std::filesystem::file_time_type AgeFile(const std::filesystem::path& path, int days);

} // namespace writer_test
