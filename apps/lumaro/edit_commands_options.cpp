#include "apps/lumaro/edit_commands_options.h"

#include <ostream>

namespace lumaro_edit {

std::optional<EditArguments> ParseEditArguments(std::span<const std::string> args,
                                                const ArgumentRules& rules, std::ostream& err) {
    EditArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--dry-run") {
            parsed.dryRun = true;
        } else if (arg == "--yes") {
            parsed.yes = true;
        } else if (rules.flags.contains(arg)) {
            parsed.flags.insert(arg);
        } else if (rules.valued.contains(arg)) {
            if (i + 1 == args.size()) {
                err << "lumaro: " << arg << " needs a value\n";
                return std::nullopt;
            }
            parsed.values[arg] = args[++i];
        } else if (arg.starts_with("--")) {
            err << "lumaro: unknown option " << arg << '\n';
            return std::nullopt;
        } else {
            parsed.words.push_back(arg);
        }
    }
    return parsed;
}

commands::Selection SelectionOf(std::span<const std::string> files) {
    return {files.begin(), files.end()};
}

int ExitStatus(const std::optional<commands::BatchReport>& report) {
    return report && !report->failure ? 0 : 1;
}

int Usage(std::ostream& err, std::string_view usage) {
    err << "usage: lumaro " << usage << '\n';
    return 2;
}

} // namespace lumaro_edit
