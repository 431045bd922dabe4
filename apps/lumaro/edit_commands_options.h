#pragma once

// What the editing subcommands of lumaro share: their arguments, the ports without windows and
// the exit status of a run.

#include "apps/lumaro/arguments.h"
#include "commands/batch_run.h"
#include "commands/console_edit_prompt.h"
#include "commands/console_ports.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumaro_edit {

using lumaro::Arguments;

// The command's own switches and options with a value; --dry-run, --yes and --no-header are
// always known. Nothing, with the reason on err, for an unknown option or a missing value.
[[nodiscard]] std::optional<Arguments> ParseEditArguments(std::string_view command,
                                                          std::span<const std::string> args,
                                                          lumaro::ArgumentRules rules,
                                                          std::ostream& err);

// The ports of one run: rows printed and declined with --dry-run, progress and messages on
// the error stream, questions answered as --yes says.
class ConsolePorts {
public:
    ConsolePorts(const Arguments& arguments, std::ostream& out, std::ostream& err)
        : confirm_(out, arguments.Has("--dry-run"), !arguments.Has("--no-header")),
          progress_(err), prompt_(err, arguments.Has("--yes")) {}
    [[nodiscard]] commands::EditPorts Edit() { return {confirm_, progress_, prompt_}; }
    [[nodiscard]] commands::ConfirmPort& Confirm() { return confirm_; }
    [[nodiscard]] commands::ProgressPort& Progress() { return progress_; }

private:
    commands::ConsoleConfirm confirm_;
    commands::ConsoleProgress progress_;
    commands::ConsoleEditPrompt prompt_;
};

// Tells every file the run did not change as asked ("lumaro: FILE: REASON"). 0 only when the
// command ran (or, with --dry-run, would run) and every file was done as asked, else 1.
[[nodiscard]] int ExitStatus(const std::optional<commands::BatchReport>& report,
                             std::ostream& err);

// 1 when a named file was skipped, else the status.
[[nodiscard]] int WithSkips(int status, const lumaro::GatheredFiles& files);

// Prints the usage and returns 2.
int Usage(std::ostream& err, std::string_view usage);

} // namespace lumaro_edit
