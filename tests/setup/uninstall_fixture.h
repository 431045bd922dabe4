#pragma once

// Uninstalls driven headless: the shared-file dialog answered from a queue, an uninstall
// session started on a log as the recorded command would start it, and a snapshot of the
// machine (files of the machine folder and every registry value) to compare before and after.

#include "setup/uninstall_engine.h"
#include "tests/setup/install_fixture.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace setup_test {

class ScriptedSharedFiles : public setup::SharedFilePort {
public:
    void AnswerNext(setup::SharedFileAnswer answer) { answers_.push_back(answer); }
    // Asked with no queued answer left: "No", the safe one.
    setup::SharedFileAnswer Ask(const std::string& message) override;

    std::vector<std::string> questions; // UTF-8

private:
    std::deque<setup::SharedFileAnswer> answers_;
};

// What a machine holds: every file and folder under the machine folder but the registry
// database ("dir" or the file's size and contents digest), and every registry key and value.
struct MachineState {
    std::map<std::string, std::string> files;
    std::map<std::string, std::string> registry; // "ROOT\key" -> "" ; "ROOT\key|name" -> data
};

// The entries of after that before lacks, and of before that after lacks or holds otherwise.
struct MachineDifference {
    std::set<std::string> added;
    std::set<std::string> lostOrChanged;
};
[[nodiscard]] MachineDifference Compare(const MachineState& before, const MachineState& after);

class UninstallTest : public InstallTest {
protected:
    UninstallTest();
    ~UninstallTest() override;

    // Starts an uninstall session on the log (a Windows spelling) from the Windows folder, as
    // the recorded command does, and reads the log copy.
    void StartUninstall(std::string_view logFile = "C:\\Program Files\\Test\\UNSETUP.INI");
    // Starts when not started, then runs the uninstall with the options (by default those of
    // the boxes as the main window first shows them).
    setup::UninstallResult Uninstall(std::optional<setup::UninstallOptions> chosen = {});

    [[nodiscard]] MachineState Snapshot() const;
    // The machine's own folders (Windows, System, special folders, Program Files) made, as the
    // first run of any program makes them.
    void UseMachine() const;

    ScriptedPorts uninstallPorts;
    ScriptedSharedFiles sharedFiles;
    std::optional<setup::SetupSession> uninstallSession;
    std::optional<setup::UninstallLog> log;
    std::optional<setup::PathMacros> uninstallMacros;

private:
    std::filesystem::path savedCurrent_;
    std::optional<std::string> savedHome_;
};

} // namespace setup_test
