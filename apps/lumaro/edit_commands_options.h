#pragma once

// What the editing subcommands of lumaro share: their arguments, the ports without windows and
// the exit status of a run.

#include "commands/batch_run.h"
#include "commands/console_edit_prompt.h"
#include "commands/console_ports.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace lumaro_edit {

struct EditArguments {
    bool dryRun = false;
    bool yes = false;
    std::set<std::string> flags;               // the command's own switches that were given
    std::map<std::string, std::string> values; // its options with a value
    std::vector<std::string> words;            // the rest, in order: texts and files
};

// The command's own switches and options with a value (--dry-run and --yes are always known).
struct ArgumentRules {
    std::set<std::string_view> flags;
    std::set<std::string_view> valued;
};

// Nothing, with the reason on err, for an unknown option or a missing value.
[[nodiscard]] std::optional<EditArguments> ParseEditArguments(std::span<const std::string> args,
                                                              const ArgumentRules& rules,
                                                              std::ostream& err);

[[nodiscard]] commands::Selection SelectionOf(std::span<const std::string> files);

// The ports of one run: rows printed and declined with --dry-run, progress and messages on
// the error stream, questions answered as --yes says.
class ConsolePorts {
public:
    ConsolePorts(const EditArguments& arguments, std::ostream& out, std::ostream& err)
        : confirm_(out, arguments.dryRun), progress_(err), prompt_(err, arguments.yes) {}
    [[nodiscard]] commands::EditPorts Edit() { return {confirm_, progress_, prompt_}; }
    [[nodiscard]] commands::ConfirmPort& Confirm() { return confirm_; }
    [[nodiscard]] commands::ProgressPort& Progress() { return progress_; }

private:
    commands::ConsoleConfirm confirm_;
    commands::ConsoleProgress progress_;
    commands::ConsoleEditPrompt prompt_;
};

// 1 when the command was refused or stopped at a file, else 0.
[[nodiscard]] int ExitStatus(const std::optional<commands::BatchReport>& report);

// Prints the usage and returns 2.
int Usage(std::ostream& err, std::string_view usage);

} // namespace lumaro_edit
