#include "shell/ui/setup_dlg_pages.h"

#include "platform/codepage.h"
#include "shell/settings_store.h"
#include "shell/settings_values.h"
#include "shell/ui/setup_dlg_columns.h"
#include "shell/ui/setup_dlg_fonts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace shell {
namespace {

QString Utf8Of(const std::string& cp932) {
    return QString::fromStdString(platform::Cp932ToUtf8(cp932));
}

std::string Cp932Of(const QString& text) {
    return platform::Utf8ToCp932(text.toStdString());
}

QRadioButton* Radio(const QString& name, const QString& caption, QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    return radio;
}

// Two radio buttons that exclude each other even when they share a box with other buttons.
void Pair(QRadioButton* first, QRadioButton* second) {
    auto* group = new QButtonGroup(first->parent());
    group->addButton(first);
    group->addButton(second);
}

// A decimal text setting in a spin box; text that is no number in range shows the default.
void ShowNumber(QSpinBox& box, const std::string& text, const StringSetting& setting) {
    const auto number = ParseDecimalInteger(text);
    const bool usable = number && *number >= box.minimum() && *number <= box.maximum();
    box.setValue(usable ? *number : ParseDecimalInteger(setting.defaultValue).value_or(0));
}

QSpinBox* NumberBox(const QString& name, int minimum, int maximum, const QString& unit,
                    QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setSuffix(unit);
    return box;
}

// The designed fonts of the list (proportional) and the detail pane (fixed pitch, so its
// full-width fillers keep the values in a column): 12-pixel characters.
QFont DesignedFont(const QString& family, bool fixedPitch) {
    QFont font(family);
    font.setPixelSize(12);
    font.setFixedPitch(fixedPitch);
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}

} // namespace

StartPage::StartPage(QWidget* parent)
    : SetupPage(parent),
      lastFolder_(Radio("RadioButtonPreFolder", "前回終了時のフォルダを引き継ぐ(&P)", this)),
      homeFolder_(Radio("RadioButtonHomeFolder", "ホームフォルダから始める(&H)", this)),
      homeFolderPath_(new QLineEdit(this)) {
    homeFolderPath_->setObjectName("EditHomeFolder");
    auto* browse = new QPushButton("参照(&B)...", this);
    browse->setObjectName("ButtonHomeFolder");
    Pair(lastFolder_, homeFolder_);

    auto* pathRow = new QHBoxLayout;
    pathRow->setContentsMargins(24, 0, 0, 0);
    pathRow->addWidget(homeFolderPath_, 1);
    pathRow->addWidget(browse);
    auto* box = new QGroupBox("起動時のフォルダ", this);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(lastFolder_);
    boxLayout->addWidget(homeFolder_);
    boxLayout->addLayout(pathRow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addStretch();

    auto enablePath = [this, browse] {
        homeFolderPath_->setEnabled(homeFolder_->isChecked());
        browse->setEnabled(homeFolder_->isChecked());
    };
    connect(homeFolder_, &QRadioButton::toggled, this, enablePath);
    connect(browse, &QPushButton::clicked, this, [this] { BrowseHomeFolder(); });
    enablePath();
}

void StartPage::ShowSettings(const LiveSettings& settings) {
    lastFolder_->setChecked(settings.setup.startInLastFolder);
    homeFolder_->setChecked(!settings.setup.startInLastFolder);
    homeFolderPath_->setText(Utf8Of(settings.setup.homeFolder));
}

void StartPage::StoreSettings(LiveSettings& settings) const {
    settings.setup.startInLastFolder = lastFolder_->isChecked();
    settings.setup.homeFolder = Cp932Of(homeFolderPath_->text());
}

void StartPage::BrowseHomeFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, "ホームフォルダの選択", homeFolderPath_->text());
    if (!folder.isEmpty()) {
        homeFolderPath_->setText(folder);
    }
}

ColumnsPage::ColumnsPage(const QString& listName, ColumnRows SetupSettings::*rows,
                         const QString& purpose, QWidget* parent)
    : SetupPage(parent), rows_(rows), columns_(new ColumnCheckList(listName, this)) {
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(purpose, this);
    label->setWordWrap(true);
    label->setBuddy(&columns_->List());
    layout->addWidget(label);
    layout->addWidget(columns_, 1);
}

void ColumnsPage::ShowSettings(const LiveSettings& settings) {
    columns_->SetRows(settings.setup.*rows_);
}

void ColumnsPage::StoreSettings(LiveSettings& settings) const {
    settings.setup.*rows_ = columns_->Rows();
}

void ColumnsPage::AddBelow(QWidget* controls) {
    layout()->addWidget(controls);
}

ListPage::ListPage(QWidget* parent)
    : ColumnsPage("CheckListBoxList", &SetupSettings::listColumns,
                  "リスト表示で表示する項目(&L)（チェックした項目を上から順に表示します）", parent),
      thumb80_(Radio("RadioButtonThumb80", "80×60", this)),
      thumb160_(Radio("RadioButtonThumb160", "160×120", this)),
      font_(new FontChoice("FontList", DesignedFont("ＭＳ Ｐゴシック", false), this)) {
    Pair(thumb80_, thumb160_);
    auto* thumbnails = new QGroupBox("サムネイルの大きさ", this);
    auto* thumbnailRow = new QHBoxLayout(thumbnails);
    thumbnailRow->addWidget(thumb80_);
    thumbnailRow->addWidget(thumb160_);
    thumbnailRow->addStretch();
    AddBelow(thumbnails);

    auto* fontBox = new QGroupBox("ファイル一覧のフォント", this);
    auto* fontRow = new QHBoxLayout(fontBox);
    fontRow->addWidget(font_);
    AddBelow(fontBox);
}

void ListPage::ShowSettings(const LiveSettings& settings) {
    ColumnsPage::ShowSettings(settings);
    thumb80_->setChecked(settings.setup.largeThumbnails);
    thumb160_->setChecked(!settings.setup.largeThumbnails);
}

void ListPage::StoreSettings(LiveSettings& settings) const {
    ColumnsPage::StoreSettings(settings);
    // The stored name says "large" for the 80x60 choice; the value keeps its meaning.
    settings.setup.largeThumbnails = thumb80_->isChecked();
}

DetailPage::DetailPage(QWidget* parent)
    : ColumnsPage("CheckListBoxDetail", &SetupSettings::detailLines,
                  "詳細表示に表示する項目(&L)（チェックした項目を上から順に表示します）", parent),
      exifDump_(new QCheckBox("EXIF詳細表示", this)),
      font_(new FontChoice("FontDetail", DesignedFont("ＭＳ ゴシック", true), this)) {
    exifDump_->setObjectName("CheckBoxExif");
    exifDump_->setToolTip("項目の後にEXIFのすべての項目を表示します");
    AddBelow(exifDump_);
    auto* fontBox = new QGroupBox("詳細表示のフォント", this);
    auto* fontRow = new QHBoxLayout(fontBox);
    fontRow->addWidget(font_);
    AddBelow(fontBox);
}

void DetailPage::ShowSettings(const LiveSettings& settings) {
    ColumnsPage::ShowSettings(settings);
    exifDump_->setChecked(settings.setup.detailExif);
}

void DetailPage::StoreSettings(LiveSettings& settings) const {
    ColumnsPage::StoreSettings(settings);
    settings.setup.detailExif = exifDump_->isChecked();
}

ToolPage::ToolPage(QWidget* parent)
    : SetupPage(parent), standard_(Radio("RadioButtonPre1", "標準", this)),
      fixed_(Radio("RadioButtonPre2", "固定値", this)),
      width_(NumberBox("EditPreviewWidth", 16, 9999, " ピクセル", this)),
      interval_(NumberBox("EditSlide", 1, 3600, " 秒", this)) {
    Pair(standard_, fixed_);
    auto* preview = new QGroupBox("プレビューの大きさ", this);
    auto* previewLayout = new QFormLayout(preview);
    previewLayout->addRow(standard_, new QLabel("画面に収まるよう整数分の一に縮小", preview));
    previewLayout->addRow(fixed_, width_);

    auto* slide = new QGroupBox("スライドショー", this);
    auto* slideLayout = new QFormLayout(slide);
    auto* intervalLabel = new QLabel("表示間隔(&I)", slide);
    intervalLabel->setBuddy(interval_);
    slideLayout->addRow(intervalLabel, interval_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview);
    layout->addWidget(slide);
    layout->addStretch();
    connect(fixed_, &QRadioButton::toggled, width_, &QSpinBox::setEnabled);
}

void ToolPage::ShowSettings(const LiveSettings& settings) {
    // Both flags are stored; the program only ever sets one of them, Pre1 winning otherwise.
    standard_->setChecked(settings.tool.standardPreview || !settings.tool.fixedPreview);
    fixed_->setChecked(!standard_->isChecked());
    width_->setEnabled(fixed_->isChecked());
    ShowNumber(*width_, settings.tool.previewWidth, settings::kToolPreview);
    ShowNumber(*interval_, settings.tool.slideInterval, settings::kToolSlide);
}

void ToolPage::StoreSettings(LiveSettings& settings) const {
    settings.tool.standardPreview = standard_->isChecked();
    settings.tool.fixedPreview = fixed_->isChecked();
    settings.tool.previewWidth = std::to_string(width_->value());
    settings.tool.slideInterval = std::to_string(interval_->value());
}

} // namespace shell
