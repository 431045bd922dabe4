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
publish::PresentationRequest RequestOf(const EditArguments& arguments) {
    publish::PresentationRequest request =
        publish::ReadPresentationSettings(shell::SettingsStore::OpenMachine());
    if (const auto to = arguments.values.find("--to"); to != arguments.values.end()) {
        request.folder = to->second;
    }
    if (const auto prefix = arguments.values.find("--prefix"); prefix != arguments.values.end()) {
        request.prefix = platform::Utf8ToCp932(prefix->second);
    }
    return request;
}

} // namespace

int RunPresentationCommand(std::span<const std::string> args, std::ostream& out,
                           std::ostream& err) {
    const auto arguments = ParseEditArguments(args, {{}, {"--to", "--prefix"}}, err);
    if (!arguments || arguments->words.empty()) {
        return Usage(err, kUsage);
    }
    ConsolePorts ports(*arguments, out, err);
    const commands::Selection files = SelectionOf(arguments->words);
    const publish::PresentationRequest request = RequestOf(*arguments);
    const std::filesystem::path picture = commands::TemplatePicturePath(shell::ProgramFolder());
    if (arguments->dryRun) {
        // The rows without the folder question: a dry run makes no folder.
        if (request.folder.empty()) {
            err << "コピー先フォルダを指定してください\n";
            return 1;
        }
        (void)commands::RunBatch(publish::PlanPresentationFiles(files, request, picture),
                                 ports.Confirm(), ports.Progress());
        return 0;
    }
    return ExitStatus(publish::RunPresentationFiles(files, request, picture, ports.Edit()));
}
