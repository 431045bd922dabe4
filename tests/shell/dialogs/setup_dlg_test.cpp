// The settings dialog: what it shows of the stored settings, what OK keeps and Cancel drops,
// the example name, the font records, and a screenshot of every page.

#include "platform/codepage.h"
#include "shell/settings_records.h"
#include "shell/settings_values.h"
#include "shell/ui/setup_dlg.h"
#include "shell/ui/setup_dlg_fonts.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/screenshot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace shell;

namespace {

template <typename T> T& Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return *child;
}

// A button of the column list that holds the named list.
QPushButton& ListButton(QWidget& dialog, const char* list, const char* button) {
    return Child<QPushButton>(*Child<QListWidget>(dialog, list).parentWidget(), button);
}

std::string Cp932(const char* utf8) {
    return platform::Utf8ToCp932(utf8);
}

class ASetupDialog : public ::testing::Test {
protected:
    [[nodiscard]] LiveSettings Stored() const {
        return LiveSettings::Load(SettingsStore::Open(machine.Database()));
    }
    QString Example(TSetupDlg& dialog) { return Child<QLabel>(dialog, "LabelExample").text(); }

    fixture::MachineSandbox machine;
    SettingsStore store = SettingsStore::OpenMachine();
    LiveSettings live = LiveSettings::Load(store);
};

TEST_F(ASetupDialog, ShowsTheStoredValues) {
    ASSERT_TRUE(store
                    .WriteString("Setup", "List",
                                 " 2 1 3 4 5 6 7 8 9101112131415161718192021222324"
                                 "25")
                    .Ok());
    ASSERT_TRUE(store.WriteString("Setup", "ListCheck", "0" + std::string(24, '1')).Ok());
    LiveSettings stored = LiveSettings::Load(store);
    stored.setup.startInLastFolder = false;
    stored.setup.homeFolder = Cp932("/写真/家族");
    stored.setup.largeThumbnails = false;
    stored.setup.detailExif = true;
    stored.setup.datePattern = 2;
    stored.setup.dateSeparator = "-";
    stored.setup.timePattern = 5;
    stored.setup.timeSeparator = "";
    stored.setup.digits = 3;
    stored.tool = {false, true, "800", "3"};
    stored.exec[2] = {"Viewer", "/usr/bin/viewer", "$P/$F", "/tmp", {true, false, true, false}};
    ASSERT_TRUE(stored.Save(store).Ok());
    live.Reload(store);

    TSetupDlg dialog(store, live);

    EXPECT_TRUE(Child<QRadioButton>(dialog, "RadioButtonHomeFolder").isChecked());
    EXPECT_FALSE(Child<QRadioButton>(dialog, "RadioButtonPreFolder").isChecked());
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditHomeFolder").text(), "/写真/家族");
    const auto& list = Child<QListWidget>(dialog, "CheckListBoxList");
    ASSERT_EQ(list.count(), 25);
    EXPECT_EQ(list.item(0)->text(), "ファイルサイズ");
    EXPECT_EQ(list.item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list.item(1)->text(), "ファイル名");
    EXPECT_EQ(list.item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(list.item(24)->text(), "コメント");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RadioButtonThumb160").isChecked());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "CheckBoxExif").isChecked());
    EXPECT_EQ(Child<QListWidget>(dialog, "CheckListBoxCsv").item(0)->text(), "ファイル名");
    EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxDate1").currentText(), "DDMMYYYY");
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditDate1").text(), "-");
    EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxDate2").currentText(), "HH時MM分");
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditDate2").text(), "");
    EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxDate3").currentText(), "３桁");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RadioButtonPre2").isChecked());
    EXPECT_EQ(Child<QSpinBox>(dialog, "EditPreviewWidth").value(), 800);
    EXPECT_EQ(Child<QSpinBox>(dialog, "EditSlide").value(), 3);

    auto& entries = Child<QListWidget>(dialog, "ListBoxExec");
    ASSERT_EQ(entries.count(), 26);
    EXPECT_EQ(entries.item(2)->text(), "C  Viewer");
    EXPECT_EQ(entries.item(25)->text(), "Z  ");
    entries.setCurrentRow(2);
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditTitle").text(), "Viewer");
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditProgram").text(), "/usr/bin/viewer");
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditParam").text(), "$P/$F");
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditWork").text(), "/tmp");
    EXPECT_TRUE(Child<QCheckBox>(dialog, "CheckBoxE").isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dialog, "CheckBoxT").isChecked());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "CheckBoxD").isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dialog, "CheckBoxM").isChecked());
}

TEST_F(ASetupDialog, FreshUserSeesTheDefaults) {
    TSetupDlg dialog(store, live);
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RadioButtonPreFolder").isChecked());
    EXPECT_FALSE(Child<QLineEdit>(dialog, "EditHomeFolder").isEnabled());
    for (const char* name :
         {"CheckListBoxList", "CheckListBoxDetail", "CheckListBoxHtml", "CheckListBoxCsv"}) {
        const auto& list = Child<QListWidget>(dialog, name);
        ASSERT_EQ(list.count(), 25) << name;
        EXPECT_EQ(list.item(0)->text(), "ファイル名") << name;
        EXPECT_EQ(list.item(24)->text(), "コメント") << name;
        for (int i = 0; i < list.count(); ++i) {
            EXPECT_EQ(list.item(i)->checkState(), Qt::Checked) << name << " row " << i;
        }
    }
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RadioButtonThumb80").isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dialog, "CheckBoxExif").isChecked());
    EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxDate1").currentText(), "YYYYMMDD");
    EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxDate2").currentText(), "HHMM");
    EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxDate3").currentText(), "２桁");
    EXPECT_TRUE(Child<QRadioButton>(dialog, "RadioButtonPre1").isChecked());
    EXPECT_FALSE(Child<QSpinBox>(dialog, "EditPreviewWidth").isEnabled());
    EXPECT_EQ(Child<QSpinBox>(dialog, "EditPreviewWidth").value(), 640);
    EXPECT_EQ(Child<QSpinBox>(dialog, "EditSlide").value(), 10);
    EXPECT_EQ(Example(dialog), "20001231_0905_01.jpg");
}

TEST_F(ASetupDialog, OkKeepsEveryChangeInTheLiveCopyAndTheRegistry) {
    LiveSettings expected = live; // a fresh user's settings
    TSetupDlg dialog(store, live);
    // Detail pane: ファイル名 one place down, メーカー unticked, the EXIF dump on.
    auto& detail = Child<QListWidget>(dialog, "CheckListBoxDetail");
    detail.setCurrentRow(0);
    QTest::mouseClick(&ListButton(dialog, "CheckListBoxDetail", "ButtonDown"), Qt::LeftButton);
    detail.item(2)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(&Child<QCheckBox>(dialog, "CheckBoxExif"), Qt::LeftButton);
    // CSV: the last column to the top by repeated moves up.
    auto& csv = Child<QListWidget>(dialog, "CheckListBoxCsv");
    csv.setCurrentRow(24);
    for (int i = 0; i < 30; ++i) {
        QTest::mouseClick(&ListButton(dialog, "CheckListBoxCsv", "ButtonUp"), Qt::LeftButton);
    }
    QTest::mouseClick(&ListButton(dialog, "CheckListBoxHtml", "ButtonUntickAll"), Qt::LeftButton);
    // Date names: YYMMDD, "-" after the date (the "/" typed with it is refused), no number.
    Child<QComboBox>(dialog, "ComboBoxDate1").setCurrentIndex(3);
    QTest::keyClicks(&Child<QLineEdit>(dialog, "EditDate1"), "-/");
    Child<QComboBox>(dialog, "ComboBoxDate3").setCurrentIndex(0);
    // Thumbnails, start folder, preview and slide show.
    Child<QRadioButton>(dialog, "RadioButtonThumb160").setChecked(true);
    Child<QRadioButton>(dialog, "RadioButtonHomeFolder").setChecked(true);
    Child<QLineEdit>(dialog, "EditHomeFolder").setText("/home/写真");
    Child<QRadioButton>(dialog, "RadioButtonPre2").setChecked(true);
    Child<QSpinBox>(dialog, "EditPreviewWidth").setValue(1024);
    Child<QSpinBox>(dialog, "EditSlide").setValue(5);
    // External program C, then a look at A and back, so the entry survives the switch.
    auto& entries = Child<QListWidget>(dialog, "ListBoxExec");
    entries.setCurrentRow(2);
    Child<QLineEdit>(dialog, "EditTitle").setText("画像ビューア");
    Child<QLineEdit>(dialog, "EditProgram").setText("/usr/bin/eog");
    Child<QLineEdit>(dialog, "EditParam").setText("$P/$F");
    Child<QLineEdit>(dialog, "EditWork").setText("/tmp");
    QTest::mouseClick(&Child<QCheckBox>(dialog, "CheckBoxM"), Qt::LeftButton);
    QTest::mouseClick(&Child<QCheckBox>(dialog, "CheckBoxT"), Qt::LeftButton);
    entries.setCurrentRow(0);
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditTitle").text(), "");
    EXPECT_EQ(entries.item(2)->text(), "C  画像ビューア");

    QTest::mouseClick(&Child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    std::swap(expected.setup.detailLines[0], expected.setup.detailLines[1]);
    expected.setup.detailLines[2].ticked = false;
    expected.setup.detailExif = true;
    std::rotate(expected.setup.csvColumns.rbegin(), expected.setup.csvColumns.rbegin() + 1,
                expected.setup.csvColumns.rend());
    for (ColumnRow& row : expected.setup.htmlFields) {
        row.ticked = false;
    }
    expected.setup.datePattern = 3;
    expected.setup.dateSeparator = "_-";
    expected.setup.digits = 0;
    expected.setup.largeThumbnails = false;
    expected.setup.startInLastFolder = false;
    expected.setup.homeFolder = Cp932("/home/写真");
    expected.tool = {false, true, "1024", "5"};
    expected.exec[2] = {
        Cp932("画像ビューア"), "/usr/bin/eog", "$P/$F", "/tmp", {false, true, false, true}};
    EXPECT_EQ(live, expected);
    EXPECT_EQ(Stored(), expected);
    // The stored forms: numbers as "%2d", ticks as "1"/"0", option letters in E T D M order.
    EXPECT_EQ(store.StoredText("Setup", "Detail").value_or("").substr(0, 6), " 2 1 3");
    EXPECT_EQ(store.StoredText("Setup", "DetailCheck"), "110" + std::string(22, '1'));
    EXPECT_EQ(store.StoredText("Setup", "CSV").value_or("").substr(0, 6), "25 1 2");
    EXPECT_EQ(store.StoredText("Exec", "ExifC"), "TM");
    EXPECT_EQ(store.StoredText("Tool", "Pre1"), "0");
    EXPECT_EQ(store.StoredText("Tool", "Preview"), "1024");
}

TEST_F(ASetupDialog, CancelDropsTheChangesAndReloadsTheLiveCopy) {
    live.setup.digits = 5; // a change nobody saved
    for (bool byButton : {true, false}) {
        TSetupDlg dialog(store, live);
        dialog.show();
        Child<QComboBox>(dialog, "ComboBoxDate1").setCurrentIndex(4);
        Child<QListWidget>(dialog, "ListBoxExec").setCurrentRow(1);
        Child<QLineEdit>(dialog, "EditTitle").setText("B");
        if (byButton) {
            QTest::mouseClick(&Child<QPushButton>(dialog, "CancelBtn"), Qt::LeftButton);
        } else {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }
        const char* how = byButton ? "cancel button" : "escape";
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << how;
        EXPECT_EQ(live, Stored()) << how;
        EXPECT_EQ(live.setup.digits, 2) << how;
        EXPECT_EQ(live.setup.datePattern, 0) << how;
        EXPECT_EQ(live.exec[1].title, "") << how;
        EXPECT_FALSE(store.StoredText("Setup", "Date1")) << how;
        EXPECT_FALSE(store.StoredText("Exec", "TitleB")) << how;

        // Opened again, the same dialog shows the live settings, not the dropped edits.
        dialog.show();
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxDate1").currentIndex(), 0) << how;
        EXPECT_EQ(Child<QComboBox>(dialog, "ComboBoxDate3").currentIndex(), 2) << how;
        Child<QListWidget>(dialog, "ListBoxExec").setCurrentRow(1);
        EXPECT_EQ(Child<QLineEdit>(dialog, "EditTitle").text(), "") << how;
        EXPECT_EQ(Child<QListWidget>(dialog, "ListBoxExec").item(1)->text(), "B  ") << how;
    }
}

TEST_F(ASetupDialog, ExampleNameFollowsTheDateSettings) {
    TSetupDlg dialog(store, live);
    auto& datePattern = Child<QComboBox>(dialog, "ComboBoxDate1");
    auto& dateSeparator = Child<QLineEdit>(dialog, "EditDate1");
    auto& timePattern = Child<QComboBox>(dialog, "ComboBoxDate2");
    auto& timeSeparator = Child<QLineEdit>(dialog, "EditDate2");
    auto& digits = Child<QComboBox>(dialog, "ComboBoxDate3");

    datePattern.setCurrentText("YYMMDD");
    dateSeparator.setText("");
    timePattern.setCurrentText("HH.MM");
    timeSeparator.setText("_");
    digits.setCurrentIndex(3);
    EXPECT_EQ(Example(dialog), "00123109.05_001.jpg");

    datePattern.setCurrentText("DDMMYYYY");
    timePattern.setCurrentText("HH時MM分SS秒");
    digits.setCurrentIndex(0);
    EXPECT_EQ(Example(dialog), "3112200009時05分07秒_.jpg");

    dateSeparator.setText("-");
    timePattern.setCurrentText("時間なし");
    timeSeparator.setText("");
    digits.setCurrentIndex(5);
    EXPECT_EQ(Example(dialog), "31122000-00001.jpg");
}

TEST_F(ASetupDialog, OkWritesTheFontRecordsItHolds) {
    FontInfo stored;
    stored.height = -16;
    stored.color = 0x00FF0000;
    stored.pixelsPerInch = 96;
    stored.charset = 128;
    stored.style.bold = true;
    stored.faceName = "IPAGothic";
    ASSERT_TRUE(WriteFontInfo(store, settings::kFontInfoList, stored).Ok());

    TSetupDlg dialog(store, live);
    EXPECT_EQ(Child<FontChoice>(dialog, "FontList").Font().pixelSize(), 16);
    QFont chosen("IPAPGothic");
    chosen.setPixelSize(14);
    chosen.setItalic(true);
    Child<FontChoice>(dialog, "FontDetail").Choose(chosen);
    QTest::mouseClick(&Child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);

    EXPECT_EQ(ReadFontInfo(store, settings::kFontInfoList), stored);
    const auto detail = ReadFontInfo(store, settings::kFontInfoDetail);
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->height, -14);
    EXPECT_EQ(detail->pixelsPerInch, 96);
    EXPECT_EQ(detail->faceName, "IPAPGothic");
    EXPECT_EQ(detail->style, (FontStyle{false, true, false, false}));
    EXPECT_EQ(detail->charset, 128);
}

TEST_F(ASetupDialog, LeavesFontRecordsAbsentWhenNoneWasChosen) {
    TSetupDlg dialog(store, live);
    QTest::mouseClick(&Child<QPushButton>(dialog, "OKBtn"), Qt::LeftButton);
    EXPECT_FALSE(ReadFontInfo(store, settings::kFontInfoList));
    EXPECT_FALSE(ReadFontInfo(store, settings::kFontInfoDetail));
}

TEST(FontRecords, HeightsAreCharacterPixelsAtTheRecordsResolution) {
    FontInfo record;
    record.height = -15;
    record.pixelsPerInch = 120;
    record.pitch = 2;
    record.style = {false, false, true, true};
    record.faceName = platform::Utf8ToCp932("IPAゴシック");
    const QFont font = FontOfRecord(record, QFont());
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_EQ(font.family(), "IPAゴシック");
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_TRUE(font.fixedPitch());

    QFont points("IPAGothic");
    points.setPointSize(9);
    FontInfo previous;
    previous.color = 0x123456;
    const FontInfo fromPoints = RecordOfFont(points, previous);
    EXPECT_EQ(fromPoints.height, -12);
    EXPECT_EQ(fromPoints.pixelsPerInch, 96);
    EXPECT_EQ(fromPoints.color, 0x123456u);
    EXPECT_EQ(fromPoints.faceName, "IPAGothic");
}

TEST_F(ASetupDialog, EveryPageFitsItsWindow) {
    LiveSettings shown = live;
    shown.exec[0] = {Cp932("画像ビューア"), "/usr/bin/eog", "$F", "", {true, true, false, false}};
    shown.exec[3].title = Cp932("レタッチ");
    ASSERT_TRUE(shown.Save(store).Ok());
    live.Reload(store);
    TSetupDlg dialog(store, live);
    dialog.show();
    auto& pages = Child<QTabWidget>(dialog, "PageControl");
    for (int i = 0; i < pages.count(); ++i) {
        pages.setCurrentIndex(i);
        QWidget* page = pages.widget(i);
        EXPECT_GE(page->width(), page->minimumSizeHint().width()) << i;
        EXPECT_GE(page->height(), page->minimumSizeHint().height()) << i;
        EXPECT_FALSE(fixture::SaveScreenshot(dialog, QString("setup_dlg_%1").arg(i + 1)).isEmpty());
    }
}

} // namespace
