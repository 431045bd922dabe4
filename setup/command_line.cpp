#include "setup/command_line.h"

#include "setup/text_primitives.h"

#include <string_view>

namespace setup {
namespace {

constexpr std::string_view kSilentOptions[] = {"/SILENT", "--SILENT"};
constexpr std::string_view kFolderOptions[] = {"/DIR=", "--DIR="};

bool IsSilentOption(std::string_view argument) {
    for (const std::string_view option : kSilentOptions) {
        if (UpperCp932(argument) == option) {
            return true;
        }
    }
    return false;
}

// The folder of a "/DIR=" option; none for other arguments.
std::optional<std::string> FolderOption(std::string_view argument) {
    for (const std::string_view option : kFolderOptions) {
        if (argument.size() >= option.size() &&
            UpperCp932(argument.substr(0, option.size())) == option) {
            return std::string(argument.substr(option.size()));
        }
    }
    return std::nullopt;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool haveFirst = false;
    for (const std::string& argument : arguments) {
        if (IsSilentOption(argument)) {
            line.silent = true;
        } else if (std::optional<std::string> folder = FolderOption(argument)) {
            line.folder = std::move(folder);
        } else if (!haveFirst) {
            line.firstArgument = argument;
            haveFirst = true;
        }
    }
    return line;
}

} // namespace setup
