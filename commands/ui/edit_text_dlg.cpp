#include "commands/ui/edit_text_dlg.h"

#include "commands/ui/cp932_length_validator.h"
#include "platform/codepage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace commands {

TEditTextDlg::TEditTextDlg(TextTag tag, Selection files, EditPorts ports, QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this)), OKBtn(new QPushButton("OK", this)),
      CancelBtn(new QPushButton("キャンセル", this)), tag_(tag), files_(std::move(files)),
      ports_(ports), edit_(new QLineEdit(this)), limit_(new Cp932LengthValidator(edit_)) {
    const bool title = tag == TextTag::Title;
    setWindowTitle(title ? "画像タイトル修正" : "コメント修正");
    Label1->setText(title ? "画像タイトル" : "コメント");
    Label1->setBuddy(edit_);
    edit_->setObjectName(title ? "EditTitle" : "EditComment");
    edit_->setMinimumWidth(360);
    edit_->setValidator(limit_);
    OKBtn->setObjectName("OKBtn");
    CancelBtn->setObjectName("CancelBtn");
    OKBtn->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &TEditTextDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TEditTextDlg::Prepare() {
    const TextEditStart start = PrepareTextEdit(files_, tag_);
    edit_->setText(QString::fromStdString(platform::Cp932ToUtf8(start.text)));
    limit_->SetMaxBytes(start.maxBytes);
}

void TEditTextDlg::OKBtnClick() {
    report_ = RunTextEdit(files_, tag_, platform::Utf8ToCp932(edit_->text().toStdString()), ports_);
    accept();
}

TEditTitleDlg::TEditTitleDlg(Selection files, EditPorts ports, QWidget* parent)
    : TEditTextDlg(TextTag::Title, std::move(files), ports, parent), EditTitle(TextEdit()) {}

TEditCommentDlg::TEditCommentDlg(Selection files, EditPorts ports, QWidget* parent)
    : TEditTextDlg(TextTag::Comment, std::move(files), ports, parent), EditComment(TextEdit()) {}

} // namespace commands
