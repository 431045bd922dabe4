// lumaro title, comment, thumbnail and exif-copy.

#include "apps/lumaro/edit_commands.h"

#include "apps/lumaro/edit_commands_options.h"
#include "apps/lumaro/thumbnail_extract.h"
#include "commands/exif_copy.h"
#include "commands/text_tag_edit.h"
#include "commands/thumbnail_command.h"
#include "platform/codepage.h"

namespace {

using namespace lumaro_edit;

int RunTextCommand(std::string_view command, std::span<const std::string> args,
                   std::ostream& out, std::ostream& err, commands::TextTag tag,
                   std::string_view usage) {
    const auto arguments = ParseEditArguments(command, args, {}, err);
    if (!arguments || arguments->operands.empty()) {
        return Usage(err, usage);
    }
    const auto files = std::span(arguments->operands).subspan(1);
    if (lumaro::NamesNoFile(*arguments, files)) {
        return Usage(err, usage);
    }
    const auto gathered = lumaro::GatherFiles(*arguments, files, err);
    if (!gathered) {
        return 2;
    }
    ConsolePorts ports(*arguments, out, err);
    const std::string text = platform::Utf8ToCp932(arguments->operands.front());
    return WithSkips(
        ExitStatus(commands::RunTextEdit(gathered->files, tag, text, ports.Edit()), err),
        *gathered);
}

} // namespace

int RunTitleCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunTextCommand("title", args, out, err, commands::TextTag::Title,
                          "title [--dry-run] TEXT FILE...");
}

int RunCommentCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunTextCommand("comment", args, out, err, commands::TextTag::Comment,
                          "comment [--dry-run] TEXT FILE...");
}

int RunThumbnailCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    constexpr std::string_view kUsage = "thumbnail [--dry-run] FILE...\n"
                                        "       lumaro thumbnail --extract [--out DIR] FILE...";
    const auto arguments = ParseEditArguments("thumbnail", args, {{"--extract"}, {"--out"}}, err);
    if (!arguments || lumaro::NamesNoFile(*arguments, arguments->operands) ||
        (arguments->Value("--out") && !arguments->Has("--extract"))) {
        return Usage(err, kUsage);
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return 2;
    }
    if (arguments->Has("--extract")) {
        return WithSkips(lumaro::ExtractThumbnails(gathered->files, *arguments, out, err),
                         *gathered);
    }
    ConsolePorts ports(*arguments, out, err);
    return WithSkips(ExitStatus(commands::RunThumbnails(gathered->files, ports.Edit()), err),
                     *gathered);
}

int RunExifCopyCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    constexpr std::string_view kUsage = "exif-copy --from DIR [--dry-run] FILE...";
    const auto arguments = ParseEditArguments("exif-copy", args, {{}, {"--from"}}, err);
    if (!arguments || !arguments->Value("--from") ||
        lumaro::NamesNoFile(*arguments, arguments->operands)) {
        return Usage(err, kUsage);
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return 2;
    }
    ConsolePorts ports(*arguments, out, err);
    return WithSkips(ExitStatus(commands::RunExifCopy(gathered->files, *arguments->Value("--from"),
                                                      ports.Edit()),
                                err),
                     *gathered);
}
