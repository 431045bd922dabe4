#pragma once

// The check every file command makes before it runs: a current folder first, then at least
// one selected file. What is missing is told to the user through a port.

#include <string>
#include <string_view>

namespace shell {

// What a command needs before it runs.
enum class GuardNeed {
    Nothing,            // runs always
    Folder,             // a current folder (the slide show)
    FolderAndSelection, // a current folder and at least one selected file
};

enum class GuardVerdict {
    Run,         // everything the command needs is there
    NoFolder,    // no current folder
    NoSelection, // a current folder, but no file selected
};

[[nodiscard]] GuardVerdict CheckCommand(GuardNeed need, bool hasFolder, bool hasSelection);

// The message for a verdict that stops a command (UTF-8); "" for Run.
[[nodiscard]] std::string_view GuardMessage(GuardVerdict verdict);

// How the guard's message reaches the user: a message box with the caption "LumaroUty", the
// question icon and an OK button in the program; a recorder in tests.
class GuardPrompt {
public:
    virtual ~GuardPrompt() = default;
    virtual void Show(const std::string& message) = 0; // UTF-8
};

// Checks the need, shows the message when something is missing, and says whether to run.
[[nodiscard]] bool PassGuard(GuardNeed need, bool hasFolder, bool hasSelection,
                             GuardPrompt& prompt);

} // namespace shell
