#include "publish/ui/csv_dlg.h"

#include "commands/ui/file_command_windows.h"
#include "commands/ui/named_widget.h"
#include "publish/csv_listing.h"
#include "publish/publish_fields.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace publish {

using commands::Named;

TCsvDlg::TCsvDlg(std::vector<std::filesystem::path> files, shell::SettingsStore& store,
                 const shell::LiveSettings& live, PublishPort& port, QWidget* parent)
    : QDialog(parent), LabelFile(new QLabel("出力先ファイル名(&F)", this)),
      EditFile(Named(new QLineEdit(this), "EditFile")),
      ButtonFolder(Named(new QPushButton("参照(&I)...", this), "ButtonFolder")),
      OKBtn(Named(new QPushButton("OK", this), "OKBtn")),
      CancelBtn(Named(new QPushButton("キャンセル", this), "CancelBtn")),
      SaveDialog1(Named(new QFileDialog(this, "出力ファイル指定"), "SaveDialog1")),
      files_(std::move(files)), store_(store), live_(live), port_(port) {
    setObjectName("CsvDlg");
    setWindowTitle("CSV形式出力");
    LabelFile->setBuddy(EditFile);
    EditFile->setMinimumWidth(360);
    OKBtn->setDefault(true);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(EditFile);
    fileRow->addWidget(ButtonFolder);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelFile);
    layout->addLayout(fileRow);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ButtonFolder, &QPushButton::clicked, this, &TCsvDlg::ButtonFolderClick);
    connect(OKBtn, &QPushButton::clicked, this, &TCsvDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    EditFile->setText(commands::PathText(LoadCsvDialog(store_)));
}

void TCsvDlg::ButtonFolderClick() {
    SaveDialog1->selectFile(EditFile->text());
    if (SaveDialog1->exec() == QDialog::Accepted && !SaveDialog1->selectedFiles().isEmpty()) {
        EditFile->setText(SaveDialog1->selectedFiles().front());
    }
}

void TCsvDlg::OKBtnClick() {
    const std::vector<std::string> fields = TickedFieldNames(live_.setup.csvColumns);
    if (CsvDialogOk(commands::TextPath(EditFile->text()), files_, fields, store_, port_) ==
        DialogEnd::Close) {
        accept();
    }
}

} // namespace publish
