#include "commands/ui/message_box_edit_prompt.h"

#include <QApplication>
#include <QMessageBox>

namespace commands {
namespace {

int Show(QWidget* owner, QMessageBox::Icon icon, const std::string& message,
         QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QStringLiteral("LumaroUty"), QString::fromStdString(message), buttons,
                    owner);
    return box.exec();
}

} // namespace

QWidget* MessageBoxEditPrompt::Owner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : parent_;
}

void MessageBoxEditPrompt::Tell(const std::string& message) {
    Show(Owner(), QMessageBox::Question, message, QMessageBox::Ok);
}

bool MessageBoxEditPrompt::Ask(const std::string& question) {
    return Show(Owner(), QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void MessageBoxEditPrompt::Warn(const std::string& message) {
    Show(Owner(), QMessageBox::Warning, message, QMessageBox::Ok);
}

} // namespace commands
