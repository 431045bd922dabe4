#include "exif/file_probes.h"

#include "exif/exif_block.h"
#include "exif/jpeg_segments.h"
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

} // namespace

bool IsJpegName(const std::filesystem::path& path) {
    // Read off the name itself: every file a command reads is asked this, and path::extension
    // would make a path of its own each time. A name that is only ".JPG" has no extension.
    constexpr std::string_view kExtension = ".JPG";
    const std::string_view name = path.native();
    if (name.size() <= kExtension.size() || name[name.size() - kExtension.size() - 1] == '/') {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    });
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
    std::optional<std::uint64_t> baseline;
    std::optional<std::uint64_t> progressive;
    JpegSegmentWalk walk(file);
    while (const auto segment = walk.Next()) {
        if (segment->marker == kBaselineFrame && !baseline) {
            baseline = segment->position;
        } else if (segment->marker == kProgressiveFrame && !progressive) {
            progressive = segment->position;
        }
    }
    const auto frame = baseline ? baseline : progressive;
    if (!frame) {
        return std::nullopt;
    }
    // marker(2), length(2), precision(1), height(2), width(2), components(1)
    const std::vector<std::uint8_t> header = file.ReadAt(*frame, 10);
    if (header.size() < 10) {
        return std::nullopt;
    }
    const ByteView view(header, ByteOrder::BigEndian);
    return ImageSize{*view.U16(7), *view.U16(5)};
}

} // namespace exif
