#pragma once

#include <iosfwd>
#include <span>
#include <string>

// lumaro pane [--fields NAME,NAME...] [--dump] [--json] FILE...: the detail pane of each file
// (UTF-8), with all 25 fields unless --fields chooses them (by Japanese or English name); with
// --json one JSON array of an object per file holding the fields the pane shows.
int RunPaneCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
