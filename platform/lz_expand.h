#pragma once

// Files compressed in the SZDD format (LZ77, made by the platform's "compress" tool and by
// mscompress), expanded with libmspack. Such files conventionally have the last character of
// their name replaced by "_" and keep that character in their header.

#include "platform/result.h"

#include <filesystem>
#include <string>

namespace platform {

// Whether the file starts with an SZDD signature (the normal one or the QBasic variant).
[[nodiscard]] Result<bool> IsLzCompressed(const std::filesystem::path& file);

// The file's name as it is once expanded, as CP932 text: a final "_" is replaced by the
// character the header keeps, in the letter case of the name's last letter before it, or
// dropped when the header keeps none (which is what mscompress writes). The name of a file that
// is not compressed, or does not end in "_", is returned as it is.
[[nodiscard]] Result<std::string> ExpandedFileName(const std::filesystem::path& file);

// Writes the expanded contents of source to target, replacing target; a file that is not
// compressed is copied as it is. A failed expansion or copy, a damaged file among them (one
// that expands to another size than its header promises), leaves no target behind.
[[nodiscard]] Status LzCopy(const std::filesystem::path& source,
                            const std::filesystem::path& target);

} // namespace platform
