#pragma once

// Small helpers shared by the imaging and writer tests: whole-file reads, external tools.

#include "tests/support/tool_run.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace writer_test {

using Bytes = std::vector<std::uint8_t>;

[[nodiscard]] Bytes ReadAll(const std::filesystem::path& path);

using fixture::HaveTool;
using fixture::Quoted;
using fixture::ToolRun;

// Runs a command with its standard error joined to the output, so tool warnings are seen.
[[nodiscard]] ToolRun RunTool(const std::string& command);

// The files in a folder (not below it), sorted by name.
[[nodiscard]] std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder);

} // namespace writer_test
