#include "apps/lumaro/edit_commands_options.h"

#include <ostream>

namespace lumaro_edit {

std::optional<Arguments> ParseEditArguments(std::string_view command,
                                            std::span<const std::string> args,
                                            lumaro::ArgumentRules rules, std::ostream& err) {
    rules.flags.insert({"--dry-run", "--yes", "--no-header"});
    return lumaro::ParseArguments(command, args, rules, err);
}

int ExitStatus(const std::optional<commands::BatchReport>& report, std::ostream& err) {
    if (!report) {
        return 1;
    }
    for (const commands::FileNote& note : report->notes) {
        lumaro::TellFile(err, note.file, note.reason);
    }
    return report->failure || !report->notes.empty() ? 1 : 0;
}

int WithSkips(int status, const lumaro::GatheredFiles& files) {
    return status == 0 && files.skipped ? 1 : status;
}

int Usage(std::ostream& err, std::string_view usage) {
    err << "usage: lumaro " << usage << '\n';
    return 2;
}

} // namespace lumaro_edit
