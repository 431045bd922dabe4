#pragma once

// The UserComment value as the EXIF standard lays it out, so that other programs read our
// comments: an 8-byte character code, then the text. "ASCII\0\0\0" marks plain ASCII text,
// eight zero bytes an undefined code (which for us is CP932 text), "JIS\0\0\0\0\0" JIS text
// and "UNICODE\0" UCS-2 in the block's byte order. Comments written by earlier versions of this
// program have no code: CP932 text from the value's first byte.

#include "exif/exif_block.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace exif {

inline constexpr std::size_t kUserCommentCodeSize = 8;

// The value to store for a CP932 text: the ASCII code for plain ASCII text, else the undefined
// code, then the text.
[[nodiscard]] std::string EncodeUserComment(std::string_view cp932);

// The text of a stored value (CP932), up to its first zero character: behind a recognised code,
// or from the first byte when there is none. UCS-2 text is converted; bigEndian gives its byte
// order.
[[nodiscard]] std::string DecodeUserComment(std::span<const std::uint8_t> value, bool bigEndian);

// The comment of a block as DecodeUserComment reads it; nothing without a UserComment entry
// or when its value lies outside the block.
[[nodiscard]] std::optional<std::string> ReadUserComment(const ExifBlock& block);

} // namespace exif
