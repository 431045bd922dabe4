// lumaro exif-add and exif-delete.

#include "apps/lumaro/edit_commands.h"
#include "apps/lumaro/edit_commands_options.h"
#include "commands/exif_add_delete.h"
#include "commands/template_picture.h"
#include "shell/shipped_files.h"

#include <ostream>

namespace {

using namespace lumaro_edit;

commands::OutputChoice OutputOf(const Arguments& arguments) {
    const auto out = arguments.Value("--out");
    if (!out) {
        return {};
    }
    return {true, *out};
}

// A dry run shows the rows without the folder question: it makes no folder.
int PrintRows(commands::BatchPlan plan, const commands::OutputChoice& output, ConsolePorts& ports,
              std::ostream& err) {
    if (output.copyToFolder && output.folder.empty()) {
        err << "コピー先フォルダを指定してください\n";
        return 1;
    }
    return ExitStatus(commands::RunBatch(std::move(plan), ports.Confirm(), ports.Progress()), err);
}

using Planner = commands::BatchPlan (*)(const commands::Selection&, const commands::OutputChoice&,
                                        const std::filesystem::path&);
using Runner = std::optional<commands::BatchReport> (*)(const commands::Selection&,
                                                        const commands::OutputChoice&,
                                                        const std::filesystem::path&,
                                                        commands::EditPorts);

// The two commands differ only in their plan and run; exif-delete takes no template picture.
int RunOutputCommand(std::string_view command, std::span<const std::string> args,
                     std::ostream& out, std::ostream& err, Planner plan, Runner run,
                     const std::filesystem::path& picture) {
    const std::string usage = std::string(command) + " [--out DIR] [--yes] [--dry-run] FILE...";
    const auto arguments = ParseEditArguments(command, args, {{}, {"--out"}}, err);
    if (!arguments || lumaro::NamesNoFile(*arguments, arguments->operands)) {
        return Usage(err, usage);
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return 2;
    }
    ConsolePorts ports(*arguments, out, err);
    if (!arguments->Has("--dry-run")) {
        return WithSkips(ExitStatus(run(gathered->files, OutputOf(*arguments), picture,
                                        ports.Edit()),
                                    err),
                         *gathered);
    }
    if (!picture.empty()) {
        if (const auto problem = commands::TemplatePictureProblem(picture)) {
            err << *problem << '\n';
            return 1;
        }
    }
    return WithSkips(
        PrintRows(plan(gathered->files, OutputOf(*arguments), picture), OutputOf(*arguments),
                  ports, err),
        *gathered);
}

} // namespace

int RunExifAddCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunOutputCommand("exif-add", args, out, err, commands::PlanExifAdd,
                            commands::RunExifAdd,
                            commands::TemplatePicturePath(shell::ProgramFolder()));
}

int RunExifDeleteCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunOutputCommand(
        "exif-delete", args, out, err,
        [](const commands::Selection& files, const commands::OutputChoice& output,
           const std::filesystem::path&) { return commands::PlanExifDelete(files, output); },
        [](const commands::Selection& files, const commands::OutputChoice& output,
           const std::filesystem::path&, commands::EditPorts ports) {
            return commands::RunExifDelete(files, output, ports);
        },
        {});
}
