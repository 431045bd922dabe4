#pragma once

// The command guard's messages as the program shows them: a modal message box with the
// caption "LumaroUty", the question icon and an OK button.

#include "shell/command_guard.h"

class QWidget;

namespace shell {

class MessageBoxPrompt : public GuardPrompt {
public:
    explicit MessageBoxPrompt(QWidget* parent) : parent_(parent) {}
    void Show(const std::string& message) override;

private:
    QWidget* parent_;
};

} // namespace shell
