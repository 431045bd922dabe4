#pragma once

// Small helpers shared by the imaging and writer tests: whole-file reads, external tools.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace writer_test {

using Bytes = std::vector<std::uint8_t>;

[[nodiscard]] Bytes ReadAll(const std::filesystem::path& path);

struct ToolRun {
    int exitCode = -1;
    std::string output; // standard output and standard error together
};

[[nodiscard]] ToolRun RunTool(const std::string& command);
[[nodiscard]] bool HaveTool(const std::string& name);
[[nodiscard]] std::string Quoted(const std::filesystem::path& path);

// The files in a folder (not below it), sorted by name.
[[nodiscard]] std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder);

} // namespace writer_test
