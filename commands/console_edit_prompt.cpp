#include "commands/console_edit_prompt.h"

#include <ostream>

namespace commands {

void ConsoleEditPrompt::Tell(const std::string& message) {
    err_ << message << '\n';
}

bool ConsoleEditPrompt::Ask(const std::string& question) {
    err_ << question << (yes_ ? " (--yes: はい)" : " (いいえ; --yes で「はい」と答えます)") << '\n';
    return yes_;
}

void ConsoleEditPrompt::Warn(const std::string& message) {
    err_ << message << '\n';
}

} // namespace commands
