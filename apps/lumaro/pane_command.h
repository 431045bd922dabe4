#pragma once

#include <iosfwd>
#include <span>
#include <string>

// lumaro pane [--fields NAME,NAME...] [--dump] FILE...: the detail pane of each file (UTF-8),
// with all 25 fields unless --fields chooses them.
int RunPaneCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
