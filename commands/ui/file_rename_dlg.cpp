#include "commands/ui/file_rename_dlg.h"

#include "commands/ui/file_command_windows.h"
#include "commands/ui/named_widget.h"
#include "platform/codepage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace commands {
TFileRenameDlg::TFileRenameDlg(FileCommandContext context, shell::SettingsStore& store,
                               const shell::LiveSettings& live, FileCommandPorts ports,
                               QWidget* parent)
    : QDialog(parent), GroupBox1(Named(new QGroupBox("自動ファイル変名", this), "GroupBox1")),
      RadioButton2(Named(new QRadioButton("撮影日付に変名(&D)", GroupBox1), "RadioButton2")),
      RadioButton3(Named(new QRadioButton("DCF形式に変名(&E)", GroupBox1), "RadioButton3")),
      RadioButton4(
          Named(new QRadioButton("指定したファイル名に変名(&R)", GroupBox1), "RadioButton4")),
      LabelDCF(new QLabel("DCFファイル名プレフィックス(&P)", GroupBox1)),
      EditDCF(Named(new QLineEdit(GroupBox1), "EditDCF")),
      EditName(Named(new QLineEdit(GroupBox1), "EditName")),
      OKBtn(Named(new QPushButton("OK", this), "OKBtn")),
      CancelBtn(Named(new QPushButton("キャンセル", this), "CancelBtn")),
      context_(std::move(context)), store_(store), live_(live), ports_(ports) {
    setObjectName("FileRenameDlg");
    BuildLayout();
    connect(RadioButton2, &QRadioButton::toggled, this, &TFileRenameDlg::RadioButtonClick);
    connect(RadioButton3, &QRadioButton::toggled, this, &TFileRenameDlg::RadioButtonClick);
    connect(OKBtn, &QPushButton::clicked, this, &TFileRenameDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    const RenameDialogValues values = LoadRenameDialog(store_);
    EditDCF->setText(QString::fromStdString(platform::Cp932ToUtf8(values.dcfPrefix)));
    EditName->setText(QString::fromStdString(platform::Cp932ToUtf8(values.editName)));
    RadioButton2->setChecked(values.naming == NamingChoice::ShotDate);
    RadioButton3->setChecked(values.naming != NamingChoice::ShotDate);
    RadioButtonClick();
}

void TFileRenameDlg::BuildLayout() {
    setWindowTitle("ファイル自動変名");
    LabelDCF->setBuddy(EditDCF);
    RadioButton4->hide();
    EditName->hide();
    OKBtn->setDefault(true);

    auto* naming = new QGridLayout(GroupBox1);
    naming->addWidget(RadioButton2, 0, 0, 1, 2);
    naming->addWidget(RadioButton3, 1, 0, 1, 2);
    naming->addWidget(LabelDCF, 2, 0);
    naming->addWidget(EditDCF, 2, 1);
    naming->setColumnMinimumWidth(0, 200);
    naming->setContentsMargins(24, 12, 12, 12);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

RenameDialogValues TFileRenameDlg::Values() const {
    RenameDialogValues values;
    values.dcfPrefix = platform::Utf8ToCp932(EditDCF->text().toStdString());
    values.editName = platform::Utf8ToCp932(EditName->text().toStdString());
    values.naming = RadioButton2->isChecked() ? NamingChoice::ShotDate : NamingChoice::Dcf;
    return values;
}

void TFileRenameDlg::RadioButtonClick() {
    EditDCF->setEnabled(RadioButton3->isChecked());
    LabelDCF->setEnabled(RadioButton3->isChecked());
}

void TFileRenameDlg::OKBtnClick() {
    result_ = RenameDialogOk(Values(), store_, live_.NameTemplate(), context_, ports_);
    accept();
}

} // namespace commands
