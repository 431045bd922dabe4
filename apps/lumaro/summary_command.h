#pragma once

#include <iosfwd>
#include <span>
#include <string>

// lumaro summary [--json] [--fields NAME,NAME...] [--no-header] FILE...: the summary values of
// each file (all 25 unless --fields chooses them, by Japanese or English name) as a
// tab-separated table (UTF-8), a header row of the field names first; with --json one JSON
// array of an object per file.
int RunSummaryCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
