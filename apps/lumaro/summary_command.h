#pragma once

#include <iosfwd>
#include <span>
#include <string>

// lumaro summary FILE...: the 25 summary values of each file as a tab-separated table (UTF-8),
// a header row of the field names first.
int RunSummaryCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
