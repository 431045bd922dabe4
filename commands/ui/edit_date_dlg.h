#pragma once

// The date dialog: how the new date is found (the file time, a given date and time, or a
// shift of each file's own date) and which of the three date tags take it. Its choices live in
// section EditDate, read at creation and written after OK, also when the confirmation list
// was cancelled.

#include "commands/date_edit.h"
#include "commands/edit_batch.h"
#include "commands/edit_settings.h"
#include "shell/settings_store.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace commands {

class TEditDateDlg : public QDialog {
    Q_OBJECT
public:
    TEditDateDlg(Selection files, shell::SettingsStore& store, EditPorts ports,
                 QWidget* parent = nullptr);

    // The preparation step: the picker and the time start at the first selected JPEG file's
    // DateTime, or at the present moment when it has none.
    void Prepare();
    [[nodiscard]] const std::optional<BatchReport>& Report() const { return report_; }

    // The date and time inputs are usable only with their radio button.
    void RadioButton1Click();

    QGroupBox* GroupBox1; // "修正方法"
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QDateEdit* DateTimePicker1;
    QLineEdit* EditTime;
    QLineEdit* EditOffset;
    QGroupBox* GroupBox2; // "修正対象"
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void BuildLayout();
    void ShowSettings(const DateEditSettings& settings);
    [[nodiscard]] DateEditSettings Choices() const;
    [[nodiscard]] DateEditRequest Request() const;
    void OKBtnClick();

    Selection files_;
    shell::SettingsStore& store_;
    EditPorts ports_;
    std::optional<BatchReport> report_;
};

} // namespace commands
