#pragma once

// Files on the medium compressed in the SZDD format (names ending in "_"), expanded into a
// temporary file before they are copied.

#include "platform/result.h"

#include <string>
#include <string_view>

namespace setup {

// The target name that asks for the name stored in the compressed file.
inline constexpr std::string_view kAutoExtensionName = "AUTO.EXT";

struct ExpandedFile {
    std::string temporary; // the folder + "EXPAND.ZST", holding the expanded contents
    std::string target;    // the final target
};

// Whether the name ends in "_" (a "_" that is no second byte of a double-byte character).
[[nodiscard]] bool IsCompressedName(std::string_view path);

// Expands source into temporaryFolder + "EXPAND.ZST" (an earlier one is deleted first); the
// install gives its own work folder, where no other user can have put a link in the name's
// place, as anybody can in the shared temporary folder. A target named
// exactly "AUTO.EXT" is replaced by the name stored in the compressed file, in upper case, in
// the target's folder. The temporary file takes the source's last-write time, so that the
// newer-file rule compares the dates of the medium and not the time of the expansion.
[[nodiscard]] platform::Result<ExpandedFile>
ExpandLzFile(std::string_view source, std::string_view target, std::string_view temporaryFolder);

} // namespace setup
