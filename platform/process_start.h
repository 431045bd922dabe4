#pragma once

// Starting a program or opening a document, as the platform's shell "open" does: a program
// is started directly, any other file is handed to the desktop's opener (xdg-open).

#include "platform/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace platform {

struct StartedProcess {
    pid_t id = 0;
};

// The command that opens the file: the program and its parameters, or xdg-open and the file.
// A file is a program when it is a regular file that may be executed; a name without a folder
// that does not exist here is looked for on PATH. Parameters are CP932 text, split at blanks,
// with double quotes grouping and removed; they reach the program as UTF-8.
[[nodiscard]] std::vector<std::string> ShellOpenCommand(const std::filesystem::path& file,
                                                        std::string_view parameters);

// Starts the command of ShellOpenCommand and returns without waiting. Fails, naming the file,
// when it does not exist or the command cannot be started.
[[nodiscard]] Result<StartedProcess> ShellOpen(const std::filesystem::path& file,
                                               std::string_view parameters);

// Waits for the process to end: its exit status, or 128 + the signal that ended it.
[[nodiscard]] Result<int> WaitForExit(StartedProcess process);

} // namespace platform
