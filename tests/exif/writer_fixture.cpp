#include "tests/exif/writer_fixture.h"

#include "tests/support/jpeg_pictures.h"

#include <gtest/gtest.h>

namespace writer_test {

fixture::ExifContent CameraContent(int thumbnailWidth) {
    fixture::ExifContent content;
    content.ifd0 = {fixture::AsciiFixed(kImageDescription, "OLYMPUS DIGITAL CAMERA", 32),
                    fixture::Ascii(kMake, "NIKON"), fixture::Ascii(kModel, "E990"),
                    fixture::Ascii(kDateTime, "2001:02:03 04:05:06")};
    content.exif = {fixture::Ascii(kDateTimeOriginal, "2001:02:03 04:05:06"),
                    fixture::Ascii(kDateTimeDigitized, "2001:02:03 04:05:06"),
                    fixture::Undefined(kUserComment, std::vector<std::uint8_t>(40, 0)),
                    fixture::Short(kExifImageWidth, {64}), fixture::Long(kExifImageLength, {48})};
    content.ifd1 = {fixture::Short(kCompression, {6})};
    content.thumbnail = fixture::EncodeJpeg(thumbnailWidth, 24);
    return content;
}

RawEntry EntryIn(const Bytes& file, std::uint32_t ifd, std::uint16_t tag) {
    auto u16 = [&](std::size_t at) {
        return static_cast<std::uint16_t>(file.at(at) | file.at(at + 1) << 8);
    };
    auto u32 = [&](std::size_t at) {
        return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    };
    const std::size_t start = 12 + ifd;
    for (std::size_t i = 0; i < u16(start); ++i) {
        const std::size_t at = start + 2 + 12 * i;
        if (u16(at) == tag) {
            return {at, u16(at + 2), u32(at + 4), u32(at + 8)};
        }
    }
    ADD_FAILURE() << "no entry " << tag << " in the IFD at " << ifd;
    return {};
}

std::string ValueText(const Bytes& file, const RawEntry& entry) {
    const std::size_t at = 12 + entry.value;
    return std::string(file.begin() + static_cast<std::ptrdiff_t>(at),
                       file.begin() + static_cast<std::ptrdiff_t>(at + entry.count));
}

std::uint16_t BigEndian16(const Bytes& file, std::size_t at) {
    return static_cast<std::uint16_t>(file.at(at) << 8 | file.at(at + 1));
}

std::filesystem::file_time_type AgeFile(const std::filesystem::path& path, int days) {
    const std::filesystem::file_time_type time = std::chrono::file_clock::from_sys(
        std::chrono::sys_seconds(std::chrono::seconds(1'000'000'000)) -
        std::chrono::hours(24 * days));
    std::filesystem::last_write_time(path, time);
    return std::filesystem::last_write_time(path);
}

} // namespace writer_test
