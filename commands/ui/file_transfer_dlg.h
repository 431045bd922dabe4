#pragma once

// The copy and move dialogs (TFileCopyDlg "ファイルコピー", TFileMoveDlg "ファイル移動"):
// the destination folder with a folder picker, and the naming choice of "自動ファイル変名".
// Each reads its section when created; OK runs the command and writes the section back.

#include "commands/file_transfer_command.h"
#include "shell/settings_live.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace commands {

class TFileTransferDlg : public QDialog {
    Q_OBJECT
public:
    // Opens the folder picker on the folder in EditFolder; a chosen folder replaces the text.
    void ButtonFolderClick();
    // EditDCF (and its label) are usable only while RadioButton3 is chosen.
    void RadioButtonClick();
    // Runs the command; the dialog closes unless a value is missing.
    void OKBtnClick();

    // The values the controls show.
    [[nodiscard]] TransferDialogValues Values() const;
    [[nodiscard]] const FileCommandResult& Result() const { return result_; }

    QLabel* LabelFolder;
    QLineEdit* EditFolder;
    QPushButton* ButtonFolder;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4; // hidden: the fourth choice has no naming rule
    QLabel* LabelDCF;
    QLineEdit* EditDCF;
    QLineEdit* EditName; // hidden with RadioButton4
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    TFileTransferDlg(platform::TransferKind kind, FileCommandContext context,
                     shell::SettingsStore& store, const shell::LiveSettings& live,
                     FileCommandPorts ports, QWidget* parent);

private:
    void BuildLayout();
    void ShowValues(const TransferDialogValues& values);

    platform::TransferKind kind_;
    FileCommandContext context_;
    shell::SettingsStore& store_;
    const shell::LiveSettings& live_;
    FileCommandPorts ports_;
    FileCommandResult result_;
};

class TFileCopyDlg : public TFileTransferDlg {
    Q_OBJECT
public:
    TFileCopyDlg(FileCommandContext context, shell::SettingsStore& store,
                 const shell::LiveSettings& live, FileCommandPorts ports,
                 QWidget* parent = nullptr);
};

class TFileMoveDlg : public TFileTransferDlg {
    Q_OBJECT
public:
    TFileMoveDlg(FileCommandContext context, shell::SettingsStore& store,
                 const shell::LiveSettings& live, FileCommandPorts ports,
                 QWidget* parent = nullptr);
};

} // namespace commands
