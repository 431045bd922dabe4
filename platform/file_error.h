#pragma once

// The one error type of file input and output: it says what failed and to which file.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>

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

// A file whose content the operation refuses (its picture data damaged, say): the file is left
// as it was, and a batch notes it and goes on with the next file.
class FileRefused : public FileError {
public:
    FileRefused(std::string action, const std::filesystem::path& path, std::string reason)
        : FileError(std::move(action), path, reason), reason_(std::move(reason)) {}

    [[nodiscard]] const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

} // namespace platform
