#include "commands/file_shell_progress.h"

#include "platform/codepage.h"

namespace commands {

ShellProgress::ShellProgress(FileCommandPorts& ports, std::string action, std::size_t count)
    : ports_(ports), action_(std::move(action)) {
    ports_.progress.Start(static_cast<int>(count));
}

ShellProgress::~ShellProgress() {
    if (started_) {
        ports_.progress.Step();
    }
    ports_.progress.Finish();
}

platform::OverwriteAnswer ShellProgress::AskOverwrite(const std::filesystem::path& source,
                                                      const std::filesystem::path& destination) {
    return ports_.overwrite.AskOverwrite(source, destination);
}

void ShellProgress::Progress(const std::filesystem::path& source,
                             const std::filesystem::path& destination) {
    if (started_) {
        ports_.progress.Step();
    }
    started_ = true;
    ports_.progress.SetTexts(action_, platform::PathToCp932(source),
                             destination.empty() ? std::string()
                                                 : platform::PathToCp932(destination));
}

void ReportShellOutcome(const platform::FileOperationReport& report, FileMessagePort& message,
                        FileCommandResult& result) {
    result.processed = report.Count(platform::FileOutcome::Done);
    result.failed = report.Count(platform::FileOutcome::Failed);
    result.kept = report.Count(platform::FileOutcome::Kept) +
                  report.Count(platform::FileOutcome::Cancelled);
    if (result.failed > 0) {
        message.Tell("次のファイルは処理できませんでした。\n" + report.Failures());
    }
}

} // namespace commands
