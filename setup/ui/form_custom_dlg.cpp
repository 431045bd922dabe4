#include "setup/ui/form_custom_dlg.h"

#include "setup/ui/setup_fonts.h"
#include "setup/ui/shown_text.h"
#include "setup/window_messages.h"

#include <QLabel>
#include <QPushButton>

namespace setup_ui {
namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 180;
constexpr int kButtonWidth = 104;

} // namespace

TfrmCustomDlg::TfrmCustomDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmCustomDlg"));
    setFont(SetupFont());
    setWindowTitle(Utf8(setup::text::kSharedFileCaption));
    setFixedSize(kWidth, kHeight);
    setModal(true);

    lblMessage = new QLabel(this);
    lblMessage->setGeometry(12, 10, kWidth - 24, 118);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const std::pair<QPushButton**, std::string_view> buttons[] = {
        {&btnYes, setup::text::kSharedYes},
        {&btnNo, setup::text::kSharedNo},
        {&btnDelete, setup::text::kSharedDeleteAll},
        {&btnSave, setup::text::kSharedKeepAll}};
    const int gap = (kWidth - 24 - 4 * kButtonWidth) / 3;
    int x = 12;
    for (const auto& [button, caption] : buttons) {
        *button = new QPushButton(Utf8(caption), this);
        (*button)->setGeometry(x, kHeight - 40, kButtonWidth, 28);
        x += kButtonWidth + gap;
    }
    using setup::SharedFileAnswer;
    connect(btnYes, &QPushButton::clicked, this, [this] { Answer(SharedFileAnswer::Yes); });
    connect(btnNo, &QPushButton::clicked, this, [this] { Answer(SharedFileAnswer::No); });
    connect(btnDelete, &QPushButton::clicked, this,
            [this] { Answer(SharedFileAnswer::DeleteAll); });
    connect(btnSave, &QPushButton::clicked, this, [this] { Answer(SharedFileAnswer::KeepAll); });
}

setup::SharedFileAnswer TfrmCustomDlg::Ask(const std::string& message) {
    lblMessage->setText(Breakable(Shown(message)));
    answer_ = setup::SharedFileAnswer::No; // kept when the program ends meanwhile
    btnNo->setFocus();
    exec();
    return answer_;
}

void TfrmCustomDlg::Answer(setup::SharedFileAnswer answer) {
    answer_ = answer;
    accept();
}

} // namespace setup_ui
