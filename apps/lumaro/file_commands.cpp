#include "apps/lumaro/file_commands.h"

#include "apps/lumaro/file_commands_options.h"
#include "commands/file_delete_command.h"
#include "commands/file_rename_command.h"
#include "commands/file_transfer_command.h"
#include "platform/codepage.h"
#include "shell/settings_live.h"
#include "shell/settings_store.h"
#include "shell/settings_values.h"

#include <ostream>

namespace {

using namespace lumaro_files;

constexpr const char* kDefaultPrefix = "DSCN";

// The date-name settings the utility uses, so that a pattern chosen there applies here too.
// Only their five values are read: the whole live copy holds the external-program table too.
exif::NameTemplateSettings SavedNameSettings(std::ostream& err) {
    using namespace shell::settings;
    const shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    if (!store.Problem().empty()) {
        err << "lumaro: " << store.Problem() << "; using the default name settings\n";
    }
    shell::LiveSettings live{};
    live.setup.datePattern = store.Read(kSetupDate1);
    live.setup.dateSeparator = store.Read(kSetupDate2);
    live.setup.timePattern = store.Read(kSetupDate3);
    live.setup.timeSeparator = store.Read(kSetupDate4);
    live.setup.digits = store.Read(kSetupDate5);
    return live.NameTemplate();
}

std::optional<commands::NamingChoice> NamingOf(const std::string& text, bool keepAllowed) {
    if (text == "keep" && keepAllowed) {
        return commands::NamingChoice::Keep;
    }
    if (text == "date") {
        return commands::NamingChoice::ShotDate;
    }
    if (text == "dcf") {
        return commands::NamingChoice::Dcf;
    }
    return std::nullopt;
}

std::string PrefixOf(const Arguments& arguments) {
    return platform::Utf8ToCp932(arguments.Value("--prefix").value_or(kDefaultPrefix));
}

int Usage(std::ostream& err, const char* usage) {
    err << "usage: lumaro " << usage << '\n';
    return 2;
}

// The files the operands name; nothing when there are none (a usage error) or when the list
// cannot be read.
std::optional<lumaro::GatheredFiles> FilesOf(const std::optional<Arguments>& arguments,
                                             std::ostream& err) {
    if (!arguments || lumaro::NamesNoFile(*arguments, arguments->operands)) {
        return std::nullopt;
    }
    return lumaro::GatherFiles(*arguments, arguments->operands, err);
}

int StatusOf(const commands::FileCommandResult& result, const lumaro::GatheredFiles& files,
             const ConsoleFilePorts& console) {
    const int status = ExitStatus(result);
    return status == 0 && (files.skipped || console.KeptInDryRun()) ? 1 : status;
}

int Transfer(platform::TransferKind kind, std::span<const std::string> args, std::ostream& out,
             std::ostream& err) {
    const char* name = kind == platform::TransferKind::Copy ? "copy" : "move";
    const std::string usage =
        std::string(name) +
        " --to DIR [--name keep|date|dcf] [--prefix P] [--dry-run] [--yes] FILE...";
    const auto arguments =
        ParseFileArguments(name, args, {{}, {"--to", "--name", "--prefix"}}, err);
    const auto naming =
        arguments ? NamingOf(arguments->Value("--name").value_or("keep"), true) : std::nullopt;
    const auto files = naming && arguments->Value("--to") ? FilesOf(arguments, err) : std::nullopt;
    if (!files) {
        return Usage(err, usage.c_str());
    }
    const commands::TransferDialogValues values{*arguments->Value("--to"), PrefixOf(*arguments),
                                                "$F", *naming};
    ThrottledStream report(err);
    ConsoleFilePorts console(*arguments, out, report.Stream(), true);
    commands::FileCommandPorts ports = console.Ports();
    return StatusOf(commands::RunTransferCommand(kind, values, SavedNameSettings(report.Stream()),
                                                 {files->files, {}}, ports),
                    *files, console);
}

} // namespace

int RunCopyFilesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return Transfer(platform::TransferKind::Copy, args, out, err);
}

int RunMoveFilesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    return Transfer(platform::TransferKind::Move, args, out, err);
}

int RunRenameFilesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const char* usage = "rename --name date|dcf [--prefix P] [--dry-run] [--yes] FILE...";
    const auto arguments = ParseFileArguments("rename", args, {{}, {"--name", "--prefix"}}, err);
    const auto naming =
        arguments ? NamingOf(arguments->Value("--name").value_or(""), false) : std::nullopt;
    const auto files = naming ? FilesOf(arguments, err) : std::nullopt;
    if (!files) {
        return Usage(err, usage);
    }
    const commands::RenameDialogValues values{PrefixOf(*arguments), "$F", *naming};
    ThrottledStream report(err);
    ConsoleFilePorts console(*arguments, out, report.Stream(), true);
    commands::FileCommandPorts ports = console.Ports();
    return StatusOf(commands::RunRenameCommand(values, SavedNameSettings(report.Stream()),
                                               {files->files, {}}, ports),
                    *files, console);
}

int RunDeleteFilesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = ParseFileArguments("delete", args, {{"--permanent"}, {}}, err);
    const auto files = FilesOf(arguments, err);
    if (!files) {
        return Usage(err, "delete [--permanent] [--dry-run] [--yes] FILE...");
    }
    const auto kind = arguments->Has("--permanent") ? platform::DeleteKind::Permanently
                                                    : platform::DeleteKind::ToTrash;
    ThrottledStream report(err);
    ConsoleFilePorts console(*arguments, out, report.Stream());
    commands::FileCommandPorts ports = console.Ports();
    return StatusOf(commands::RunDeleteCommand(kind, {files->files, {}}, ports), *files, console);
}
