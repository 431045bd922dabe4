#pragma once

// Names of the working files the EXIF engine keeps in the system temporary folder.

#include <filesystem>
#include <string_view>

namespace platform {

// The system temporary folder + prefix + the process id as eight lower-case hexadecimal digits
// + ".jpg", for example "/tmp/_Lumaro00001a2b.jpg". One name per prefix and process: the
// operations that use them run one at a time.
[[nodiscard]] std::filesystem::path TemporaryFileName(std::string_view prefix);

// As above with a number of its own after the process id, for a working file that threads of
// one process may each make at the same time: "/tmp/_Turn00001a2b-3.jpg".
[[nodiscard]] std::filesystem::path UniqueTemporaryFileName(std::string_view prefix);

} // namespace platform
