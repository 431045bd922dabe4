#pragma once

// The file subcommands of lumaro: the file menu's copy, move, automatic rename and delete, the
// HTML album and the CSV listing, without windows. Each takes --dry-run (print the planned
// rows, change nothing) and --yes (answer Yes to the questions: replace a file, make a folder).
// Files may come from several folders; each file's own folder is its current folder. Text
// arguments are UTF-8. Exit status: 0 done, 1 a file could not be handled or was kept (each
// told), 2 bad arguments. html makes its output folders as copy makes its destination.

#include <iosfwd>
#include <span>
#include <string>

// copy --to DIR [--name keep|date|dcf] [--prefix P] FILE...
int RunCopyFilesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// move --to DIR [--name keep|date|dcf] [--prefix P] FILE...
int RunMoveFilesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// rename (--name date|dcf) [--prefix P] FILE...
int RunRenameFilesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// delete [--permanent] FILE...: into the trash, or for good.
int RunDeleteFilesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// html --out DIR --type T [--width N] [--thumb-width N] [--existing replace|exif|keep]
//      [--templates DIR] FILE...
int RunHtmlCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// csv --out FILE FILE...: the columns of the settings' CSV list.
int RunCsvCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
