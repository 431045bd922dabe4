#include "commands/ui/edit_date_dlg.h"

#include "commands/edit_settings.h"
#include "commands/ui/named_widget.h"
#include "exif/file_probes.h"
#include "platform/codepage.h"
#include "platform/file_error.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace commands {
namespace {

// The DateTime of the first selected JPEG file as a moment; nothing when it names none.
std::optional<QDateTime> FirstPhotoDate(const Selection& files) {
    const auto first = std::find_if(files.begin(), files.end(), exif::IsJpegName);
    if (first == files.end()) {
        return std::nullopt;
    }
    try {
        const QDateTime date = QDateTime::fromString(
            QString::fromStdString(exif::ReadTagText(*first, "DateTime")), "yyyy:MM:dd HH:mm:ss");
        return date.isValid() ? std::optional(date) : std::nullopt;
    } catch (const platform::FileError&) {
        return std::nullopt; // the run names the file that cannot be read
    }
}

} // namespace

TEditDateDlg::TEditDateDlg(Selection files, shell::SettingsStore& store, EditPorts ports,
                           QWidget* parent)
    : QDialog(parent), GroupBox1(Named(new QGroupBox("修正方法", this), "GroupBox1")),
      RadioButton1(Named(new QRadioButton("ファイル作成日付に修正", GroupBox1), "RadioButton1")),
      RadioButton2(Named(new QRadioButton("指定日時に修正", GroupBox1), "RadioButton2")),
      RadioButton3(Named(new QRadioButton("ベース日付を加算", GroupBox1), "RadioButton3")),
      DateTimePicker1(Named(new QDateEdit(GroupBox1), "DateTimePicker1")),
      EditTime(Named(new QLineEdit(GroupBox1), "EditTime")),
      EditOffset(Named(new QLineEdit(GroupBox1), "EditOffset")),
      GroupBox2(Named(new QGroupBox("修正対象", this), "GroupBox2")),
      CheckBox1(Named(new QCheckBox("日付", GroupBox2), "CheckBox1")),
      CheckBox2(Named(new QCheckBox("撮影日付", GroupBox2), "CheckBox2")),
      CheckBox3(Named(new QCheckBox("修正日付", GroupBox2), "CheckBox3")),
      OKBtn(Named(new QPushButton("OK", this), "OKBtn")),
      CancelBtn(Named(new QPushButton("キャンセル", this), "CancelBtn")), files_(std::move(files)),
      store_(store), ports_(ports) {
    setWindowTitle("日付修正");
    DateTimePicker1->setDisplayFormat("yyyy/MM/dd");
    DateTimePicker1->setCalendarPopup(true);
    EditTime->setMaximumWidth(120);
    EditOffset->setPlaceholderText("+1 02:00 / -09:30");
    OKBtn->setDefault(true);
    BuildLayout();
    for (QRadioButton* radio : {RadioButton1, RadioButton2, RadioButton3}) {
        connect(radio, &QRadioButton::clicked, this, &TEditDateDlg::RadioButton1Click);
    }
    connect(OKBtn, &QPushButton::clicked, this, &TEditDateDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ShowSettings(ReadDateEditSettings(store_));
}

void TEditDateDlg::BuildLayout() {
    auto* methods = new QGridLayout(GroupBox1);
    methods->addWidget(RadioButton1, 0, 0, 1, 3);
    methods->addWidget(RadioButton2, 1, 0);
    methods->addWidget(DateTimePicker1, 1, 1);
    methods->addWidget(EditTime, 1, 2);
    methods->addWidget(RadioButton3, 2, 0);
    methods->addWidget(EditOffset, 2, 1, 1, 2);
    auto* targets = new QHBoxLayout(GroupBox2);
    targets->addWidget(CheckBox1);
    targets->addWidget(CheckBox2);
    targets->addWidget(CheckBox3);
    targets->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TEditDateDlg::ShowSettings(const DateEditSettings& settings) {
    RadioButton1->setChecked(settings.source == DateSource::FileTime);
    RadioButton2->setChecked(settings.source == DateSource::Given);
    RadioButton3->setChecked(settings.source == DateSource::Shift);
    CheckBox1->setChecked(settings.targets.dateTime);
    CheckBox2->setChecked(settings.targets.dateTimeOriginal);
    CheckBox3->setChecked(settings.targets.dateTimeDigitized);
    RadioButton1Click();
}

void TEditDateDlg::Prepare() {
    const QDateTime start = FirstPhotoDate(files_).value_or(QDateTime::currentDateTime());
    DateTimePicker1->setDate(start.date());
    EditTime->setText(start.time().toString("HH:mm:ss"));
}

void TEditDateDlg::RadioButton1Click() {
    DateTimePicker1->setEnabled(RadioButton2->isChecked());
    EditTime->setEnabled(RadioButton2->isChecked());
    EditOffset->setEnabled(RadioButton3->isChecked());
}

DateEditSettings TEditDateDlg::Choices() const {
    DateEditSettings settings;
    settings.source = RadioButton2->isChecked()   ? DateSource::Given
                      : RadioButton3->isChecked() ? DateSource::Shift
                                                  : DateSource::FileTime;
    settings.targets = {CheckBox1->isChecked(), CheckBox2->isChecked(), CheckBox3->isChecked()};
    return settings;
}

DateEditRequest TEditDateDlg::Request() const {
    const DateEditSettings choices = Choices();
    const QDate date = DateTimePicker1->date();
    DateEditRequest request;
    request.source = choices.source;
    request.date = {date.year(), date.month(), date.day()};
    request.timeText = platform::Utf8ToCp932(EditTime->text().toStdString());
    request.shiftText = EditOffset->text().toStdString();
    request.targets = choices.targets;
    return request;
}

void TEditDateDlg::OKBtnClick() {
    report_ = RunDateEdit(files_, Request(), ports_);
    if (!report_) {
        return; // the shift did not parse; the user may put it right
    }
    WriteDateEditSettings(store_, Choices());
    accept();
}

} // namespace commands
