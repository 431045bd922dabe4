// lumaro date.

#include "apps/lumaro/edit_commands.h"
#include "apps/lumaro/edit_commands_options.h"
#include "commands/date_edit.h"
#include "platform/codepage.h"

#include <cstdio>
#include <ostream>

namespace {

using namespace lumaro_edit;

constexpr std::string_view kUsage =
    "date (--from-file | --at YYYY-MM-DD --time TEXT | --shift OFFSET)\n"
    "                  [--tags DateTime,DateTimeOriginal,DateTimeDigitized] [--dry-run] FILE...\n"
    "OFFSET is [+|-][DAYS ]HH:MM[:SS], added to each file's own DateTime.";

std::optional<commands::CalendarDate> ParseDay(const std::string& text) {
    commands::CalendarDate date;
    char end = 0;
    if (text.size() != 10 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &date.year, &date.month, &date.day, &end) != 3) {
        return std::nullopt;
    }
    return date;
}

// The tags named in a comma-separated list; nothing for a name that is not a date tag.
std::optional<commands::DateTargets> ParseTags(const std::string& list) {
    commands::DateTargets targets{false, false, false};
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        if (name == "DateTime") {
            targets.dateTime = true;
        } else if (name == "DateTimeOriginal") {
            targets.dateTimeOriginal = true;
        } else if (name == "DateTimeDigitized") {
            targets.dateTimeDigitized = true;
        } else if (!name.empty()) {
            return std::nullopt;
        }
        start = comma + 1;
    }
    return targets;
}

// The request the options describe; nothing unless exactly one way to the new date is given.
std::optional<commands::DateEditRequest> RequestOf(const Arguments& arguments) {
    const auto& values = arguments.values;
    const bool fromFile = arguments.Has("--from-file");
    const bool at = values.contains("--at") || values.contains("--time");
    const bool shift = values.contains("--shift");
    if (fromFile + at + shift != 1) {
        return std::nullopt;
    }
    commands::DateEditRequest request;
    if (at) {
        const auto day = values.contains("--at") ? ParseDay(values.at("--at")) : std::nullopt;
        if (!day || !values.contains("--time")) {
            return std::nullopt;
        }
        request.source = commands::DateSource::Given;
        request.date = *day;
        request.timeText = platform::Utf8ToCp932(values.at("--time"));
    } else if (shift) {
        request.source = commands::DateSource::Shift;
        request.shiftText = values.at("--shift");
    }
    if (values.contains("--tags")) {
        const auto targets = ParseTags(values.at("--tags"));
        if (!targets) {
            return std::nullopt;
        }
        request.targets = *targets;
    }
    return request;
}

} // namespace

int RunDateCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto arguments = ParseEditArguments(
        "date", args, {{"--from-file"}, {"--at", "--time", "--shift", "--tags"}}, err);
    const auto request = arguments ? RequestOf(*arguments) : std::nullopt;
    if (!request || lumaro::NamesNoFile(*arguments, arguments->operands)) {
        return Usage(err, kUsage);
    }
    const auto gathered = lumaro::GatherFiles(*arguments, arguments->operands, err);
    if (!gathered) {
        return 2;
    }
    ConsolePorts ports(*arguments, out, err);
    return WithSkips(
        ExitStatus(commands::RunDateEdit(gathered->files, *request, ports.Edit()), err),
        *gathered);
}
