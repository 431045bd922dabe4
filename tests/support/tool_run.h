#pragma once

// Running the tools nobody here wrote (exiftool, djpeg, lnkinfo ...) from tests.

#include <filesystem>
#include <string>

namespace fixture {

struct ToolRun {
    int exitCode = -1; // -1 when the command did not exit normally
    std::string output; // what it wrote on standard output
};

// Runs a shell command line and collects its standard output. Throws std::runtime_error when
// the shell cannot be started.
[[nodiscard]] ToolRun RunTool(const std::string& command);

// True when the command is on the PATH.
[[nodiscard]] bool HaveTool(const std::string& name);

// The path as one shell word, whatever characters it holds.
[[nodiscard]] std::string Quoted(const std::filesystem::path& path);

} // namespace fixture
