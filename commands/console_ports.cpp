#include "commands/console_ports.h"

#include "platform/codepage.h"

#include <ostream>

namespace commands {
namespace {

constexpr const char* kFileNameCaption = "ファイル名";
constexpr const char* kActionCaption = "処理";

void PrintRow(std::ostream& out, const std::string& mark, const std::string& name,
              const std::string& action, const std::string& oldValue,
              const std::string& newValue) {
    out << mark << '\t' << name << '\t' << action << '\t' << oldValue << '\t' << newValue << '\n';
}

} // namespace

Confirmation ConsoleConfirm::Confirm(ConfirmationList& list) {
    if (!dryRun_) {
        return Confirmation::Ok;
    }
    using platform::Cp932ToUtf8;
    if (header_) {
        PrintRow(out_, "", kFileNameCaption, kActionCaption, Cp932ToUtf8(list.OldCaption()),
                 Cp932ToUtf8(list.NewCaption()));
    }
    for (const PlannedRow& row : list.Rows()) {
        PrintRow(out_, row.checked ? "[x]" : "[ ]", Cp932ToUtf8(row.fileName),
                 Cp932ToUtf8(row.action), Cp932ToUtf8(row.oldValue), Cp932ToUtf8(row.newValue));
    }
    return Confirmation::Cancel;
}

void ConsoleProgress::Start(int maximum) {
    maximum_ = maximum;
    position_ = 0;
}

void ConsoleProgress::SetTexts(const std::string& action, const std::string& source,
                               const std::string& destination) {
    using platform::Cp932ToUtf8;
    err_ << '[' << position_ + 1 << '/' << maximum_ << "] " << Cp932ToUtf8(action) << ' '
         << Cp932ToUtf8(source);
    if (!destination.empty()) {
        err_ << " -> " << Cp932ToUtf8(destination);
    }
    err_ << '\n';
}

void ConsoleProgress::Step() { ++position_; }

void ConsoleProgress::Finish() { err_.flush(); }

} // namespace commands
