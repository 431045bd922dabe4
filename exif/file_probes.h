#pragma once

// Small file questions the EXIF operations share.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace exif {

// True when the extension, compared without case, is ".JPG" (".jpeg" is not).
[[nodiscard]] bool IsJpegName(const std::filesystem::path& path);

// The file's last-write time, local time, as "yyyy:mm:dd hh:nn:ss"; "" when it cannot be read.
[[nodiscard]] std::string FileDateText(const std::filesystem::path& path);
// The same text for a moment.
[[nodiscard]] std::string LocalDateText(std::time_t moment);

// The value of a tag of the standard dictionary as text (see TagValueText); "" when the tag or
// the block is missing. Loads the block anew on every call.
[[nodiscard]] std::string ReadTagText(const std::filesystem::path& path, std::string_view name);

// The count of a tag's entry; 0 when the tag or the block is missing.
[[nodiscard]] std::uint32_t ReadTagCount(const std::filesystem::path& path, std::string_view name);

struct ImageSize {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

// Width and height from the frame header (baseline, else progressive) of a JPEG file; nothing
// when no frame header precedes the start of scan. Throws platform::FileError when the file
// cannot be opened.
[[nodiscard]] std::optional<ImageSize> JpegImageSize(const std::filesystem::path& path);

} // namespace exif
