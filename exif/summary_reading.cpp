#include "exif/summary_reading.h"

#include "platform/codepage.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace exif {
namespace {

std::optional<TagValue> Read(const ExifBlock& block, TagDictionary dictionary,
                             std::string_view name, ValuePart part) {
    const auto entry = FindEntry(block, dictionary, name);
    return entry ? EntryValue(block, *entry, part) : std::nullopt;
}

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::optional<std::int64_t> ReadInteger(const ExifBlock& block, TagDictionary dictionary,
                                        std::string_view name, ValuePart part) {
    const auto value = Read(block, dictionary, name, part);
    if (!value || !std::holds_alternative<std::int64_t>(*value)) {
        return std::nullopt;
    }
    return std::get<std::int64_t>(*value);
}

std::optional<std::string> ReadText(const ExifBlock& block, TagDictionary dictionary,
                                    std::string_view name, ValuePart part) {
    const auto value = Read(block, dictionary, name, part);
    return value ? std::optional(TagValueText(*value)) : std::nullopt;
}

std::optional<std::string> ReadTrimmedText(const ExifBlock& block, TagDictionary dictionary,
                                           std::string_view name) {
    auto text = ReadText(block, dictionary, name, ValuePart::First);
    if (!text) {
        return std::nullopt;
    }
    // Lead and trail bytes of CP932 are all above 0x40, so trimming never splits a character.
    std::string_view view = *text;
    while (!view.empty() && IsBlankOrControl(view.front())) {
        view.remove_prefix(1);
    }
    while (!view.empty() && IsBlankOrControl(view.back())) {
        view.remove_suffix(1);
    }
    return std::string(view);
}

std::optional<Ratio> ReadRatio(const ExifBlock& block, TagDictionary dictionary,
                               std::string_view name) {
    const auto numerator = ReadInteger(block, dictionary, name, ValuePart::First);
    const auto denominator = ReadInteger(block, dictionary, name, ValuePart::Second);
    if (!numerator || !denominator) {
        return std::nullopt;
    }
    return Ratio{*numerator, *denominator};
}

std::string LabelOf(std::span<const NumberLabel> labels, std::int64_t value) {
    for (const NumberLabel& label : labels) {
        if (label.value == value) {
            return Cp932(label.utf8);
        }
    }
    return FormatText("%lld", static_cast<long long>(value));
}

std::string FormatText(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0) {
        return "";
    }
    return std::string(buffer,
                       std::min<std::size_t>(static_cast<std::size_t>(length), sizeof buffer - 1));
}

std::string Cp932(std::string_view utf8) {
    return platform::Utf8ToCp932(utf8);
}

} // namespace exif
