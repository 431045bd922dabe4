#include "shell/ui/message_box_prompt.h"

#include <QMessageBox>

namespace shell {

void MessageBoxPrompt::Show(const std::string& message) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("LumaroUty"),
                    QString::fromStdString(message), QMessageBox::Ok, parent_);
    box.exec();
}

} // namespace shell
