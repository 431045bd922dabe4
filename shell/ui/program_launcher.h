#pragma once

// The external-program launcher of the main window: the launch of shell/ with a watch that
// learns of the program's end from the event loop, so the window stays responsive while the
// program runs, and message boxes for what the launch has to tell.

#include "shell/external_program_launch.h"

#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace shell {

// Watches started processes through process file descriptors: the event loop tells when one
// becomes readable, which is when the process has ended. Where the system has none, the
// process is asked for its end a few times a second instead. A program still running when the
// watch goes is left running.
class ProcessEndWatch : public QObject, public ProgramEndWatch {
public:
    using QObject::QObject;
    void WhenEnded(platform::StartedProcess process, std::function<void()> ended) override;
};

// A message box titled "LumaroUty" with the warning icon and an OK button.
class MessageBoxLaunchPrompt : public LaunchPrompt {
public:
    explicit MessageBoxLaunchPrompt(QWidget* parent) : parent_(parent) {}
    void Show(const std::string& message) override;

private:
    QWidget* parent_;
};

class ProgramLauncher : public ExternalProgramLauncher {
public:
    // `refresh` fills the main list again; messages go to `prompt`, message boxes over `parent`
    // when none is given.
    ProgramLauncher(const ExecTable& table, QWidget* parent, std::function<void()> refresh,
                    std::unique_ptr<LaunchPrompt> prompt = nullptr);

    void Launch(char letter, const std::filesystem::path& file) override;
    [[nodiscard]] bool WaitingToRestore() const override { return run_.WaitingToRestore(); }

    [[nodiscard]] const ExternalProgramRun& Run() const { return run_; }

private:
    std::unique_ptr<LaunchPrompt> prompt_;
    ProcessEndWatch watch_;
    ExternalProgramRun run_;
};

} // namespace shell
