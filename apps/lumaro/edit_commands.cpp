// lumaro title, comment, thumbnail and exif-copy.

#include "apps/lumaro/edit_commands.h"

#include "apps/lumaro/edit_commands_options.h"
#include "commands/exif_copy.h"
#include "commands/text_tag_edit.h"
#include "commands/thumbnail_command.h"
#include "platform/codepage.h"

namespace {

using namespace lumaro_edit;

int RunTextCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                   commands::TextTag tag, std::string_view usage) {
    const auto arguments = ParseEditArguments(args, {}, err);
    if (!arguments || arguments->words.size() < 2) {
        return Usage(err, usage);
    }
    ConsolePorts ports(*arguments, out, err);
    const std::span<const std::string> files = std::span(arguments->words).subspan(1);
    return ExitStatus(commands::RunTextEdit(
        SelectionOf(files), tag, platform::Utf8ToCp932(arguments->words.front()), ports.Edit()));
}

} // namespace

int RunTitleCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunTextCommand(args, out, err, commands::TextTag::Title,
                          "title [--dry-run] TEXT FILE...");
}

int RunCommentCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return RunTextCommand(args, out, err, commands::TextTag::Comment,
                          "comment [--dry-run] TEXT FILE...");
}

int RunThumbnailCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = ParseEditArguments(args, {}, err);
    if (!arguments || arguments->words.empty()) {
        return Usage(err, "thumbnail [--dry-run] FILE...");
    }
    ConsolePorts ports(*arguments, out, err);
    return ExitStatus(commands::RunThumbnails(SelectionOf(arguments->words), ports.Edit()));
}

int RunExifCopyCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = ParseEditArguments(args, {{}, {"--from"}}, err);
    if (!arguments || !arguments->values.contains("--from") || arguments->words.empty()) {
        return Usage(err, "exif-copy --from DIR [--dry-run] FILE...");
    }
    ConsolePorts ports(*arguments, out, err);
    return ExitStatus(commands::RunExifCopy(SelectionOf(arguments->words),
                                            arguments->values.at("--from"), ports.Edit()));
}
