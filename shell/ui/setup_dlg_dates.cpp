#include "shell/ui/setup_dlg_dates.h"

#include "exif/name_templates.h"
#include "platform/codepage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace shell {
namespace {

// The items of Date5: index n means n digits.
constexpr const char* kDigitChoices[kDigitChoiceCount] = {"なし", "１桁", "２桁",
                                                          "３桁", "４桁", "５桁"};

QComboBox* Choices(const QString& name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

QStringList Utf8Items(std::span<const std::string> cp932) {
    QStringList items;
    for (const std::string& item : cp932) {
        items << QString::fromStdString(platform::Cp932ToUtf8(item));
    }
    return items;
}

// A separator becomes part of a file name: no folder separators or characters file names on
// the platform of the design refuse.
QLineEdit* SeparatorEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(8);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(R"([^\\/:*?"<>|\x00-\x1f]*)"), edit));
    return edit;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

DateNamePage::DateNamePage(QWidget* parent)
    : SetupPage(parent),
      datePattern_(Choices("ComboBoxDate1", Utf8Items(exif::DatePatternChoices()), this)),
      dateSeparator_(SeparatorEdit("EditDate1", this)),
      timePattern_(Choices("ComboBoxDate2", Utf8Items(exif::TimePatternChoices()), this)),
      timeSeparator_(SeparatorEdit("EditDate2", this)),
      digits_(Choices("ComboBoxDate3",
                      QStringList(std::begin(kDigitChoices), std::end(kDigitChoices)), this)),
      example_(new QLabel(this)) {
    example_->setObjectName("LabelExample");
    example_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = example_->font();
    bold.setBold(true);
    example_->setFont(bold);

    auto* box = new QGroupBox("撮影日付によるファイル名", this);
    auto* form = new QFormLayout(box);
    form->addRow(Caption("日付の形式(&D)", datePattern_, box), datePattern_);
    form->addRow(Caption("日付の後の区切り(&1)", dateSeparator_, box), dateSeparator_);
    form->addRow(Caption("時刻の形式(&T)", timePattern_, box), timePattern_);
    form->addRow(Caption("時刻の後の区切り(&2)", timeSeparator_, box), timeSeparator_);
    form->addRow(Caption("連番の桁数(&N)", digits_, box), digits_);

    auto* exampleBox = new QGroupBox("例（2000年12月31日 9時05分07秒に撮影した写真）", this);
    auto* exampleLayout = new QVBoxLayout(exampleBox);
    exampleLayout->addWidget(example_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(exampleBox);
    layout->addStretch();

    for (QComboBox* combo : {datePattern_, timePattern_, digits_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { ShowExample(); });
    }
    for (QLineEdit* edit : {dateSeparator_, timeSeparator_}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { ShowExample(); });
    }
}

void DateNamePage::ShowSettings(const LiveSettings& settings) {
    shown_ = settings;
    datePattern_->setCurrentIndex(settings.setup.datePattern);
    dateSeparator_->setText(
        QString::fromStdString(platform::Cp932ToUtf8(settings.setup.dateSeparator)));
    timePattern_->setCurrentIndex(settings.setup.timePattern);
    timeSeparator_->setText(
        QString::fromStdString(platform::Cp932ToUtf8(settings.setup.timeSeparator)));
    digits_->setCurrentIndex(settings.setup.digits);
    ShowExample();
}

void DateNamePage::StoreSettings(LiveSettings& settings) const {
    settings.setup.datePattern = datePattern_->currentIndex();
    settings.setup.dateSeparator = platform::Utf8ToCp932(dateSeparator_->text().toStdString());
    settings.setup.timePattern = timePattern_->currentIndex();
    settings.setup.timeSeparator = platform::Utf8ToCp932(timeSeparator_->text().toStdString());
    settings.setup.digits = digits_->currentIndex();
}

void DateNamePage::ShowExample() {
    LiveSettings probe = shown_;
    StoreSettings(probe);
    example_->setText(
        QString::fromStdString(platform::Cp932ToUtf8(exampleMaker_.Name(probe.NameTemplate()))));
}

} // namespace shell
