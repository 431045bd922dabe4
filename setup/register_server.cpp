#include "setup/register_server.h"

#include "setup/host_paths.h"
#include "setup/messages.h"

namespace setup {
namespace {

void ShowFailure(MessagePort* messages, std::string_view path, std::string_view text,
                 std::string_view title) {
    if (messages == nullptr) {
        return;
    }
    (void)messages->Show({std::string(path) + Cp932Text(text), Cp932Text(title),
                          MessageIcon::Exclamation, MessageButtons::Ok, QuestionTopic::General});
}

} // namespace

bool RegisterServer(std::string_view path, platform::ServerCall call, MessagePort* messages) {
    const auto host = HostPathOf(path);
    const platform::ServerRegistration outcome =
        host ? platform::CallServerRegistration(*host, call)
             : platform::ServerRegistration{platform::ServerOutcome::CannotLoad, 0, {}};
    if (outcome.outcome == platform::ServerOutcome::CannotLoad) {
        ShowFailure(messages, path, text::kLoadFailed, text::kLoadFailedTitle);
        return false;
    }
    if (call == platform::ServerCall::Unregister) {
        return outcome.outcome == platform::ServerOutcome::Done;
    }
    if (outcome.outcome == platform::ServerOutcome::EntryPointMissing) {
        ShowFailure(messages, path, text::kEntryMissing, text::kEntryMissingTitle);
        return false;
    }
    if (outcome.outcome == platform::ServerOutcome::CallFailed) {
        ShowFailure(messages, path, text::kRegisterFailed, text::kRegisterFailedTitle);
        return false;
    }
    return true;
}

} // namespace setup
