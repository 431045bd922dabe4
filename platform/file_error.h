#pragma once

// The one error type of file input and output: it says what failed and to which file.

#include <filesystem>
#include <stdexcept>
#include <string>

namespace platform {

class FileError : public std::runtime_error {
public:
    // what() reads "cannot <action> <path>: <reason>".
    FileError(std::string action, const std::filesystem::path& path, std::string reason)
        : std::runtime_error("cannot " + action + " " + path.string() + ": " + reason),
          path_(path) {}

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace platform
