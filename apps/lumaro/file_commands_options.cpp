#include "apps/lumaro/file_commands_options.h"

#include <ostream>

namespace lumaro_files {

std::optional<std::string> FileArguments::Value(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional(found->second);
}

std::optional<FileArguments> ParseFileArguments(std::string_view command,
                                                std::span<const std::string> args,
                                                const ArgumentRules& rules, std::ostream& err) {
    FileArguments arguments;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!options || !arg.starts_with("--")) {
            arguments.files.emplace_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (arg == "--dry-run") {
            arguments.dryRun = true;
        } else if (arg == "--yes") {
            arguments.yes = true;
        } else if (rules.flags.contains(arg)) {
            arguments.flags.insert(arg);
        } else if (rules.valued.contains(arg) && i + 1 < args.size()) {
            arguments.values[arg] = args[++i];
        } else {
            err << "lumaro " << command << ": "
                << (rules.valued.contains(arg) ? "no value for " : "unknown option ") << arg
                << '\n';
            return std::nullopt;
        }
    }
    if (arguments.files.empty()) {
        err << "lumaro " << command << ": no file given\n";
        return std::nullopt;
    }
    return arguments;
}

void ConsoleFilePorts::Tell(const std::string& message) {
    err_ << "lumaro: " << message << '\n';
}

platform::OverwriteAnswer ConsoleFilePorts::AskOverwrite(const std::filesystem::path& /*source*/,
                                                         const std::filesystem::path& destination) {
    if (yes_) {
        return platform::OverwriteAnswer::YesToAll;
    }
    err_ << "lumaro: kept " << destination.string() << ", which exists (--yes replaces it)\n";
    return platform::OverwriteAnswer::No;
}

void ConsolePublishPort::Tell(const std::string& message) {
    err_ << "lumaro: " << message << '\n';
}

bool ConsolePublishPort::Ask(const std::string& question) {
    err_ << "lumaro: " << question << (yes_ ? " yes\n" : " no (--yes answers yes)\n");
    return yes_;
}

int ExitStatus(const commands::FileCommandResult& result) {
    return result.end == commands::DialogEnd::StayOpen || result.failed > 0 ? 1 : 0;
}

} // namespace lumaro_files
