#pragma once

// The bytes of a ".lnk" file: a 76-byte header, the link info with the target as a local base
// path, and the strings the flags announce (description, working folder, arguments, icon
// location), ended by an empty extra-data block. Strings are written in the code page (CP932).

#include "platform/result.h"
#include "platform/shell_link.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// What the header tells of the target; all zero when it does not exist.
struct LinkTargetFacts {
    std::uint32_t attributes = 0;
    std::uint32_t size = 0;
    // Last-write time in 100-nanosecond steps since 1601-01-01 UTC.
    std::uint64_t writeTime = 0;
};

inline constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;
inline constexpr std::uint32_t kFileAttributeArchive = 0x20;

// Fails when a string is longer than the layout's 65535 bytes.
[[nodiscard]] Result<std::string> EncodeShellLink(const ShellLink& link,
                                                  const LinkTargetFacts& facts);

[[nodiscard]] bool LooksLikeShellLink(std::string_view bytes);

// Reads the target from the local base path and common path suffix (or the relative path when
// there is no link info) and the strings; Unicode strings are converted to CP932.
[[nodiscard]] Result<ShellLink> DecodeShellLink(std::string_view bytes);

} // namespace platform
