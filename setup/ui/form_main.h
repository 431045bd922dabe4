#pragma once

// The main window: the read-me page and the options page, the start and end buttons. Over the
// background window it carries the whole run: at its first activation the session starts and
// the window sets itself up for SETUP or UNSETUP mode; its start button runs the install or
// the uninstall, for which it is the main-window port and answers the shared-file questions.

#include "setup/install_options.h"
#include "setup/macro_folders.h"
#include "setup/main_window_start.h"
#include "setup/ports.h"
#include "setup/script.h"
#include "setup/session.h"
#include "setup/uninstall_log.h"
#include "setup/uninstall_options.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace setup_ui {

class TfrmBack;
class TfrmCustomDlg;
class TfrmStatus;

struct MainWindowContext {
    std::string programFolder; // Windows spelling with "\"
    std::string firstArgument; // as given on the command line
    setup::MessagePort& messages;
    TfrmBack& background;
};

class TfrmMain : public QWidget, public setup::MainWindowPort, public setup::SharedFilePort {
    Q_OBJECT
public:
    explicit TfrmMain(MainWindowContext context);
    ~TfrmMain() override;

    // The folder browser; tests put their own in its place.
    std::function<std::optional<std::filesystem::path>(QWidget*, const QString& start)>
        chooseFolder;

    [[nodiscard]] TfrmStatus& Status() { return *status_; }
    [[nodiscard]] TfrmCustomDlg& CustomDlg() { return *customDlg_; }
    // The session of the run; none before the first activation.
    [[nodiscard]] const std::optional<setup::SetupSession>& Session() const { return session_; }
    // [ExecuteFile] asked for a restart, which the program asks about at its end.
    [[nodiscard]] bool RestartRequested() const { return restartRequested_; }

    void HideMainWindow() override;
    void ShowReportUntilContinue(const std::string& frameTitle, const std::string& report) override;
    [[nodiscard]] setup::SharedFileAnswer Ask(const std::string& message) override;

    QGroupBox* fraReadme;
    QPlainTextEdit* txtReadme;
    QGroupBox* grpMessage;
    QLabel* lblMessage;
    QGroupBox* grpSetupFolder;
    QLineEdit* txtFolder;
    QPushButton* btnRefer;
    QGroupBox* grpOption;
    QCheckBox* chkOverWrite;
    QGroupBox* fraShortCut;
    QCheckBox* chkSCutDesktop;
    QCheckBox* chkSCutStartMenu;
    QCheckBox* chkSCutStartUp;
    QCheckBox* chkSCutSendTo;
    QLabel* lblUnSetupInfo;
    QPushButton* btnEvent;
    QPushButton* btnEnd;
    QLabel* lblFormShare; // the shared-file dialog's last answer: "Yes", "No", "Delete", "Save"

signals:
    // The title of the run is known (at the first activation).
    void titleKnown(const QString& title);
    // "続行(&C)" was pressed under the report.
    void continued();
    // The window has closed; the run is over.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildOptionControls();
    void Activate();
    void Apply(const setup::MainWindowStart& start);
    void ApplyBoxes(const setup::MainWindowStart& start);
    void ShowPage(setup::MainPage page);
    void CentreEventButton();
    void btnEventClick();
    void btnReferClick();
    void StartInstall();
    void StartUninstall();
    void AbortClick();
    void FinishRun();
    [[nodiscard]] setup::InstallOptions ReadInstallOptions() const;
    [[nodiscard]] setup::UninstallOptions ReadUninstallOptions() const;
    [[nodiscard]] std::array<QCheckBox*, 4> Boxes() const;

    MainWindowContext context_;
    std::unique_ptr<TfrmStatus> status_;
    std::unique_ptr<TfrmCustomDlg> customDlg_;
    std::optional<setup::SetupSession> session_;
    std::optional<setup::SetupScript> script_;
    std::optional<setup::UninstallLog> log_;
    std::optional<setup::PathMacros> macros_;
    setup::UninstallBoxes uninstallBoxes_;
    bool activated_ = false;
    bool closed_ = false;
    bool restartRequested_ = false;
};

} // namespace setup_ui
