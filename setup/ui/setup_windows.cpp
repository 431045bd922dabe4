#include "setup/ui/setup_windows.h"

#include "platform/named_mutex.h"
#include "setup/command_line.h"
#include "setup/program_folder.h"
#include "setup/restart_request.h"
#include "setup/ui/form_back.h"
#include "setup/ui/form_main.h"
#include "setup/ui/message_boxes.h"
#include "setup/ui/setup_fonts.h"
#include "setup/ui/shown_text.h"
#include "setup/window_messages.h"

#include <QApplication>
#include <iostream>
#include <optional>

namespace setup_ui {
namespace {

constexpr std::string_view kMutexName = "ORVSETUP";
constexpr int kExitFailed = 1;

int RunWindows(const std::string& programFolder, const std::string& firstArgument) {
    MessageBoxes messages;
    TfrmBack back;
    TfrmMain main({programFolder, firstArgument, messages, back});
    ConnectSetupWindows(back, main);
    back.showMaximized();
    const int status = QApplication::exec();
    if (main.RestartRequested()) {
        setup::AskForRestart(messages);
    }
    return status;
}

} // namespace

void ConnectSetupWindows(TfrmBack& back, TfrmMain& main) {
    QObject::connect(&main, &TfrmMain::titleKnown, &back, &TfrmBack::SetTitle);
    QObject::connect(&back, &TfrmBack::firstResized, &main, &QWidget::show, Qt::QueuedConnection);
    QObject::connect(&main, &TfrmMain::closed, &back, &QWidget::close, Qt::QueuedConnection);
}

int RunSetupWindows(int& argc, char** argv) {
    auto mutex = platform::NamedMutex::Acquire(kMutexName);
    if (!mutex) {
        std::cerr << "setup: " << mutex.Error() << '\n';
        return kExitFailed;
    }
    if (!mutex.Value()) {
        return 0; // another installer runs: this one quits at once
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(Utf8(setup::text::kApplicationTitle));
    QApplication::setFont(SetupFont());
    const std::optional<std::string> folder = setup::RunningProgramFolder();
    if (!folder) {
        std::cerr << "setup: cannot find the folder of the running program\n";
        return kExitFailed;
    }
    const setup::CommandLine commandLine =
        setup::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    return RunWindows(*folder, commandLine.firstArgument);
}

} // namespace setup_ui
