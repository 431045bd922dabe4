#pragma once

#include <iosfwd>
#include <span>
#include <string>

// lumaro dump [--raw] FILE...: the detail report of each file.
int RunDumpCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
