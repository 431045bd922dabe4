#pragma once

// Writing a page or a listing: the whole text, built in memory first, written as the file's
// new content (created or truncated), as the pages and listings are rewritten from scratch.

#include <filesystem>
#include <string>

namespace publish {

// Throws platform::FileError naming the file when it cannot be created or written.
void WriteTextFile(const std::filesystem::path& file, const std::string& text);

} // namespace publish
