#pragma once

// lumaro thumbnail --extract [--out DIR] [--yes] [--dry-run] FILE...: the thumbnail a camera
// embeds in each file, saved as NAME_thumb.jpg beside the file or in DIR (made when missing).
// The thumbnail is a JPEG of its own and is written as it lies in the file. An existing
// NAME_thumb.jpg is kept unless --yes; --dry-run prints "FILE<TAB>THUMBNAIL" for each file it
// would save.

#include "apps/lumaro/arguments.h"

#include <filesystem>
#include <iosfwd>
#include <span>

namespace lumaro {

// 0 when every file's thumbnail was saved; 1 when a file had none, or could not be read or
// written (each told on err).
[[nodiscard]] int ExtractThumbnails(std::span<const std::filesystem::path> files,
                                    const Arguments& arguments, std::ostream& out,
                                    std::ostream& err);

} // namespace lumaro
