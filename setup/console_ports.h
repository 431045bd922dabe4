#pragma once

// The ports of an unattended run: nothing waits for a user. Messages, status lines and the
// error report go to the error stream as UTF-8. Every question takes its default (first)
// button, except that a question about deleting a file other programs may use keeps the file,
// and a disk that is asked for again after OK is cancelled, since nobody can change it.

#include "setup/ports.h"

#include <iosfwd>
#include <string>

namespace setup {

class ConsolePorts : public MessagePort,
                     public StatusPort,
                     public MainWindowPort,
                     public SharedFilePort {
public:
    explicit ConsolePorts(std::ostream& err) : err_(err) {}

    [[nodiscard]] Answer Show(const MessageBox& box) override;

    void Show() override {}
    void Hide() override {}
    void SetMessage(const std::string& message) override;
    void ShowProgressFrame(bool) override {}
    void SetProgress(int, const std::string&) override {}
    void EnableAbort(bool) override {}
    [[nodiscard]] bool AbortRequested() override { return false; }
    // Nobody follows the steps, so there is nothing to wait for.
    void Pause(int) override {}

    void HideMainWindow() override {}
    void ShowReportUntilContinue(const std::string& frameTitle, const std::string& report) override;

    [[nodiscard]] SharedFileAnswer Ask(const std::string& message) override;

    [[nodiscard]] InstallPorts Ports() { return {*this, *this, *this}; }

    // The answer an unattended run gives to the box.
    [[nodiscard]] Answer DefaultAnswer(const MessageBox& box);

private:
    void Print(const std::string& cp932Text, std::string_view indent);

    std::ostream& err_;
    std::string lastDiskQuestion_;
};

} // namespace setup
