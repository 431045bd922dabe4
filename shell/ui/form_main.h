#pragma once

// The main window: the folder tree, the detail pane and the file list, the menus, and the
// browsing state every command works on (the current folder, the listed files, the selection).

#include "shell/command_guard.h"
#include "shell/display_state.h"
#include "shell/external_programs.h"
#include "shell/main_menu.h"
#include "shell/settings_live.h"
#include "shell/settings_store.h"

#include <QElapsedTimer>
#include <QFont>
#include <QMainWindow>
#include <QPersistentModelIndex>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QFileSystemModel;
class QItemSelectionModel;
class QLabel;
class QListView;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QStackedWidget;
class QTimer;
class QTreeView;

namespace shell {

class ColumnWidths;
class FileListModel;
class ListFill;

// The window caption and the application title.
inline constexpr char kMainCaption[] = "Lumaroユーティリティ";

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // Reads the placement record, section Display and the font records; the live settings
    // give the columns, the thumbnail size, the detail pane's lines and the popup menu.
    TFormMain(SettingsStore& store, LiveSettings& live, QWidget* parent = nullptr);
    // Writes section Display and the placement record.
    ~TFormMain() override;

    // What a menu command does once the guard let it through. Commands without a handler do
    // nothing after their guard.
    void SetCommandHandler(MenuCommand command, std::function<void()> handler);
    // Runs a command as its menu item does: guard first, then its handler.
    void RunCommand(MenuCommand command);

    // Where the guard's messages go (message boxes unless replaced).
    void SetGuardPrompt(std::unique_ptr<GuardPrompt> prompt);
    // Starts the external programs of the popup menu; without one the items do nothing.
    void SetExternalProgramLauncher(ExternalProgramLauncher* launcher);

    // Empty when no folder is chosen.
    [[nodiscard]] const std::filesystem::path& CurrentFolder() const { return folder_; }
    // The selected files in list order, each as current folder + caption.
    [[nodiscard]] std::vector<std::filesystem::path> SelectedFiles() const;
    // Fills the list for the current folder anew; commands call it after changing files.
    void FillList();
    [[nodiscard]] bool IsFilling() const;
    // Makes a folder current as a click on it in the folder tree does.
    void OpenFolder(const std::filesystem::path& folder);
    // The folder the first showing opens instead of the one the settings choose (a folder
    // given on the command line).
    void SetStartFolder(const std::filesystem::path& folder) { startFolder_ = folder; }

    // Reads the fonts again and rebuilds what the settings choose (popup menu, thumbnail
    // size, columns), refilling the list when a folder is open: after the settings dialog.
    void ApplySettings();

    [[nodiscard]] QAction* Action(MenuCommand command) const;
    [[nodiscard]] FileListModel& ListModel() const { return *listModel_; }
    [[nodiscard]] QListView& IconView() const { return *iconView_; }
    [[nodiscard]] QTreeView& ReportView() const { return *reportView_; }
    [[nodiscard]] QTreeView& FolderTree() const { return *folderTree_; }
    [[nodiscard]] QPlainTextEdit& DetailPane() const { return *detailPane_; }
    [[nodiscard]] QMenu* PopupMenu() const { return popupMenu_; } // null without programs
    [[nodiscard]] QString StatusText() const;

signals:
    // The list holds the files of the current folder.
    void ListFilled();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // form_main.cpp: layout, settings, start and end.
    void BuildLayout(const DisplayState& display);
    void ApplyFonts();
    void OpenStartFolder();
    [[nodiscard]] DisplayState CurrentDisplay() const;
    void SetStatus(const QString& text);

    // form_main_menus.cpp: menus, commands and the popup menu.
    void BuildMenus();
    void RegisterBuiltInCommands();
    void SetThumbnailView(bool thumbnails);
    void SelectAll();
    void InvertSelection();
    void Refresh();
    void Preview();
    void ShowSettings();
    void BuildPopupMenu();

    // form_main_list.cpp: the file list, its fill and the detail pane.
    void BuildList();
    void RowsRead(int first, int last);
    void ListFillFinished();
    void SizeColumns();
    void LookAtRowsOnScreenSoon();
    void LookAtRowsOnScreen();
    void ShownIconsReady();
    [[nodiscard]] std::vector<int> SelectedRows() const;
    void ShowDetail();
    bool ListKeyEvent(QEvent* event);
    void ShowPopupAtList();

    // form_main_folders.cpp: the folder tree.
    void BuildFolderTree();
    void RebuildFolderModel();
    [[nodiscard]] std::filesystem::path SelectInTree(const std::filesystem::path& folder);
    void RevealCurrentFolder();
    void FolderClicked(const QModelIndex& index);
    bool TreeEvent(QObject* watched, QEvent* event);
    bool TreeKeyEvent(QEvent* event);
    [[nodiscard]] std::filesystem::path FolderOf(const QModelIndex& index) const;

    SettingsStore& store_;
    LiveSettings& live_;
    std::unique_ptr<GuardPrompt> prompt_;
    ExternalProgramLauncher* launcher_ = nullptr;
    std::map<MenuCommand, QAction*> actions_;
    std::map<MenuCommand, std::function<void()>> handlers_;

    std::filesystem::path folder_;
    bool firstShowPending_ = true;
    std::optional<std::filesystem::path> startFolder_;
    QFont listFont_;
    QFont detailFont_;

    QSplitter* mainSplitter_ = nullptr;
    QSplitter* leftSplitter_ = nullptr;
    QFileSystemModel* folderModel_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    // The folder selected in the tree, kept in sight until the user works in the tree.
    QPersistentModelIndex revealed_;
    QTimer* treeReveal_ = nullptr;
    QPlainTextEdit* detailPane_ = nullptr;
    FileListModel* listModel_ = nullptr;
    QStackedWidget* listStack_ = nullptr;
    QListView* iconView_ = nullptr;
    QTreeView* reportView_ = nullptr;
    QItemSelectionModel* selection_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QLabel* status_ = nullptr;
    ListFill* fill_ = nullptr;
    std::unique_ptr<ColumnWidths> columnWidths_;
    QTimer* iconLook_ = nullptr;
    QElapsedTimer fillClock_;
    bool firstScreenPending_ = false;
};

} // namespace shell

// The other windows name the main window without its namespace.
using shell::TFormMain;
