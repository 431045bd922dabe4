#pragma once

// The shell's file operation as the file commands show it: its progress in the progress window,
// its overwrite question through the command's port, and its failures told at the end.

#include "commands/file_command_ports.h"
#include "platform/shell_file_operation.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace commands {

class ShellProgress : public platform::FileOperationPort {
public:
    // Starts the progress window for `count` files; action is its first line (CP932).
    ShellProgress(FileCommandPorts& ports, std::string action, std::size_t count);
    // Steps past the last file and closes the window.
    ~ShellProgress() override;
    ShellProgress(const ShellProgress&) = delete;
    ShellProgress& operator=(const ShellProgress&) = delete;

    [[nodiscard]] platform::OverwriteAnswer
    AskOverwrite(const std::filesystem::path& source,
                 const std::filesystem::path& destination) override;
    void Progress(const std::filesystem::path& source,
                  const std::filesystem::path& destination) override;

private:
    FileCommandPorts& ports_;
    std::string action_;
    bool started_ = false;
};

// Tells the files the operation could not handle, one line each, and fills the result's counts.
void ReportShellOutcome(const platform::FileOperationReport& report, FileMessagePort& message,
                        FileCommandResult& result);

} // namespace commands
