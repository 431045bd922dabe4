// lumaro exif-add and exif-delete.

#include "apps/lumaro/edit_commands.h"
#include "apps/lumaro/edit_commands_options.h"
#include "commands/exif_add_delete.h"
#include "commands/template_picture.h"
#include "shell/shipped_files.h"

#include <ostream>

namespace {

using namespace lumaro_edit;

std::optional<EditArguments> OutputArguments(std::span<const std::string> args, std::ostream& err) {
    auto arguments = ParseEditArguments(args, {{}, {"--out"}}, err);
    if (arguments && arguments->words.empty()) {
        return std::nullopt;
    }
    return arguments;
}

commands::OutputChoice OutputOf(const EditArguments& arguments) {
    const auto out = arguments.values.find("--out");
    if (out == arguments.values.end()) {
        return {};
    }
    return {true, out->second};
}

// A dry run shows the rows without the folder question: it makes no folder.
int PrintRows(commands::BatchPlan plan, const commands::OutputChoice& output, ConsolePorts& ports,
              std::ostream& err) {
    if (output.copyToFolder && output.folder.empty()) {
        err << "コピー先フォルダを指定してください\n";
        return 1;
    }
    (void)commands::RunBatch(std::move(plan), ports.Confirm(), ports.Progress());
    return 0;
}

} // namespace

int RunExifAddCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = OutputArguments(args, err);
    if (!arguments) {
        return Usage(err, "exif-add [--out DIR] [--yes] [--dry-run] FILE...");
    }
    ConsolePorts ports(*arguments, out, err);
    const commands::Selection files = SelectionOf(arguments->words);
    const std::filesystem::path picture = commands::TemplatePicturePath(shell::ProgramFolder());
    if (arguments->dryRun) {
        if (const auto problem = commands::TemplatePictureProblem(picture)) {
            err << *problem << '\n';
            return 1;
        }
        return PrintRows(commands::PlanExifAdd(files, OutputOf(*arguments), picture),
                         OutputOf(*arguments), ports, err);
    }
    return ExitStatus(commands::RunExifAdd(files, OutputOf(*arguments), picture, ports.Edit()));
}

int RunExifDeleteCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = OutputArguments(args, err);
    if (!arguments) {
        return Usage(err, "exif-delete [--out DIR] [--yes] [--dry-run] FILE...");
    }
    ConsolePorts ports(*arguments, out, err);
    const commands::Selection files = SelectionOf(arguments->words);
    if (arguments->dryRun) {
        return PrintRows(commands::PlanExifDelete(files, OutputOf(*arguments)),
                         OutputOf(*arguments), ports, err);
    }
    return ExitStatus(commands::RunExifDelete(files, OutputOf(*arguments), ports.Edit()));
}
