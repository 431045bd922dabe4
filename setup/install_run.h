#pragma once

// The state of one install, shared by its phases: what the user chose, the ports, the lists for
// the uninstaller, the error report, and the pacing of the steps.

#include "setup/error_report.h"
#include "setup/install_options.h"
#include "setup/log_journal.h"
#include "setup/path_macros.h"
#include "setup/ports.h"
#include "setup/script.h"
#include "setup/session.h"
#include "setup/uninstall_log.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace setup {

// Whether the install goes on after a step.
enum class Flow { Go, Stop };

enum class InstallOutcome {
    Completed, // ran to the end, perhaps with failures in the report
    Stopped,   // a fatal stop: its message was shown
    Aborted,   // the user aborted from the status window
};

// What the main window hands to the engine.
struct InstallRequest {
    std::string folder; // the folder box
    InstallOptions options;
};

struct InstallRun {
    InstallRun(const SetupSession& session, const SetupScript& script, PathMacros& macros,
               InstallRequest request, InstallPorts ports);

    const SetupSession& session;
    const SetupScript& script;
    PathMacros& macros;
    InstallRequest request;
    InstallPorts ports;

    // What the install made, for the uninstaller; with a log kept, each entry also goes to the
    // log the moment it is made.
    UninstallLists lists;
    LogJournal journal;
    ErrorReport report;
    // Failures shown in a box of their own rather than reported: a component server that does
    // not register, a program of [ExecuteFile] that does not start.
    int failuresOutsideReport = 0;
    bool restartRequested = false;
    InstallOutcome outcome = InstallOutcome::Completed;

    // (App) + "UNSETUP.INI".
    [[nodiscard]] std::string LogFile() const;
    [[nodiscard]] std::string Expand(std::string_view text) const;

    // Sets the status message (CP932).
    void Show(const std::string& message);
    // Ends a step: the abort check, then the pause of [Extend] SetupSpeed.
    [[nodiscard]] Flow EndStep();
    // Show and EndStep.
    [[nodiscard]] Flow Step(const std::string& message);
    void Pause(int milliseconds);

    // Records what was made: in its list and, when the log is open, in the log at once. A file
    // gets its record when one is given.
    void Record(LogListId list, std::string_view entry);
    void RecordFile(std::string_view entry, std::optional<FileRecord> record);
    // Keeps the extension's earlier file type, unless a slot holds the extension already.
    void RecordRelate(std::string_view extension, std::string_view previousType);

    [[nodiscard]] Answer Ask(MessageBox box);
    // Shows the message with the stop icon and ends the install.
    [[nodiscard]] Flow FatalStop(std::string_view utf8Text, std::string_view utf8Title);

private:
    void AppendToLog(std::span<const LogLine> lines);
};

} // namespace setup
