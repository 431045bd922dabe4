#include "apps/lumaro/presentation_command.h"

#include "apps/lumaro/edit_commands_options.h"
#include "commands/template_picture.h"
#include "platform/codepage.h"
#include "publish/presentation_files.h"
#include "shell/shipped_files.h"

#include <ostream>

namespace {

using namespace lumaro_edit;

constexpr std::string_view kUsage =
    "presentation [--to DIR] [--prefix P] [--yes] [--dry-run] FILE...";

// The stored folder and prefix of the section CrePrezen, replaced by those given.
publish::PresentationRequest RequestOf(const Arguments& arguments) {
    publish::PresentationRequest request =
        publish::ReadPresentationSettings(shell::SettingsStore::OpenMachine());
    if (const auto to = arguments.Value("--to")) {
        request.folder = *to;
    }
    if (const auto prefix = arguments.Value("--prefix")) {
        request.prefix = platform::Utf8ToCp932(*prefix);
    }
    return request;
}

} // namespace

int RunPresentationCommand(std::span<const std::string> args, std::ostream& out,
                           std::ostream& err) {
    const auto arguments =
        ParseEditArguments("presentation", args, {{}, {"--to", "--prefix"}}, err);
    if (!arguments || lumaro::NamesNoFile(*arguments, arguments->operands)) {
        return Usage(err, kUsage);
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return 2;
    }
    ConsolePorts ports(*arguments, out, err);
    const publish::PresentationRequest request = RequestOf(*arguments);
    const std::filesystem::path picture = commands::TemplatePicturePath(shell::ProgramFolder());
    if (!arguments->Has("--dry-run")) {
        return WithSkips(ExitStatus(publish::RunPresentationFiles(gathered->files, request,
                                                                  picture, ports.Edit()),
                                    err),
                         *gathered);
    }
    // The rows without the folder question: a dry run makes no folder.
    if (request.folder.empty()) {
        err << "コピー先フォルダを指定してください\n";
        return 1;
    }
    return WithSkips(ExitStatus(commands::RunBatch(publish::PlanPresentationFiles(
                                                       gathered->files, request, picture),
                                                   ports.Confirm(), ports.Progress()),
                                err),
                     *gathered);
}
