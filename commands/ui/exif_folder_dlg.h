#pragma once

// The three EXIF segment dialogs: a folder in an edit box with a browser beside it, and, for
// add and delete, a check box that makes the folder an output folder for copies. Each reads
// its registry section at creation and writes it after OK has run its batch.

#include "commands/edit_batch.h"
#include "commands/ui/folder_browser.h"
#include "shell/settings_store.h"

#include <QDialog>
#include <filesystem>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace commands {

class TExifFolderDlg : public QDialog {
    Q_OBJECT
public:
    [[nodiscard]] const std::optional<BatchReport>& Report() const { return report_; }

    // Opens the folder browser on the folder in EditFolder; a chosen folder replaces the text.
    void ButtonFolderClick();
    // EditFolder and ButtonFolder are usable only while CheckBoxFolder is checked.
    void CheckBoxFolderClick();

    QLabel* Label1;
    QLineEdit* EditFolder;
    QPushButton* ButtonFolder;
    QCheckBox* CheckBoxFolder; // none in the copy dialog
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    FolderBrowser SHBrowseForFolderEx1;

protected:
    struct Texts {
        const char* caption;
        const char* label;
        const char* checkBox; // nullptr: no check box
        const char* browser;
    };
    TExifFolderDlg(const Texts& texts, Selection files, shell::SettingsStore& store,
                   EditPorts ports, QWidget* parent);

    [[nodiscard]] std::filesystem::path Folder() const;
    void ShowFolder(const std::filesystem::path& folder, bool copyToFolder);
    [[nodiscard]] const Selection& Files() const { return files_; }
    [[nodiscard]] shell::SettingsStore& Store() const { return store_; }
    [[nodiscard]] EditPorts Ports() const { return ports_; }

    // The checks and the batch; nothing when a check refused with a message.
    [[nodiscard]] virtual std::optional<BatchReport> Run() = 0;
    virtual void WriteSettings() = 0;

private:
    void OKBtnClick();

    Selection files_;
    shell::SettingsStore& store_;
    EditPorts ports_;
    std::optional<BatchReport> report_;
};

// "Exif情報コピー": the EXIF segments of the camera originals in the source folder.
class TExifCopyDlg : public TExifFolderDlg {
    Q_OBJECT
public:
    TExifCopyDlg(Selection files, shell::SettingsStore& store, EditPorts ports,
                 QWidget* parent = nullptr);

private:
    std::optional<BatchReport> Run() override;
    void WriteSettings() override;
};

// "Exif情報追加": the template picture's EXIF segment, written in place or as copies.
class TExifAddDlg : public TExifFolderDlg {
    Q_OBJECT
public:
    TExifAddDlg(Selection files, shell::SettingsStore& store, std::filesystem::path templatePicture,
                EditPorts ports, QWidget* parent = nullptr);

private:
    std::optional<BatchReport> Run() override;
    void WriteSettings() override;
    std::filesystem::path templatePicture_;
};

// "Exif情報削除": the files without their EXIF segment, in place or as copies.
class TExifDelDlg : public TExifFolderDlg {
    Q_OBJECT
public:
    TExifDelDlg(Selection files, shell::SettingsStore& store, EditPorts ports,
                QWidget* parent = nullptr);

private:
    std::optional<BatchReport> Run() override;
    void WriteSettings() override;
};

} // namespace commands
