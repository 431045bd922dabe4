#pragma once

// Starting an entry of the external-program table on a file: its command with "$P" and "$F"
// filled in, its working folder, and the EXIF steps of its option letters around the program's
// run. The wait for the program's end and the messages go through ports, so the window stays
// responsive while the program runs and tests run the whole launch without windows.

#include "platform/process_start.h"
#include "platform/result.h"
#include "shell/external_programs.h"
#include "shell/settings_exec.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// One parameter word with "$P" replaced by the file's folder and "$F" by its name (host
// encoding). Replaced text is not searched again.
[[nodiscard]] std::string SubstituteFileNames(std::string_view word,
                                              const std::filesystem::path& file);

struct ProgramCommand {
    std::vector<std::string> arguments; // the program first; host encoding
    std::filesystem::path workFolder;   // where the program starts
    // Option M. A hint only: X11 and Wayland desktops leave the state of a new window to its
    // own program and give the program that starts it no way to ask for a maximised one.
    bool maximize = false;
};

// The command of an entry for a file. The parameter text is split into words first (at blanks,
// double quotes grouping) and the names go into the words, so a folder with blanks stays one
// word. A program that is not executable is opened as a document (xdg-open), without
// parameters. The working folder is the entry's, or the file's folder when the entry has none.
// Fails, naming it, when the program or the working folder does not exist.
[[nodiscard]] platform::Result<ProgramCommand> ProgramCommandFor(const ExecEntry& entry,
                                                                 const std::filesystem::path& file);

// Starts the command in its working folder and returns without waiting. Fails, naming the
// program, when it cannot be started.
[[nodiscard]] platform::Result<platform::StartedProcess>
StartProgram(const ProgramCommand& command);

// The EXIF steps of the option letters around one run of a program on a file.
class ExifAroundProgram {
public:
    // Before the start: E saves the file's SOI and EXIF segment as the "_Exif" temporary file
    // and the whole file as "_Back"; D then takes the EXIF segment off the file, keeping the
    // file as it was in "_Strip" when E saved nothing. A file without an EXIF segment is left
    // as it is. Throws platform::FileError; the file is then unchanged
    // unless the strip itself failed half-way, which the writer's safe replace rules out.
    [[nodiscard]] static ExifAroundProgram Before(const ExecOptions& options,
                                                  const std::filesystem::path& file);

    // After the end: with a saved segment (E), puts it back in front of the file's picture,
    // with a new thumbnail for T, and removes the two temporary files; T alone renews the
    // thumbnail of the file's own EXIF data. The failure names the file and, when the segment
    // could not be put back, where the backup was kept.
    [[nodiscard]] platform::Status After() const;

    // Once the program runs: the copy D alone kept is no longer needed.
    void Started() const;

    // When the program could not be started: the backup (E's, or D's alone) goes back over the
    // file byte for byte and the temporary files are removed.
    [[nodiscard]] platform::Status Undo() const;

    // True while the "_Exif" and "_Back" temporary files hold this run's data.
    [[nodiscard]] bool HoldsTemporaryFiles() const { return saved_; }

private:
    ExifAroundProgram(const ExecOptions& options, std::filesystem::path file)
        : options_(options), file_(std::move(file)) {}

    ExecOptions options_;
    std::filesystem::path file_;
    bool saved_ = false;
    bool strippedOnly_ = false; // D without E took the segment off; "_Strip" holds the file
};

// How the launcher learns that a program has ended: in the program a watch on the process that
// calls back on the user-interface thread; in tests a wait.
class ProgramEndWatch {
public:
    virtual ~ProgramEndWatch() = default;
    // Calls `ended` once the process has ended: later, from the event loop, in the program;
    // after a wait inside this call in tests.
    virtual void WhenEnded(platform::StartedProcess process, std::function<void()> ended) = 0;
};

// What the launcher tells the user: a message box titled "LumaroUty" in the program.
class LaunchPrompt {
public:
    virtual ~LaunchPrompt() = default;
    virtual void Show(const std::string& message) = 0; // UTF-8
};

// The launcher of the file list's popup menu: entry A-Z of the table on the first selected file.
// The E, D and T steps run around the program, and the list is refreshed once it has ended
// (or could not start after the file was changed).
class ExternalProgramRun : public ExternalProgramLauncher {
public:
    // The table is read at every launch, so it follows the settings dialog's changes.
    ExternalProgramRun(const ExecTable& table, ProgramEndWatch& watch, LaunchPrompt& prompt,
                       std::function<void()> refresh);

    void Launch(char letter, const std::filesystem::path& file) override;

    // True while a program started with E runs: the temporary names are taken, and another
    // launch with E is refused with a message until it ends.
    [[nodiscard]] bool WaitingToRestore() const override { return waitingToRestore_; }

private:
    const ExecTable& table_;
    ProgramEndWatch& watch_;
    LaunchPrompt& prompt_;
    std::function<void()> refresh_;
    bool waitingToRestore_ = false;
};

} // namespace shell
