#pragma once

// The detail report: every entry of a file's IFDs as one text line, CP932, CR LF line ends.

#include "exif/exif_block.h"

#include <optional>
#include <string>

namespace exif {

// "Name(T:count): values" for one entry, without line end.
[[nodiscard]] std::string FormatEntryLine(const ExifBlock& block, TagDictionary dictionary,
                                          const IfdEntry& entry);

// Sections "== IFD ==" (each IFD of the chain), "== Exif ==" and "== MakerNote ==" with their
// entries; "" without a block.
[[nodiscard]] std::string BuildDetailReport(const std::optional<ExifBlock>& block);

} // namespace exif
