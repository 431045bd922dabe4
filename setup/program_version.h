#pragma once

// The installer's file version, which the platform keeps in the program's version resource
// ("StringFileInfo\041103a4\FileVersion"); here the build writes it into the program.

#include <string>

namespace setup {

struct FileVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned release = 0;
    unsigned build = 0;
};

// The version of this program.
[[nodiscard]] FileVersion ProgramFileVersion();

// The first number, ".", the second and third numbers joined and shown with at least two
// digits, "β1", and the fourth with four digits in "(Build:...)": 1.0.2.37 gives
// "1.02β1(Build:0037)". UTF-8.
[[nodiscard]] std::string VersionText(const FileVersion& version);

} // namespace setup
