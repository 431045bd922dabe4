#include "publish/ui/publish_message_box.h"

#include "commands/ui/file_command_windows.h"

#include <QMessageBox>
#include <QPushButton>

namespace publish {

void PublishMessageBox::Tell(const std::string& message) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("LumaroUty"),
                    QString::fromStdString(message), QMessageBox::Ok,
                    commands::MessageOwner(parent_));
    box.exec();
}

bool PublishMessageBox::Ask(const std::string& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("LumaroUty"),
                    QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No,
                    commands::MessageOwner(parent_));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    return box.exec() == QMessageBox::Yes;
}

} // namespace publish
