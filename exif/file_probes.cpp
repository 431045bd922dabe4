#include "exif/file_probes.h"

#include "exif/exif_block.h"
#include "platform/input_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace exif {
namespace {

constexpr std::uint16_t kBaselineFrame = 0xFFC0;
constexpr std::uint16_t kProgressiveFrame = 0xFFC2;
constexpr std::uint16_t kStartOfScan = 0xFFDA;

// Position of the first segment with the wanted marker, walking segment by segment from
// `start`. The walk ends at the start of scan, at a byte that is not a marker, at a length
// below 2 and at the end of the file. The 0xFF fill bytes allowed before a marker are skipped.
std::optional<std::uint64_t> FindSegment(const platform::InputFile& file, std::uint64_t start,
                                         std::uint16_t wanted) {
    std::uint64_t position = start;
    while (true) {
        const std::vector<std::uint8_t> head = file.ReadAt(position, 4);
        if (head.size() < 4 || head[0] != 0xFF) {
            return std::nullopt;
        }
        if (head[1] == 0xFF) {
            ++position;
            continue;
        }
        const auto marker = static_cast<std::uint16_t>(head[0] << 8 | head[1]);
        const auto length = static_cast<std::uint16_t>(head[2] << 8 | head[3]);
        if (marker == wanted) {
            return position;
        }
        if (marker == kStartOfScan || length < 2) {
            return std::nullopt;
        }
        position += length + 2u;
    }
}

} // namespace

bool IsJpegName(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension == ".JPG";
}

std::string FileDateText(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return "";
    }
    return LocalDateText(status.st_mtime);
}

std::string LocalDateText(std::time_t moment) {
    std::tm local{};
    if (::localtime_r(&moment, &local) == nullptr) {
        return "";
    }
    char text[80];
    std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

std::string ReadTagText(const std::filesystem::path& path, std::string_view name) {
    const auto block = LoadExifBlock(path);
    if (!block) {
        return "";
    }
    const auto entry = FindEntry(*block, TagDictionary::Standard, name);
    if (!entry) {
        return "";
    }
    const auto value = EntryValue(*block, *entry, ValuePart::Second);
    return value ? TagValueText(*value) : "";
}

std::uint32_t ReadTagCount(const std::filesystem::path& path, std::string_view name) {
    const auto block = LoadExifBlock(path);
    if (!block) {
        return 0;
    }
    const auto entry = FindEntry(*block, TagDictionary::Standard, name);
    return entry ? entry->count : 0;
}

std::optional<ImageSize> JpegImageSize(const std::filesystem::path& path) {
    const platform::InputFile file(path);
    const std::vector<std::uint8_t> first = file.ReadAt(4, 2);
    if (first.size() < 2) {
        return std::nullopt;
    }
    // The scan starts behind the first segment after SOI.
    const std::uint64_t start = (first[0] << 8 | first[1]) + 4u;
    auto frame = FindSegment(file, start, kBaselineFrame);
    if (!frame) {
        frame = FindSegment(file, start, kProgressiveFrame);
    }
    if (!frame) {
        return std::nullopt;
    }
    // marker(2), length(2), precision(1), height(2), width(2), components(1)
    const std::vector<std::uint8_t> header = file.ReadAt(*frame, 10);
    if (header.size() < 10) {
        return std::nullopt;
    }
    return ImageSize{static_cast<std::uint16_t>(header[7] << 8 | header[8]),
                     static_cast<std::uint16_t>(header[5] << 8 | header[6])};
}

} // namespace exif
