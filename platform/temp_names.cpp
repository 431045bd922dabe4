#include "platform/temp_names.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace platform {

std::filesystem::path TemporaryFileName(std::string_view prefix) {
    char number[16];
    std::snprintf(number, sizeof number, "%.8x", static_cast<unsigned>(::getpid()));
    return std::filesystem::temp_directory_path() / (std::string(prefix) + number + ".jpg");
}

} // namespace platform
