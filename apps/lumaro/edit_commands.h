#pragma once

// The EXIF editing commands of lumaro, the same batch commands as the utility's edit menu run
// without windows. Each takes --dry-run (print the confirmation rows, change nothing) and
// --yes (answer Yes to the folder question). Text arguments are UTF-8 and are written as CP932.
// Files may come from several folders; each file's own folder is its current folder.
// Each file not changed as asked is told with the reason. Exit status 0 when every file was
// done (or, with --dry-run, would be), 1 when the command was refused, stopped at a file or
// left one alone, 2 for a usage error.

#include <iosfwd>
#include <span>
#include <string>

// lumaro title TEXT FILE...
int RunTitleCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// lumaro comment TEXT FILE...
int RunCommentCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// lumaro date (--from-file | --at YYYY-MM-DD --time TEXT | --shift OFFSET)
//             [--tags DateTime,DateTimeOriginal,DateTimeDigitized] FILE...
int RunDateCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// lumaro exif-copy --from DIR FILE...
int RunExifCopyCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// lumaro exif-add [--out DIR] FILE...
int RunExifAddCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// lumaro exif-delete [--out DIR] FILE...
int RunExifDeleteCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// lumaro thumbnail FILE..., or thumbnail --extract [--out DIR] FILE...
int RunThumbnailCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// lumaro rotate (--auto | 90 | 180 | 270 | --flip h|v) FILE...
int RunRotateCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
