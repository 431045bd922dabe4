#include "setup/program_version.h"

#include <charconv>
#include <string_view>

namespace setup {
namespace {

std::string Padded(const std::string& digits, std::size_t width) {
    return digits.size() >= width ? digits : std::string(width - digits.size(), '0') + digits;
}

// "1.0.2.37"; missing or unreadable numbers are 0.
FileVersion ParseVersion(std::string_view text) {
    unsigned numbers[4] = {0, 0, 0, 0};
    for (unsigned& number : numbers) {
        const std::size_t dot = text.find('.');
        const std::string_view part = text.substr(0, dot);
        (void)std::from_chars(part.data(), part.data() + part.size(), number);
        text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    }
    return {numbers[0], numbers[1], numbers[2], numbers[3]};
}

} // namespace

FileVersion ProgramFileVersion() {
    return ParseVersion(LUMARO_SETUP_FILE_VERSION);
}

std::string VersionText(const FileVersion& version) {
    return std::to_string(version.major) + "." +
           Padded(std::to_string(version.minor) + std::to_string(version.release), 2) + "β1" +
           "(Build:" + Padded(std::to_string(version.build), 4) + ")";
}

} // namespace setup
