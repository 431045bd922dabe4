#include "commands/ui/file_transfer_dlg.h"

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
namespace {

QString FromCp932(const std::string& text) {
    return QString::fromStdString(platform::Cp932ToUtf8(text));
}

std::string ToCp932(const QString& text) {
    return platform::Utf8ToCp932(text.toStdString());
}

constexpr const char* kFolderPrompt = "出力先フォルダを指定してください";

} // namespace

TFileTransferDlg::TFileTransferDlg(platform::TransferKind kind, FileCommandContext context,
                                   shell::SettingsStore& store, const shell::LiveSettings& live,
                                   FileCommandPorts ports, QWidget* parent)
    : QDialog(parent), LabelFolder(new QLabel(this)),
      EditFolder(Named(new QLineEdit(this), "EditFolder")),
      ButtonFolder(Named(new QPushButton("参照(&I)...", this), "ButtonFolder")),
      GroupBox1(Named(new QGroupBox("自動ファイル変名", this), "GroupBox1")),
      RadioButton1(Named(new QRadioButton("同一ファイル名(&S)", GroupBox1), "RadioButton1")),
      RadioButton2(Named(new QRadioButton("撮影日付に変名(&D)", GroupBox1), "RadioButton2")),
      RadioButton3(Named(new QRadioButton("DCF形式に変名(&E)", GroupBox1), "RadioButton3")),
      RadioButton4(
          Named(new QRadioButton("指定したファイル名に変名(&R)", GroupBox1), "RadioButton4")),
      LabelDCF(new QLabel("DCFファイル名プレフィックス(&P)", GroupBox1)),
      EditDCF(Named(new QLineEdit(GroupBox1), "EditDCF")),
      EditName(Named(new QLineEdit(GroupBox1), "EditName")),
      OKBtn(Named(new QPushButton("OK", this), "OKBtn")),
      CancelBtn(Named(new QPushButton("キャンセル", this), "CancelBtn")), kind_(kind),
      context_(std::move(context)), store_(store), live_(live), ports_(ports) {
    connect(ButtonFolder, &QPushButton::clicked, this, &TFileTransferDlg::ButtonFolderClick);
    for (QRadioButton* button : {RadioButton1, RadioButton2, RadioButton3}) {
        connect(button, &QRadioButton::toggled, this, &TFileTransferDlg::RadioButtonClick);
    }
    connect(OKBtn, &QPushButton::clicked, this, &TFileTransferDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    BuildLayout();
    ShowValues(LoadTransferDialog(store_, kind_));
}

void TFileTransferDlg::BuildLayout() {
    const bool copy = kind_ == platform::TransferKind::Copy;
    setObjectName(copy ? "FileCopyDlg" : "FileMoveDlg");
    setWindowTitle(copy ? "ファイルコピー" : "ファイル移動");
    LabelFolder->setText(copy ? "コピー先フォルダ(&F)" : "移動先フォルダ(&F)");
    LabelFolder->setBuddy(EditFolder);
    LabelDCF->setBuddy(EditDCF);
    EditFolder->setMinimumWidth(320);
    RadioButton4->hide();
    EditName->hide();
    OKBtn->setDefault(true);

    auto* naming = new QGridLayout(GroupBox1);
    naming->addWidget(RadioButton1, 0, 0, 1, 2);
    naming->addWidget(RadioButton2, 1, 0, 1, 2);
    naming->addWidget(RadioButton3, 2, 0, 1, 2);
    naming->addWidget(LabelDCF, 3, 0);
    naming->addWidget(EditDCF, 3, 1);
    naming->setColumnMinimumWidth(0, 200);
    naming->setContentsMargins(24, 12, 12, 12);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(EditFolder);
    folderRow->addWidget(ButtonFolder);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelFolder);
    layout->addLayout(folderRow);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFileTransferDlg::ShowValues(const TransferDialogValues& values) {
    EditFolder->setText(PathText(values.folder));
    EditDCF->setText(FromCp932(values.dcfPrefix));
    EditName->setText(FromCp932(values.editName));
    RadioButton1->setChecked(values.naming == NamingChoice::Keep);
    RadioButton2->setChecked(values.naming == NamingChoice::ShotDate);
    RadioButton3->setChecked(values.naming == NamingChoice::Dcf);
    RadioButtonClick();
}

TransferDialogValues TFileTransferDlg::Values() const {
    TransferDialogValues values;
    values.folder = TextPath(EditFolder->text());
    values.dcfPrefix = ToCp932(EditDCF->text());
    values.editName = ToCp932(EditName->text());
    if (RadioButton2->isChecked()) {
        values.naming = NamingChoice::ShotDate;
    } else if (RadioButton3->isChecked()) {
        values.naming = NamingChoice::Dcf;
    }
    return values;
}

void TFileTransferDlg::ButtonFolderClick() {
    if (const auto folder = BrowseForFolder(this, kFolderPrompt, EditFolder->text())) {
        EditFolder->setText(*folder);
    }
}

void TFileTransferDlg::RadioButtonClick() {
    EditDCF->setEnabled(RadioButton3->isChecked());
    LabelDCF->setEnabled(RadioButton3->isChecked());
}

void TFileTransferDlg::OKBtnClick() {
    result_ = TransferDialogOk(kind_, Values(), store_, live_.NameTemplate(), context_, ports_);
    if (result_.end == DialogEnd::Close) {
        accept();
    }
}

TFileCopyDlg::TFileCopyDlg(FileCommandContext context, shell::SettingsStore& store,
                           const shell::LiveSettings& live, FileCommandPorts ports, QWidget* parent)
    : TFileTransferDlg(platform::TransferKind::Copy, std::move(context), store, live, ports,
                       parent) {}

TFileMoveDlg::TFileMoveDlg(FileCommandContext context, shell::SettingsStore& store,
                           const shell::LiveSettings& live, FileCommandPorts ports, QWidget* parent)
    : TFileTransferDlg(platform::TransferKind::Move, std::move(context), store, live, ports,
                       parent) {}

} // namespace commands
