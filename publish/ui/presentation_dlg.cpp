#include "publish/ui/presentation_dlg.h"

#include "commands/ui/file_command_windows.h"
#include "commands/ui/named_widget.h"
#include "platform/codepage.h"
#include "publish/presentation_files.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace publish {

using commands::Named;

TCrePrezenDlg::TCrePrezenDlg(commands::Selection files, shell::SettingsStore& store,
                             std::filesystem::path templatePicture, commands::EditPorts ports,
                             QWidget* parent)
    : QDialog(parent), LabelFolder(new QLabel("出力先フォルダ(&F)", this)),
      EditFolder(Named(new QLineEdit(this), "EditFolder")),
      ButtonFolder(Named(new QPushButton("参照(&I)...", this), "ButtonFolder")),
      LabelDCF(new QLabel("DCFファイル名プレフィックス(&P)", this)),
      EditDCF(Named(new QLineEdit(this), "EditDCF")),
      OKBtn(Named(new QPushButton("OK", this), "OKBtn")),
      CancelBtn(Named(new QPushButton("キャンセル", this), "CancelBtn")),
      SHBrowseForFolderEx1("出力先フォルダを指定してください"), files_(std::move(files)),
      store_(store), templatePicture_(std::move(templatePicture)), ports_(ports) {
    setObjectName("CrePrezenDlg");
    setWindowTitle("プレゼンテーション用ファイル作成");
    LabelFolder->setBuddy(EditFolder);
    LabelDCF->setBuddy(EditDCF);
    EditFolder->setMinimumWidth(320);
    OKBtn->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(LabelFolder, 0, 0, 1, 2);
    fields->addWidget(EditFolder, 1, 0);
    fields->addWidget(ButtonFolder, 1, 1);
    fields->addWidget(LabelDCF, 2, 0, 1, 2);
    fields->addWidget(EditDCF, 3, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ButtonFolder, &QPushButton::clicked, this, &TCrePrezenDlg::ButtonFolderClick);
    connect(OKBtn, &QPushButton::clicked, this, &TCrePrezenDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    const PresentationRequest stored = ReadPresentationSettings(store_);
    EditFolder->setText(commands::PathText(stored.folder));
    EditDCF->setText(QString::fromStdString(platform::Cp932ToUtf8(stored.prefix)));
}

void TCrePrezenDlg::ButtonFolderClick() {
    if (const auto folder = SHBrowseForFolderEx1.Execute(this, EditFolder->text())) {
        EditFolder->setText(*folder);
    }
}

void TCrePrezenDlg::OKBtnClick() {
    const PresentationRequest request{
        QFile::encodeName(EditFolder->text().trimmed()).toStdString(),
        platform::Utf8ToCp932(EditDCF->text().trimmed().toStdString())};
    report_ = RunPresentationFiles(files_, request, templatePicture_, ports_);
    if (!report_) {
        return; // refused with a message; the user may put it right
    }
    WritePresentationSettings(store_, request);
    accept();
}

} // namespace publish
