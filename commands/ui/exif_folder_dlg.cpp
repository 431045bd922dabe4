#include "commands/ui/exif_folder_dlg.h"

#include "commands/edit_settings.h"
#include "commands/exif_add_delete.h"
#include "commands/exif_copy.h"
#include "commands/ui/named_widget.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace commands {
namespace {

QString FolderText(const std::filesystem::path& folder) {
    return QFile::decodeName(QByteArray::fromStdString(folder.string()));
}

} // namespace

TExifFolderDlg::TExifFolderDlg(const Texts& texts, Selection files, shell::SettingsStore& store,
                               EditPorts ports, QWidget* parent)
    : QDialog(parent), Label1(new QLabel(texts.label, this)),
      EditFolder(Named(new QLineEdit(this), "EditFolder")),
      ButtonFolder(Named(new QPushButton("参照(&I)...", this), "ButtonFolder")),
      CheckBoxFolder(texts.checkBox != nullptr
                         ? Named(new QCheckBox(texts.checkBox, this), "CheckBoxFolder")
                         : nullptr),
      OKBtn(Named(new QPushButton("OK", this), "OKBtn")),
      CancelBtn(Named(new QPushButton("キャンセル", this), "CancelBtn")),
      SHBrowseForFolderEx1(texts.browser), files_(std::move(files)), store_(store), ports_(ports) {
    setWindowTitle(texts.caption);
    Label1->setBuddy(EditFolder);
    EditFolder->setMinimumWidth(320);
    OKBtn->setDefault(true);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(EditFolder);
    folderRow->addWidget(ButtonFolder);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    if (CheckBoxFolder != nullptr) {
        layout->addWidget(CheckBoxFolder);
        connect(CheckBoxFolder, &QCheckBox::clicked, this, &TExifFolderDlg::CheckBoxFolderClick);
    }
    layout->addWidget(Label1);
    layout->addLayout(folderRow);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ButtonFolder, &QPushButton::clicked, this, &TExifFolderDlg::ButtonFolderClick);
    connect(OKBtn, &QPushButton::clicked, this, &TExifFolderDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

std::filesystem::path TExifFolderDlg::Folder() const {
    return QFile::encodeName(EditFolder->text().trimmed()).toStdString();
}

void TExifFolderDlg::ShowFolder(const std::filesystem::path& folder, bool copyToFolder) {
    EditFolder->setText(FolderText(folder));
    if (CheckBoxFolder != nullptr) {
        CheckBoxFolder->setChecked(copyToFolder);
        CheckBoxFolderClick();
    }
}

void TExifFolderDlg::ButtonFolderClick() {
    if (const auto folder = SHBrowseForFolderEx1.Execute(this, EditFolder->text())) {
        EditFolder->setText(*folder);
    }
}

void TExifFolderDlg::CheckBoxFolderClick() {
    const bool usable = CheckBoxFolder->isChecked();
    EditFolder->setEnabled(usable);
    ButtonFolder->setEnabled(usable);
}

void TExifFolderDlg::OKBtnClick() {
    report_ = Run();
    if (!report_) {
        return; // refused with a message; the user may put it right
    }
    WriteSettings();
    accept();
}

TExifCopyDlg::TExifCopyDlg(Selection files, shell::SettingsStore& store, EditPorts ports,
                           QWidget* parent)
    : TExifFolderDlg(
          {"Exif情報コピー", "コピー元フォルダ(&F)", nullptr, "コピー元フォルダを指定してください"},
          std::move(files), store, ports, parent) {
    ShowFolder(ReadExifCopyFolder(Store()), false);
}

std::optional<BatchReport> TExifCopyDlg::Run() {
    return RunExifCopy(Files(), Folder(), Ports());
}

void TExifCopyDlg::WriteSettings() {
    WriteExifCopyFolder(Store(), Folder());
}

TExifAddDlg::TExifAddDlg(Selection files, shell::SettingsStore& store,
                         std::filesystem::path templatePicture, EditPorts ports, QWidget* parent)
    : TExifFolderDlg({"Exif情報追加", "出力先フォルダ(&F)", "Exif情報追加後にコピーする",
                      "出力先フォルダを指定してください"},
                     std::move(files), store, ports, parent),
      templatePicture_(std::move(templatePicture)) {
    const OutputChoice output = ReadExifOutput(Store(), ExifOutputSection::Add);
    ShowFolder(output.folder, output.copyToFolder);
}

std::optional<BatchReport> TExifAddDlg::Run() {
    return RunExifAdd(Files(), {CheckBoxFolder->isChecked(), Folder()}, templatePicture_, Ports());
}

void TExifAddDlg::WriteSettings() {
    WriteExifOutput(Store(), ExifOutputSection::Add, {CheckBoxFolder->isChecked(), Folder()});
}

TExifDelDlg::TExifDelDlg(Selection files, shell::SettingsStore& store, EditPorts ports,
                         QWidget* parent)
    : TExifFolderDlg({"Exif情報削除", "出力先フォルダ(&F)", "Exif情報削除後にコピーする",
                      "出力先フォルダを指定してください"},
                     std::move(files), store, ports, parent) {
    const OutputChoice output = ReadExifOutput(Store(), ExifOutputSection::Delete);
    ShowFolder(output.folder, output.copyToFolder);
}

std::optional<BatchReport> TExifDelDlg::Run() {
    return RunExifDelete(Files(), {CheckBoxFolder->isChecked(), Folder()}, Ports());
}

void TExifDelDlg::WriteSettings() {
    WriteExifOutput(Store(), ExifOutputSection::Delete, {CheckBoxFolder->isChecked(), Folder()});
}

} // namespace commands
