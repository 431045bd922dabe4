#pragma once

// The editing commands' messages and questions without windows, for the command-line tool:
// messages go to the error stream, and every question is answered as --yes says.

#include "commands/edit_batch.h"

#include <iosfwd>

namespace commands {

class ConsoleEditPrompt : public EditPrompt {
public:
    ConsoleEditPrompt(std::ostream& err, bool yes) : err_(err), yes_(yes) {}
    void Tell(const std::string& message) override;
    [[nodiscard]] bool Ask(const std::string& question) override;
    void Warn(const std::string& message) override;

private:
    std::ostream& err_;
    bool yes_;
};

} // namespace commands
