#pragma once

#include <iosfwd>
#include <span>
#include <string>

// lumaro names (--date | --dcf PREFIX) [--to DIR] [--date-pattern N --date-sep S
// --time-pattern N --time-sep S --digits N] FILE...: the new name each file would get in one
// batch, "old<TAB>new" per line (UTF-8). No file is touched.
int RunNamesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
