#pragma once

// The presentation-file dialog (TCrePrezenDlg "プレゼンテーション用ファイル作成"): the output
// folder with a browser beside it and the DCF prefix of the new names. It reads section
// CrePrezen when created and writes it after OK has run its batch.

#include "commands/edit_batch.h"
#include "commands/ui/folder_browser.h"
#include "shell/settings_store.h"

#include <QDialog>
#include <filesystem>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace publish {

class TCrePrezenDlg : public QDialog {
    Q_OBJECT
public:
    // files: the selected files (current folder + name) in list order.
    TCrePrezenDlg(commands::Selection files, shell::SettingsStore& store,
                  std::filesystem::path templatePicture, commands::EditPorts ports,
                  QWidget* parent = nullptr);

    [[nodiscard]] const std::optional<commands::BatchReport>& Report() const { return report_; }

    // Opens the folder browser on the folder in EditFolder; a chosen folder replaces the text.
    void ButtonFolderClick();
    // Runs the batch; the dialog closes unless a check refused with a message.
    void OKBtnClick();

    QLabel* LabelFolder;
    QLineEdit* EditFolder;
    QPushButton* ButtonFolder;
    QLabel* LabelDCF;
    QLineEdit* EditDCF;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    commands::FolderBrowser SHBrowseForFolderEx1;

private:
    commands::Selection files_;
    shell::SettingsStore& store_;
    std::filesystem::path templatePicture_;
    commands::EditPorts ports_;
    std::optional<commands::BatchReport> report_;
};

} // namespace publish
