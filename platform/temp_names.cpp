#include "platform/temp_names.h"

#include <atomic>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace platform {

namespace {

std::filesystem::path NameOf(std::string_view prefix, std::string_view suffix) {
    char number[16];
    std::snprintf(number, sizeof number, "%.8x", static_cast<unsigned>(::getpid()));
    return std::filesystem::temp_directory_path() /
           (std::string(prefix) + number + std::string(suffix) + ".jpg");
}

} // namespace

std::filesystem::path TemporaryFileName(std::string_view prefix) {
    return NameOf(prefix, "");
}

std::filesystem::path UniqueTemporaryFileName(std::string_view prefix) {
    static std::atomic<unsigned long> made{0};
    return NameOf(prefix, "-" + std::to_string(++made));
}

} // namespace platform
