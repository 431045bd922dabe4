#include "publish/ui/html_dlg.h"

#include "commands/ui/file_command_windows.h"
#include "commands/ui/named_widget.h"
#include "publish/album_types.h"
#include "publish/publish_fields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace publish {

using commands::Named;

THtmlDlg::THtmlDlg(std::vector<std::filesystem::path> pictures, shell::SettingsStore& store,
                   const shell::LiveSettings& live, std::filesystem::path templateFolder,
                   PublishPort& port, commands::ProgressPort& progress, QWidget* parent)
    : QDialog(parent), LabelFolder(new QLabel("出力先フォルダ(&F)", this)),
      EditFolder(Named(new QLineEdit(this), "EditFolder")),
      ButtonFolder(Named(new QPushButton("参照(&I)...", this), "ButtonFolder")),
      LabelType(new QLabel("HTML出力タイプ(&T)", this)),
      ComboBoxType(Named(new QComboBox(this), "ComboBoxType")),
      LabelWidth(new QLabel("標準画像サイズ(&W)", this)),
      EditWidth(Named(new QLineEdit(this), "EditWidth")),
      LabelWidthS(new QLabel("サムネイル画像サイズ(&S)", this)),
      EditWidthS(Named(new QLineEdit(this), "EditWidthS")),
      GroupBoxImage(
          Named(new QGroupBox("すでに出力先に画像ファイルがあったとき", this), "GroupBoxImage")),
      RadioButtonImage1(Named(new QRadioButton("置き換える", GroupBoxImage), "RadioButtonImage1")),
      RadioButtonImage2(
          Named(new QRadioButton("Exif情報のコピー", GroupBoxImage), "RadioButtonImage2")),
      RadioButtonImage3(
          Named(new QRadioButton("なにもしない", GroupBoxImage), "RadioButtonImage3")),
      OKBtn(Named(new QPushButton("OK", this), "OKBtn")),
      CancelBtn(Named(new QPushButton("キャンセル", this), "CancelBtn")),
      pictures_(std::move(pictures)), store_(store), live_(live),
      templateFolder_(std::move(templateFolder)), port_(port), progress_(progress) {
    setObjectName("HtmlDlg");
    BuildLayout();
    connect(ButtonFolder, &QPushButton::clicked, this, &THtmlDlg::ButtonFolderClick);
    connect(OKBtn, &QPushButton::clicked, this, &THtmlDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ShowValues(LoadAlbumDialog(store_));
}

void THtmlDlg::BuildLayout() {
    setWindowTitle("HTML作成");
    LabelFolder->setBuddy(EditFolder);
    LabelType->setBuddy(ComboBoxType);
    LabelWidth->setBuddy(EditWidth);
    LabelWidthS->setBuddy(EditWidthS);
    EditFolder->setMinimumWidth(320);
    EditWidth->setMaximumWidth(80);
    EditWidthS->setMaximumWidth(80);
    ComboBoxType->setMinimumWidth(160);
    OKBtn->setDefault(true);

    auto* images = new QVBoxLayout(GroupBoxImage);
    images->addWidget(RadioButtonImage1);
    images->addWidget(RadioButtonImage2);
    images->addWidget(RadioButtonImage3);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(EditFolder);
    folderRow->addWidget(ButtonFolder);
    auto* form = new QFormLayout;
    form->addRow(LabelType, ComboBoxType);
    form->addRow(LabelWidth, EditWidth);
    form->addRow(LabelWidthS, EditWidthS);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelFolder);
    layout->addLayout(folderRow);
    layout->addLayout(form);
    layout->addWidget(GroupBoxImage);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void THtmlDlg::ShowValues(const AlbumDialogValues& values) {
    EditFolder->setText(commands::PathText(values.folder));
    EditWidth->setText(QString::fromStdString(values.width));
    EditWidthS->setText(QString::fromStdString(values.thumbnailWidth));
    RadioButtonImage1->setChecked(values.existing == ExistingImages::Replace);
    RadioButtonImage2->setChecked(values.existing == ExistingImages::CopyExif);
    RadioButtonImage3->setChecked(values.existing == ExistingImages::Keep);
}

AlbumDialogValues THtmlDlg::Values() const {
    AlbumDialogValues values;
    values.folder = commands::TextPath(EditFolder->text());
    values.width = EditWidth->text().toStdString();
    values.thumbnailWidth = EditWidthS->text().toStdString();
    if (RadioButtonImage2->isChecked()) {
        values.existing = ExistingImages::CopyExif;
    } else if (RadioButtonImage3->isChecked()) {
        values.existing = ExistingImages::Keep;
    }
    return values;
}

void THtmlDlg::FillAlbumTypes() {
    ComboBoxType->clear();
    for (const std::string& type : AlbumTypes(templateFolder_)) {
        ComboBoxType->addItem(commands::PathText(type));
    }
    ComboBoxType->setCurrentIndex(ComboBoxType->count() > 0 ? 0 : -1);
}

void THtmlDlg::ButtonFolderClick() {
    // The browser's caption is the one the design gives it, although it asks for the output.
    if (const auto folder = commands::BrowseForFolder(this, "コピー元フォルダを指定してください",
                                                      EditFolder->text())) {
        EditFolder->setText(*folder);
    }
}

void THtmlDlg::OKBtnClick() {
    AlbumRequest request;
    request.values = Values();
    request.albumType = commands::TextPath(ComboBoxType->currentText()).string();
    request.templateFolder = templateFolder_;
    request.pictures = pictures_;
    request.fields = TickedFieldNames(live_.setup.htmlFields);
    if (AlbumDialogOk(request, store_, port_, progress_) == DialogEnd::Close) {
        accept();
    }
}

} // namespace publish
