#pragma once

// How the file commands (copy, move, rename, delete) reach the user and the main window. The
// program implements these with message boxes and its windows, lumaro without interaction, and
// the tests with scripted answers.

#include "commands/batch_ports.h"
#include "platform/shell_file_operation.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace commands {

// A message box with the caption "LumaroUty", the question icon and an OK button.
class FileMessagePort {
public:
    virtual ~FileMessagePort() = default;
    virtual void Tell(const std::string& message) = 0; // UTF-8
};

// The shell's question before it replaces an existing file.
class OverwriteQuestion {
public:
    virtual ~OverwriteQuestion() = default;
    [[nodiscard]] virtual platform::OverwriteAnswer
    AskOverwrite(const std::filesystem::path& source, const std::filesystem::path& destination) = 0;
};

struct FileCommandPorts {
    ConfirmPort& confirm;
    ProgressPort& progress;
    OverwriteQuestion& overwrite;
    FileMessagePort& message;
};

// What a command takes from the main window and gives back to it.
struct FileCommandContext {
    // The selected files in list order, each as its folder + name. A file's own folder is its
    // current folder.
    std::vector<std::filesystem::path> selection;
    // Fills the main window's list anew; called only when the command changed files.
    std::function<void()> refresh;
};

// Whether an OK press leaves its dialog open (a value is missing) or closes it.
enum class DialogEnd { StayOpen, Close };

// What one run of a file command did.
struct FileCommandResult {
    DialogEnd end = DialogEnd::Close;
    bool confirmed = false;    // the confirmation list was answered with OK
    std::size_t processed = 0; // files copied, moved, renamed or deleted
    std::size_t failed = 0;    // files the operation could not handle (told to the user)
    std::size_t kept = 0;      // files not handled: an existing one kept, or the user cancelled
};

} // namespace commands
