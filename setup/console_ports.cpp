#include "setup/console_ports.h"

#include "platform/codepage.h"

#include <ostream>

namespace setup {
namespace {

std::string_view AnswerName(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return "OK";
    case Answer::Cancel:
        return "Cancel";
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    }
    return "";
}

} // namespace

Answer ConsolePorts::DefaultAnswer(const MessageBox& box) {
    if (box.topic == QuestionTopic::DeleteFile) {
        return Answer::No;
    }
    if (box.topic == QuestionTopic::DiskChange) {
        const bool askedAgain = box.text == lastDiskQuestion_;
        lastDiskQuestion_ = box.text;
        return askedAgain ? Answer::Cancel : Answer::Ok;
    }
    lastDiskQuestion_.clear();
    return box.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
}

Answer ConsolePorts::Show(const MessageBox& box) {
    const Answer answer = DefaultAnswer(box);
    err_ << "setup: [" << platform::Cp932ToUtf8(box.title) << "] ";
    Print(box.text, "    ");
    if (box.buttons != MessageButtons::Ok) {
        err_ << "    -> " << AnswerName(answer) << '\n';
    }
    return answer;
}

void ConsolePorts::SetMessage(const std::string& message) {
    err_ << "setup: ";
    Print(message, "    ");
}

void ConsolePorts::ShowReportUntilContinue(const std::string& frameTitle,
                                           const std::string& report) {
    err_ << "setup: [" << platform::Cp932ToUtf8(frameTitle) << "] ";
    Print(report, "    ");
}

SharedFileAnswer ConsolePorts::Ask(const std::string& message) {
    err_ << "setup: [shared file] ";
    Print(message, "    ");
    err_ << "    -> No\n";
    return SharedFileAnswer::No;
}

// The text's lines (ended by CR LF, CR or LF; empty ones dropped), the first after what is on
// the output line already and the others on lines of their own, indented.
void ConsolePorts::Print(const std::string& cp932Text, std::string_view indent) {
    const std::string text = platform::Cp932ToUtf8(cp932Text);
    std::string line;
    bool first = true;
    auto finishLine = [&] {
        if (!line.empty()) {
            err_ << (first ? "" : "\n") << (first ? "" : indent) << line;
            first = false;
            line.clear();
        }
    };
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            finishLine();
        } else {
            line += c;
        }
    }
    finishLine();
    err_ << '\n';
}

} // namespace setup
