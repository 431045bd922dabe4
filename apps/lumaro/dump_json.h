#pragma once

// The EXIF entries of one file as a JSON object for scripts: "SourceFile", then one object per
// IFD ("IFD0", "IFD1" ..., "ExifIFD", "MakerNotes") keyed by tag name. A single integer or
// rational is a number; text is UTF-8 (the comment behind its character code); other values
// are the text the dump shows.

#include "exif/exif_block.h"

#include <filesystem>
#include <optional>
#include <string>

namespace lumaro {

[[nodiscard]] std::string DumpJson(const std::optional<exif::ExifBlock>& block,
                                   const std::filesystem::path& path);

} // namespace lumaro
