#pragma once

#include <iosfwd>
#include <span>
#include <string>

// lumaro dump [--raw | --json] FILE...: the detail report of each file, or one JSON array of
// an object per file.
int RunDumpCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
