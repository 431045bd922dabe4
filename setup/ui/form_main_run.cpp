// The main window's run: the start button's meanings, the install and the uninstall through
// the engine, the report page, the abort, the shared-file answers and the close.

#include "setup/install_engine.h"
#include "setup/messages.h"
#include "setup/ui/form_back.h"
#include "setup/ui/form_custom_dlg.h"
#include "setup/ui/form_main.h"
#include "setup/ui/form_status.h"
#include "setup/ui/shown_text.h"
#include "setup/uninstall_engine.h"
#include "setup/window_messages.h"
#include "setup/work_folder.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace setup_ui {
namespace {

namespace text = setup::text;

bool Captioned(const QPushButton* button, std::string_view caption) {
    return button->text() == Utf8(caption);
}

QString AnswerName(setup::SharedFileAnswer answer) {
    switch (answer) {
    case setup::SharedFileAnswer::Yes:
        return QStringLiteral("Yes");
    case setup::SharedFileAnswer::No:
        return QStringLiteral("No");
    case setup::SharedFileAnswer::DeleteAll:
        return QStringLiteral("Delete");
    case setup::SharedFileAnswer::KeepAll:
        return QStringLiteral("Save");
    }
    return {};
}

} // namespace

void TfrmMain::btnEventClick() {
    if (Captioned(btnEvent, text::kUninstallStartButton)) {
        StartUninstall();
    } else if (Captioned(btnEvent, text::kStartButton)) {
        StartInstall();
    } else if (Captioned(btnEvent, text::kGoOnButton)) {
        ShowPage(setup::MainPage::Options);
        btnEvent->setText(Utf8(text::kStartButton));
    } else if (Captioned(btnEvent, text::kContinueButton)) {
        btnEvent->setEnabled(false);
        emit continued();
    }
}

setup::InstallOptions TfrmMain::ReadInstallOptions() const {
    return {chkOverWrite->isChecked(), chkSCutDesktop->isChecked(), chkSCutStartMenu->isChecked(),
            chkSCutStartUp->isChecked(), chkSCutSendTo->isChecked()};
}

setup::UninstallOptions TfrmMain::ReadUninstallOptions() const {
    setup::UninstallBoxes shown = uninstallBoxes_;
    const std::array<QCheckBox*, 4> boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        shown.boxes[i].checked = boxes[i]->isChecked();
        shown.boxes[i].visible = !boxes[i]->isHidden();
    }
    return setup::UninstallOptionsOf(shown);
}

void TfrmMain::StartInstall() {
    const setup::InstallRequest request{EngineText(txtFolder->text()), ReadInstallOptions()};
    const setup::InstallResult result = setup::RunInstall(*session_, *script_, *macros_, request,
                                                          {context_.messages, *status_, *this});
    restartRequested_ = result.restartRequested;
    FinishRun();
}

void TfrmMain::StartUninstall() {
    const setup::UninstallOptions options = ReadUninstallOptions();
    (void)setup::RunUninstall(*log_, *macros_, options,
                              {context_.messages, *status_, *this, *this});
    FinishRun();
}

// The end of a run, whichever way it ended: the background comes back and the windows close.
void TfrmMain::FinishRun() {
    context_.background.RunEnded();
    status_->close();
    close();
}

void TfrmMain::AbortClick() {
    const setup::Answer answer =
        context_.messages.Show({setup::Cp932Text(text::kAbortQuestion),
                                setup::Cp932Text(text::kAbortTitle), setup::MessageIcon::Question,
                                setup::MessageButtons::YesNo, setup::QuestionTopic::General});
    if (answer != setup::Answer::Yes) {
        return;
    }
    setEnabled(false); // the engine stops at its next check
    context_.background.RunEnded();
    status_->close();
    (void)context_.messages.Show({setup::Cp932Text(text::kAborted),
                                  setup::Cp932Text(text::kAbortedTitle),
                                  setup::MessageIcon::Information, setup::MessageButtons::Ok,
                                  setup::QuestionTopic::General});
    close();
}

void TfrmMain::HideMainWindow() {
    hide();
    btnEnd->hide();
    CentreEventButton();
}

void TfrmMain::ShowReportUntilContinue(const std::string& frameTitle, const std::string& report) {
    fraReadme->setTitle(Shown(frameTitle));
    txtReadme->setPlainText(Shown(report));
    txtReadme->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtReadme->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtReadme->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ShowPage(setup::MainPage::Readme);
    btnEvent->setText(Utf8(text::kContinueButton));
    btnEvent->setEnabled(true);
    show();
    raise();
    btnEvent->setFocus();
    QEventLoop wait;
    connect(this, &TfrmMain::continued, &wait, &QEventLoop::quit);
    connect(this, &TfrmMain::closed, &wait, &QEventLoop::quit);
    wait.exec();
    hide();
}

setup::SharedFileAnswer TfrmMain::Ask(const std::string& message) {
    const setup::SharedFileAnswer answer = customDlg_->Ask(message);
    lblFormShare->setText(AnswerName(answer));
    return answer;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    const bool running = !context_.background.isEnabled();
    if (running && !Captioned(btnEnd, text::kEndOnlyButton)) {
        const setup::Answer answer = context_.messages.Show(
            {setup::Cp932Text(text::kCloseQuestion), setup::Cp932Text(text::kCloseTitle),
             setup::MessageIcon::Question, setup::MessageButtons::YesNo,
             setup::QuestionTopic::General});
        if (answer != setup::Answer::Yes) {
            event->ignore();
            return;
        }
    }
    event->accept();
    closed_ = true;
    status_->close();
    if (session_) {
        setup::RemoveWorkFolders(session_->temporaryFolder);
    }
    emit closed();
}

} // namespace setup_ui
