#pragma once

#include <iosfwd>
#include <span>
#include <string>

// lumaro settings list [SECTION] | get SECTION VALUE | set SECTION VALUE TEXT: the utility's
// registry settings from the command line. Text in and out is UTF-8; binary records are
// hexadecimal. The section "." is the program key itself, which holds the binary records.
int RunSettingsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
