#pragma once

// The batch ports without windows, for the command-line tool: --dry-run prints the planned rows
// as a table and declines; otherwise every ticked row runs, with progress on the error stream.

#include "commands/batch_ports.h"

#include <iosfwd>

namespace commands {

class ConsoleConfirm : public ConfirmPort {
public:
    // header: the table starts with a row of the column captions.
    ConsoleConfirm(std::ostream& out, bool dryRun, bool header = true)
        : out_(out), dryRun_(dryRun), header_(header) {}
    [[nodiscard]] Confirmation Confirm(ConfirmationList& list) override;

private:
    std::ostream& out_;
    bool dryRun_;
    bool header_;
};

class ConsoleProgress : public ProgressPort {
public:
    explicit ConsoleProgress(std::ostream& err) : err_(err) {}
    void Start(int maximum) override;
    void SetTexts(const std::string& action, const std::string& source,
                  const std::string& destination) override;
    void Step() override;
    void Finish() override;

private:
    std::ostream& err_;
    int maximum_ = 0;
    int position_ = 0;
};

} // namespace commands
