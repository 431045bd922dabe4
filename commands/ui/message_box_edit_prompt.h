#pragma once

// The editing commands' messages as the program shows them: message boxes with the caption
// "LumaroUty" over the window that is open (the command's dialog), question icon for requests
// and questions, warning icon for a command that stopped.

#include "commands/edit_batch.h"

class QWidget;

namespace commands {

class MessageBoxEditPrompt : public EditPrompt {
public:
    // The parent serves when no modal window is open.
    explicit MessageBoxEditPrompt(QWidget* parent) : parent_(parent) {}
    void Tell(const std::string& message) override;
    [[nodiscard]] bool Ask(const std::string& question) override;
    void Warn(const std::string& message) override;

private:
    [[nodiscard]] QWidget* Owner() const;
    QWidget* parent_;
};

} // namespace commands
