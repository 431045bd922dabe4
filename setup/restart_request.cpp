#include "setup/restart_request.h"

#include "setup/messages.h"
#include "setup/window_messages.h"

namespace setup {

void AskForRestart(MessagePort& messages) {
    const Answer answer =
        messages.Show({Cp932Text(text::kRestartQuestion), Cp932Text(text::kRestartTitle),
                       MessageIcon::Question, MessageButtons::YesNo, QuestionTopic::General});
    if (answer == Answer::Yes) {
        (void)messages.Show({Cp932Text(text::kRestartYourself), Cp932Text(text::kRestartTitle),
                             MessageIcon::Information, MessageButtons::Ok, QuestionTopic::General});
    } else {
        (void)messages.Show({Cp932Text(text::kRestartLater), Cp932Text(text::kWarningTitle),
                             MessageIcon::Exclamation, MessageButtons::Ok, QuestionTopic::General});
    }
}

} // namespace setup
