#pragma once

// The rename dialog (TFileRenameDlg "ファイル自動変名"): a new name for each selected file in its
// own folder, from the shooting date or as a DCF name. It reads section FileRename when created;
// OK runs the command and writes the section back.

#include "commands/file_rename_command.h"
#include "shell/settings_live.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace commands {

class TFileRenameDlg : public QDialog {
    Q_OBJECT
public:
    TFileRenameDlg(FileCommandContext context, shell::SettingsStore& store,
                   const shell::LiveSettings& live, FileCommandPorts ports,
                   QWidget* parent = nullptr);

    // EditDCF (and its label) are usable only while RadioButton3 is chosen.
    void RadioButtonClick();
    void OKBtnClick();

    [[nodiscard]] RenameDialogValues Values() const;
    [[nodiscard]] const FileCommandResult& Result() const { return result_; }

    QGroupBox* GroupBox1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4; // hidden: the fourth choice has no naming rule
    QLabel* LabelDCF;
    QLineEdit* EditDCF;
    QLineEdit* EditName; // hidden with RadioButton4
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void BuildLayout();

    FileCommandContext context_;
    shell::SettingsStore& store_;
    const shell::LiveSettings& live_;
    FileCommandPorts ports_;
    FileCommandResult result_;
};

} // namespace commands
