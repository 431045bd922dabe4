#include "setup/ui/message_boxes.h"

#include "setup/ui/setup_fonts.h"
#include "setup/ui/shown_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace setup_ui {
namespace {

using setup::Answer;
using setup::MessageButtons;
using setup::MessageIcon;

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

Answer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

} // namespace

Answer MessageBoxes::Show(const setup::MessageBox& box) {
    QMessageBox shown(IconOf(box.icon), Shown(box.title), Breakable(Shown(box.text)),
                      ButtonsOf(box.buttons), QApplication::activeWindow());
    shown.setFont(SetupFont());
    // The platform's own button captions in Japanese.
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Yes, QStringLiteral("はい(&Y)")},
        {QMessageBox::No, QStringLiteral("いいえ(&N)")},
        {QMessageBox::Cancel, QStringLiteral("キャンセル")}};
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* shownButton = shown.button(button)) {
            shownButton->setText(caption);
        }
    }
    return AnswerOf(shown.exec());
}

} // namespace setup_ui
