#pragma once

// How every lumaro command reads its arguments: its own switches and options with a value
// ("--out DIR" or "--out=DIR"), and its operands (texts, files) in order. An argument that
// begins with "-" and is no option of the command is a usage error, never a file name; "--"
// ends the options. Commands that take files also take -r (a folder stands for the photos in
// it and in its sub-folders), --files-from LIST (more files, one a line, from a file or "-" for
// standard input) and -0 (the list is separated by NUL bytes instead).

#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

// The options of one command.
struct ArgumentRules {
    std::set<std::string_view> flags;  // switches
    std::set<std::string_view> valued; // options with a value
    bool takesFiles = true;            // adds -r, -0 and --files-from
};

struct Arguments {
    std::set<std::string> flags;
    std::map<std::string, std::string> values;
    std::vector<std::string> operands;

    [[nodiscard]] bool Has(std::string_view flag) const;
    [[nodiscard]] std::optional<std::string> Value(const std::string& name) const;
};

// Nothing, with the reason on err, for an unknown option or a missing value.
[[nodiscard]] std::optional<Arguments> ParseArguments(std::string_view command,
                                                      std::span<const std::string> args,
                                                      const ArgumentRules& rules,
                                                      std::ostream& err);

// True when the operands and --files-from name nothing at all: a usage error.
[[nodiscard]] bool NamesNoFile(const Arguments& arguments, std::span<const std::string> operands);

struct GatheredFiles {
    std::vector<std::filesystem::path> files;
    bool skipped = false; // a name that is no file (missing, or a folder without -r): told on err
};

// The files the operands and the --files-from list name, in order, each folder (with -r)
// replaced by its photos sorted by path. Nothing, with the reason on err, when the list cannot
// be read.
[[nodiscard]] std::optional<GatheredFiles>
GatherFiles(const Arguments& arguments, std::span<const std::string> operands, std::ostream& err);

// "lumaro: FILE: REASON" on err.
void TellFile(std::ostream& err, const std::filesystem::path& file, std::string_view reason);

} // namespace lumaro
