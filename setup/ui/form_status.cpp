#include "setup/ui/form_status.h"

#include "setup/ui/setup_fonts.h"
#include "setup/ui/shown_text.h"
#include "setup/window_messages.h"

#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace setup_ui {
namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 176;

} // namespace

TfrmStatus::TfrmStatus(std::function<bool()> abortRequested)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      abortRequested_(std::move(abortRequested)) {
    setObjectName(QStringLiteral("frmStatus"));
    setFont(SetupFont());
    setWindowTitle(Utf8(setup::text::kStatusCaption));
    setFixedSize(kWidth, kHeight);

    lblMessage = new QLabel(this);
    lblMessage->setGeometry(12, 10, kWidth - 24, 72);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    fraStatus = new QGroupBox(this);
    fraStatus->setGeometry(12, 84, kWidth - 24, 44);
    prgStatus = new QProgressBar(fraStatus);
    prgStatus->setGeometry(10, 14, 320, 20);
    prgStatus->setRange(0, 100);
    prgStatus->setTextVisible(false);
    lblStatus = new QLabel(Utf8(setup::text::kStatusStart), fraStatus);
    lblStatus->setGeometry(338, 14, 90, 20);
    fraStatus->hide();

    btnAbort = new QPushButton(Utf8(setup::text::kAbortButton), this);
    btnAbort->setGeometry((kWidth - 110) / 2, 138, 110, 28);
    btnAbort->setEnabled(false);
    connect(btnAbort, &QPushButton::clicked, this, &TfrmStatus::abortClicked);
}

void TfrmStatus::Show() {
    show();
    raise();
}

void TfrmStatus::Hide() {
    hide();
}

void TfrmStatus::SetMessage(const std::string& message) {
    lblMessage->setText(Breakable(Shown(message)));
    lblMessage->repaint();
}

void TfrmStatus::ShowProgressFrame(bool visible) {
    fraStatus->setVisible(visible);
}

void TfrmStatus::SetProgress(int position, const std::string& text) {
    prgStatus->setValue(position);
    lblStatus->setText(Shown(text));
}

void TfrmStatus::EnableAbort(bool enabled) {
    btnAbort->setEnabled(enabled);
}

bool TfrmStatus::AbortRequested() {
    return abortRequested_();
}

// The windows stay alive meanwhile: they repaint, and the abort button can be pressed.
void TfrmStatus::Pause(int milliseconds) {
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec();
}

} // namespace setup_ui
