// lumaro: the utility's commands without windows, for scripts and tests.

#include "apps/lumaro/dump_command.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

struct CommandRow {
    std::string_view name;
    Command run;
    std::string_view summary;
};

constexpr CommandRow kCommands[] = {
    {"dump", RunDumpCommand, "dump [--raw] FILE...      the EXIF entries of each file"},
};

void PrintUsage(std::ostream& out) {
    out << "usage: lumaro COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const CommandRow& row : kCommands) {
        out << "  " << row.summary << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintUsage(std::cout);
        return args.empty() ? 2 : 0;
    }
    for (const CommandRow& row : kCommands) {
        if (args[0] == row.name) {
            return row.run(std::span(args).subspan(1), std::cout, std::cerr);
        }
    }
    std::cerr << "lumaro: unknown command '" << args[0] << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
