// lumaro: the utility's commands without windows, for scripts and tests.

#include "apps/lumaro/dump_command.h"
#include "apps/lumaro/edit_commands.h"
#include "apps/lumaro/file_commands.h"
#include "apps/lumaro/line_buffer.h"
#include "apps/lumaro/names_command.h"
#include "apps/lumaro/pane_command.h"
#include "apps/lumaro/presentation_command.h"
#include "apps/lumaro/settings_command.h"
#include "apps/lumaro/summary_command.h"

#include <cstdio>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

struct CommandRow {
    std::string_view name;
    Command run;
    std::string_view summary;
};

constexpr CommandRow kCommands[] = {
    {"dump", RunDumpCommand, "dump [--raw | --json] FILE...\n      the EXIF entries of each file"},
    {"summary", RunSummaryCommand,
     "summary [--json] [--fields NAME,NAME...] [--no-header] FILE...\n"
     "      the 25 summary values of each file, tab-separated or as JSON"},
    {"pane", RunPaneCommand,
     "pane [--fields NAME,NAME...] [--dump] [--json] FILE...\n      the detail pane of each file"},
    {"names", RunNamesCommand,
     "names (--date | --dcf PREFIX) [--to DIR] [--date-pattern N --date-sep S\n"
     "       --time-pattern N --time-sep S --digits N] FILE...\n"
     "      the new name each file would get; nothing is touched"},
    {"settings", RunSettingsCommand,
     "settings list [SECTION] | get SECTION VALUE | set SECTION VALUE TEXT\n"
     "      the utility's settings (section \".\" is the program key itself)"},
    {"title", RunTitleCommand,
     "title [--dry-run] TEXT FILE...\n      sets the picture title of each JPEG file in place"},
    {"comment", RunCommentCommand,
     "comment [--dry-run] TEXT FILE...\n      sets the comment of each JPEG file in place"},
    {"date", RunDateCommand,
     "date (--from-file | --at YYYY-MM-DD --time TEXT | --shift [+|-][D ]HH:MM[:SS])\n"
     "       [--tags DateTime,DateTimeOriginal,DateTimeDigitized] [--dry-run] FILE...\n"
     "      sets the date tags of each JPEG file: file time, one date, or its own date shifted"},
    {"exif-copy", RunExifCopyCommand,
     "exif-copy --from DIR [--dry-run] FILE...\n"
     "      gives each JPEG file the EXIF data of its camera original in DIR"},
    {"exif-add", RunExifAddCommand,
     "exif-add [--out DIR] [--yes] [--dry-run] FILE...\n"
     "      gives each JPEG file the EXIF data of the template picture Hestrom.jpg"},
    {"exif-delete", RunExifDeleteCommand,
     "exif-delete [--out DIR] [--yes] [--dry-run] FILE...\n"
     "      writes each JPEG file without its EXIF data"},
    {"thumbnail", RunThumbnailCommand,
     "thumbnail [--dry-run] FILE...\n      renews the embedded thumbnail of each JPEG file\n"
     "  thumbnail --extract [--out DIR] [--yes] [--dry-run] FILE...\n"
     "      saves the embedded thumbnail of each file as NAME_thumb.jpg"},
    {"rotate", RunRotateCommand,
     "rotate (--auto | 90 | 180 | 270 | --flip h|v) [--dry-run] FILE...\n"
     "      turns or mirrors each JPEG file without loss, as it is shown; --auto turns it\n"
     "      upright as its Orientation tag says; Orientation becomes 1"},
    {"copy", RunCopyFilesCommand,
     "copy --to DIR [--name keep|date|dcf] [--prefix P] [--dry-run] [--yes] FILE...\n"
     "      copies each file into DIR under its own, its shooting-date or a DCF name"},
    {"move", RunMoveFilesCommand,
     "move --to DIR [--name keep|date|dcf] [--prefix P] [--dry-run] [--yes] FILE...\n"
     "      moves each file into DIR under its own, its shooting-date or a DCF name"},
    {"rename", RunRenameFilesCommand,
     "rename --name date|dcf [--prefix P] [--dry-run] FILE...\n"
     "      renames each file in its folder by its shooting date or as a DCF name"},
    {"delete", RunDeleteFilesCommand,
     "delete [--permanent] [--dry-run] FILE...\n"
     "      moves each file into the trash, or with --permanent deletes it for good"},
    {"html", RunHtmlCommand,
     "html --out DIR --type T [--width N] [--thumb-width N] [--existing replace|exif|keep]\n"
     "       [--templates DIR] [--dry-run] [--yes] FILE...\n"
     "      publishes the files as an HTML album of the album type T"},
    {"csv", RunCsvCommand,
     "csv --out FILE|- [--dry-run] FILE...\n"
     "      lists the summary values of the files as CSV (the settings' CSV columns)"},
    {"presentation", RunPresentationCommand,
     "presentation [--to DIR] [--prefix P] [--dry-run] [--yes] FILE...\n"
     "      writes 640 x 480 copies into DIR under DCF names with the template picture's EXIF\n"
     "      data (DIR and P default to the settings' CrePrezen values)"},
};

constexpr std::string_view kFileOptions =
    "Every command that takes files also takes -r (a folder stands for the .JPG and .TIF files\n"
    "in it and its sub-folders), --files-from LIST (more files, one a line; - reads standard\n"
    "input) and -0 (the list is NUL-separated). \"--\" ends the options. The exit status is 0\n"
    "when every file was done as asked, 1 when a file failed or was skipped (each told on the\n"
    "error stream), 2 for a usage error.\n";

void PrintUsage(std::ostream& out) {
    out << "usage: lumaro COMMAND [ARGUMENTS]\n"
           "       lumaro COMMAND --help\n"
           "       lumaro --version\n\ncommands:\n";
    for (const CommandRow& row : kCommands) {
        out << "  " << row.summary << '\n';
    }
    out << '\n' << kFileOptions;
}

void PrintCommandHelp(const CommandRow& row, std::ostream& out) {
    out << "usage: lumaro " << row.summary << "\n\n" << kFileOptions;
}

// --help or -h among a command's options (before "--").
bool AsksForHelp(std::span<const std::string> args) {
    for (const std::string& arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Rows and listings leave in large pieces when they go to a file or a pipe; a terminal
    // keeps getting each line as it is made.
    static char outputBuffer[std::size_t{1} << 16];
    if (::isatty(STDOUT_FILENO) == 0) {
        std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    }
    lumaro::LineBuffer errorLines(*std::cerr.rdbuf());
    std::ostream err(&errorLines);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        PrintUsage(args.empty() ? err : std::cout);
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        std::cout << "lumaro " << LUMARO_VERSION << '\n';
        return 0;
    }
    for (const CommandRow& row : kCommands) {
        if (args[0] == row.name) {
            const auto rest = std::span(args).subspan(1);
            if (AsksForHelp(rest)) {
                PrintCommandHelp(row, std::cout);
                return 0;
            }
            return row.run(rest, std::cout, err);
        }
    }
    err << "lumaro: unknown command '" << args[0] << "'\n";
    PrintUsage(err);
    return 2;
}
