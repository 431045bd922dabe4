#pragma once

// The album dialog (THtmlDlg "HTML作成"): the output folder, the album type from the template
// folder, the two picture widths and what to do with images already in the folder. It reads
// section HTML when created and writes it after a completed generation.

#include "commands/batch_ports.h"
#include "publish/album.h"
#include "shell/settings_live.h"

#include <QDialog>
#include <filesystem>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace publish {

class THtmlDlg : public QDialog {
    Q_OBJECT
public:
    // pictures: the selected files (current folder + name) in list order.
    THtmlDlg(std::vector<std::filesystem::path> pictures, shell::SettingsStore& store,
             const shell::LiveSettings& live, std::filesystem::path templateFolder,
             PublishPort& port, commands::ProgressPort& progress, QWidget* parent = nullptr);

    // The album types of the template folder, the first one chosen; called before showing.
    void FillAlbumTypes();
    // Opens the folder browser on the folder in EditFolder; a chosen folder replaces the text.
    void ButtonFolderClick();
    // Generates the album; the dialog closes when the generation completed.
    void OKBtnClick();

    [[nodiscard]] AlbumDialogValues Values() const;

    QLabel* LabelFolder;
    QLineEdit* EditFolder;
    QPushButton* ButtonFolder;
    QLabel* LabelType;
    QComboBox* ComboBoxType;
    QLabel* LabelWidth;
    QLineEdit* EditWidth;
    QLabel* LabelWidthS;
    QLineEdit* EditWidthS;
    QGroupBox* GroupBoxImage;
    QRadioButton* RadioButtonImage1;
    QRadioButton* RadioButtonImage2;
    QRadioButton* RadioButtonImage3;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void BuildLayout();
    void ShowValues(const AlbumDialogValues& values);

    std::vector<std::filesystem::path> pictures_;
    shell::SettingsStore& store_;
    const shell::LiveSettings& live_;
    std::filesystem::path templateFolder_;
    PublishPort& port_;
    commands::ProgressPort& progress_;
};

} // namespace publish
