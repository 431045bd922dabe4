#include "tests/support/tool_run.h"

#include <cstdio>
#include <stdexcept>
#include <sys/wait.h>

namespace fixture {

ToolRun RunTool(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + command);
    }
    ToolRun run;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.output.append(buffer, got);
    }
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool HaveTool(const std::string& name) {
    return RunTool("command -v " + Quoted(name) + " >/dev/null 2>&1").exitCode == 0;
}

std::string Quoted(const std::filesystem::path& path) {
    std::string quoted = "'";
    for (const char c : path.string()) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

} // namespace fixture
