#pragma once

// The readings the summary rules make of a block: an entry's integer, its text, its text with
// surrounding blanks trimmed, a rational's two halves. Each is nothing when the tag is missing
// or its value lies outside the block, so a rule's "missing" covers both.

#include "exif/exif_block.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace exif {

struct Ratio {
    std::int64_t numerator = 0;
    std::int64_t denominator = 0;
};

// The first reading as an integer; nothing as well for an entry whose value is a text.
[[nodiscard]] std::optional<std::int64_t> ReadInteger(const ExifBlock& block,
                                                      TagDictionary dictionary,
                                                      std::string_view name,
                                                      ValuePart part = ValuePart::First);

// The value as text, untrimmed: a text as it is, an integer in decimal.
[[nodiscard]] std::optional<std::string> ReadText(const ExifBlock& block, TagDictionary dictionary,
                                                  std::string_view name, ValuePart part);

// The first reading as text with surrounding blanks and control characters removed.
[[nodiscard]] std::optional<std::string>
ReadTrimmedText(const ExifBlock& block, TagDictionary dictionary, std::string_view name);

[[nodiscard]] std::optional<Ratio> ReadRatio(const ExifBlock& block, TagDictionary dictionary,
                                             std::string_view name);

// A display label of a number, UTF-8 in the source.
struct NumberLabel {
    std::int64_t value;
    std::string_view utf8;
};

// The label of a number as CP932; a number without one is written in decimal.
[[nodiscard]] std::string LabelOf(std::span<const NumberLabel> labels, std::int64_t value);

// printf into a string.
[[nodiscard]] std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// UTF-8 source text (the Japanese labels) as CP932.
[[nodiscard]] std::string Cp932(std::string_view utf8);

} // namespace exif
