#pragma once

// Installs driven headless: ports that record what the user would see and answer from a script
// of answers, and a fixture that starts a session on the test's medium and runs the engine.

#include "platform/registry.h"
#include "setup/install_engine.h"
#include "setup/macro_folders.h"
#include "setup/ports.h"
#include "setup/script.h"
#include "setup/session.h"
#include "tests/setup/setup_fixture.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace setup_test {

// Every box is recorded; a box whose title has queued answers takes the next one, any other
// the first button (Yes or OK).
class ScriptedPorts : public setup::MessagePort,
                      public setup::StatusPort,
                      public setup::MainWindowPort {
public:
    // Titles and texts are UTF-8 here.
    void AnswerNext(std::string_view title, setup::Answer answer);
    // The abort button is taken once a status message holding the text has been shown.
    void AbortAt(std::string_view messageText) { abortAt_ = Sjis(messageText); }
    // Called with each box before it is answered (a test may change the machine meanwhile).
    std::function<void(const setup::MessageBox&)> onBox;

    setup::Answer Show(const setup::MessageBox& box) override;
    void Show() override { events.push_back("status shown"); }
    void Hide() override { events.push_back("status hidden"); }
    void HideMainWindow() override { events.push_back("main window hidden"); }
    void SetMessage(const std::string& message) override;
    void ShowProgressFrame(bool visible) override;
    void SetProgress(int position, const std::string& text) override;
    void EnableAbort(bool enabled) override;
    bool AbortRequested() override { return aborted_; }
    void Pause(int milliseconds) override { pauses.push_back(milliseconds); }
    void ShowReportUntilContinue(const std::string& frameTitle, const std::string& report) override;

    [[nodiscard]] setup::InstallPorts Ports() { return {*this, *this, *this}; }

    // The boxes shown, as "title: text" in UTF-8.
    [[nodiscard]] std::vector<std::string> BoxTexts() const;
    // Whether a box with this title was shown.
    [[nodiscard]] bool ShowedBox(std::string_view title) const;
    [[nodiscard]] bool ShowedMessage(std::string_view text) const;

    std::vector<setup::MessageBox> boxes;
    std::vector<std::string> messages; // status messages, CP932
    std::vector<std::string> progress; // status texts of the progress bar
    std::vector<int> positions;
    std::vector<int> pauses;
    std::vector<std::string> events;
    std::vector<std::string> reports; // reports shown on the main window

private:
    std::map<std::string, std::deque<setup::Answer>> answers_;
    std::optional<std::string> abortAt_;
    bool aborted_ = false;
};

class InstallTest : public MachineTest {
protected:
    // Starts the session on the medium (copying the script) and reads the script.
    void Start();
    // Starts when not started yet, then installs into the folder (a Windows spelling).
    setup::InstallResult Install(std::string_view folder = "C:\\Program Files\\Test\\");

    // A registry value; none when the key or the value is absent.
    [[nodiscard]] std::optional<platform::RegistryValue>
    RegistryValueAt(platform::RegistryRoot root, std::string_view key, std::string_view name) const;
    [[nodiscard]] std::string RegistryTextAt(platform::RegistryRoot root, std::string_view key,
                                             std::string_view name) const;
    [[nodiscard]] bool KeyExists(platform::RegistryRoot root, std::string_view key) const;
    // The count of SharedDLLs for the path; none when absent.
    [[nodiscard]] std::optional<std::uint32_t> SharedCount(std::string_view path) const;
    void WriteRegistryText(platform::RegistryRoot root, std::string_view key, std::string_view name,
                           std::string_view text) const;

    // The lines of a Windows-spelled file, split at CR LF (UTF-8).
    [[nodiscard]] std::vector<std::string> Lines(std::string_view windowsPath) const;
    // The non-blank lines of one section of an INI file (UTF-8), without its header.
    [[nodiscard]] std::vector<std::string> SectionLines(std::string_view windowsPath,
                                                        std::string_view section) const;

    ScriptedPorts ports;
    setup::InstallOptions options;
    std::optional<setup::SetupSession> session;
    std::optional<setup::SetupScript> script;
    std::optional<setup::PathMacros> macros;
};

} // namespace setup_test
