#include "shell/ui/program_launcher.h"

#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace shell {
namespace {

// Through the system call: this C library's header declares pidfd_open without C linkage.
int OpenProcessDescriptor(pid_t process) {
    return static_cast<int>(::syscall(SYS_pidfd_open, process, 0));
}

// How often a process without a process file descriptor is asked whether it has ended.
constexpr int kPollMilliseconds = 250;

// The watch on one process; gone once its process has ended and been reaped.
class ProcessWatcher : public QObject {
public:
    ProcessWatcher(platform::StartedProcess process, std::function<void()> ended, QObject* parent)
        : QObject(parent), process_(process), ended_(std::move(ended)),
          fd_(OpenProcessDescriptor(process.id)) {
        if (fd_ >= 0) {
            auto* notifier = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
                notifier->setEnabled(false);
                // The process has ended: the wait returns at once and reaps it.
                (void)platform::WaitForExit(process_);
                Finish();
            });
            return;
        }
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            int status = 0;
            const pid_t waited = ::waitpid(process_.id, &status, WNOHANG);
            if (waited == 0 || (waited < 0 && errno == EINTR)) {
                return;
            }
            timer->stop();
            Finish();
        });
        timer->start(kPollMilliseconds);
    }
    ~ProcessWatcher() override {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    ProcessWatcher(const ProcessWatcher&) = delete;
    ProcessWatcher& operator=(const ProcessWatcher&) = delete;

private:
    // The callback may open message boxes, whose event loops must not see this watcher again.
    void Finish() {
        deleteLater();
        ended_();
    }

    platform::StartedProcess process_;
    std::function<void()> ended_;
    int fd_;
};

} // namespace

void ProcessEndWatch::WhenEnded(platform::StartedProcess process, std::function<void()> ended) {
    new ProcessWatcher(process, std::move(ended), this);
}

void MessageBoxLaunchPrompt::Show(const std::string& message) {
    QMessageBox::warning(parent_, "LumaroUty", QString::fromStdString(message));
}

ProgramLauncher::ProgramLauncher(const ExecTable& table, QWidget* parent,
                                 std::function<void()> refresh,
                                 std::unique_ptr<LaunchPrompt> prompt)
    : prompt_(prompt ? std::move(prompt) : std::make_unique<MessageBoxLaunchPrompt>(parent)),
      run_(table, watch_, *prompt_, std::move(refresh)) {}

void ProgramLauncher::Launch(char letter, const std::filesystem::path& file) {
    run_.Launch(letter, file);
}

} // namespace shell
