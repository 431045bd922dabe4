#include "commands/edit_batch.h"

#include "platform/file_error.h"

namespace commands {
namespace {

std::string StoppedMessage(const std::string& reason) {
    return "処理を中止しました。\n" + reason;
}

} // namespace

BatchReport RunEditBatch(const std::function<BatchPlan()>& plan, EditPorts ports) {
    BatchPlan planned;
    try {
        planned = plan();
    } catch (const platform::FileError& error) {
        BatchReport report;
        report.failure = error.what();
        ports.prompt.Warn(StoppedMessage(*report.failure));
        return report;
    }
    BatchReport report = RunBatch(std::move(planned), ports.confirm, ports.progress);
    if (report.failure) {
        ports.prompt.Warn(StoppedMessage(*report.failure));
    }
    return report;
}

} // namespace commands
