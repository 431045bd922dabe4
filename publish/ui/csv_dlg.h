#pragma once

// The listing dialog (TCsvDlg "CSV形式出力"): the output file with a save dialog beside it. It
// reads section CSV when created and writes it after a completed listing.

#include "publish/publish_ports.h"
#include "shell/settings_live.h"

#include <QDialog>
#include <filesystem>
#include <vector>

class QFileDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace publish {

class TCsvDlg : public QDialog {
    Q_OBJECT
public:
    // files: the selected files (current folder + name) in list order.
    TCsvDlg(std::vector<std::filesystem::path> files, shell::SettingsStore& store,
            const shell::LiveSettings& live, PublishPort& port, QWidget* parent = nullptr);

    // Opens SaveDialog1 on the file name in EditFile; a chosen path replaces the text.
    void ButtonFolderClick();
    // Writes the listing; the dialog closes when it was written.
    void OKBtnClick();

    QLabel* LabelFile;
    QLineEdit* EditFile;
    QPushButton* ButtonFolder;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QFileDialog* SaveDialog1; // title "出力ファイル指定", no filter, no default extension

private:
    std::vector<std::filesystem::path> files_;
    shell::SettingsStore& store_;
    const shell::LiveSettings& live_;
    PublishPort& port_;
};

} // namespace publish
