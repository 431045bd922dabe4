// The main window's menus: items built from the menu table, commands run behind the guard, the
// built-in commands, and the popup menu of the external programs.

#include "platform/codepage.h"
#include "shell/ui/about_box.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/form_main.h"
#include "shell/ui/setup_dlg.h"
#include "viewer/preview_walk.h"
#include "viewer/ui/preview_windows.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTreeView>

namespace shell {
namespace {

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

void TFormMain::BuildMenus() {
    auto* viewModes = new QActionGroup(this);
    viewModes->setExclusive(true);
    for (const Menu& menu : MainMenus()) {
        QMenu* items = menuBar()->addMenu(Text(menu.caption));
        for (const MenuItem& item : menu.items) {
            if (item.separatorBefore) {
                items->addSeparator();
            }
            QAction* action = items->addAction(Text(item.caption));
            action->setObjectName(Text(item.component));
            action->setVisible(!item.hidden);
            if (item.viewMode) {
                action->setCheckable(true);
                viewModes->addAction(action);
            }
            if (!item.command) {
                continue;
            }
            const MenuCommand command = *item.command;
            actions_[command] = action;
            connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
            if (item.shortcut.empty()) {
                continue;
            }
            const QKeySequence keys(Text(item.shortcut), QKeySequence::PortableText);
            if (!item.hidden) {
                action->setShortcut(keys);
                continue;
            }
            // A hidden item's key still works, but Qt ignores the keys of hidden actions: the
            // window carries the key in an action of its own.
            auto* key = new QAction(this);
            key->setShortcut(keys);
            addAction(key);
            connect(key, &QAction::triggered, this, [this, command] { RunCommand(command); });
        }
    }
}

void TFormMain::RegisterBuiltInCommands() {
    using enum MenuCommand;
    SetCommandHandler(Exit, [this] { close(); });
    SetCommandHandler(SelectAll, [this] { this->SelectAll(); });
    SetCommandHandler(RevSelect, [this] { InvertSelection(); });
    SetCommandHandler(DispThumb, [this] { SetThumbnailView(true); });
    SetCommandHandler(DispList, [this] { SetThumbnailView(false); });
    SetCommandHandler(Refresh, [this] { this->Refresh(); });
    SetCommandHandler(Preview, [this] { this->Preview(); });
    SetCommandHandler(Setup, [this] { ShowSettings(); });
    SetCommandHandler(Contents, [this] { OpenHelp(this); });
    SetCommandHandler(About, [this] { ShowAboutBox(this); });
}

void TFormMain::SetCommandHandler(MenuCommand command, std::function<void()> handler) {
    handlers_[command] = std::move(handler);
}

void TFormMain::RunCommand(MenuCommand command) {
    if (!PassGuard(MenuItemOf(command).need, !folder_.empty(), selection_->hasSelection(),
                   *prompt_)) {
        return;
    }
    const auto handler = handlers_.find(command);
    if (handler != handlers_.end() && handler->second) {
        // A copy: the handler may replace itself while it runs.
        const std::function<void()> run = handler->second;
        run();
    }
}

QAction* TFormMain::Action(MenuCommand command) const {
    return actions_.at(command);
}

void TFormMain::SetThumbnailView(bool thumbnails) {
    QAbstractItemView* shown = thumbnails ? static_cast<QAbstractItemView*>(iconView_)
                                          : static_cast<QAbstractItemView*>(reportView_);
    const bool hadFocus =
        listStack_->currentWidget() != nullptr && listStack_->currentWidget()->hasFocus();
    listStack_->setCurrentWidget(shown);
    if (hadFocus) {
        shown->setFocus();
    }
    Action(MenuCommand::DispThumb)->setChecked(thumbnails);
    Action(MenuCommand::DispList)->setChecked(!thumbnails);
    LookAtRowsOnScreenSoon();
}

void TFormMain::Preview() {
    const std::vector<int> selected = SelectedRows();
    std::vector<viewer::PreviewRow> rows;
    rows.reserve(listModel_->Items().size());
    for (int row = 0; row < listModel_->rowCount(); ++row) {
        rows.push_back(
            {listModel_->FileOf(row), std::binary_search(selected.begin(), selected.end(), row)});
    }
    const viewer::PreviewSettings settings{live_.tool.standardPreview, live_.tool.previewWidth};
    viewer::PreviewWindows windows(this);
    viewer::RunPreview(rows, settings, windows);
}

void TFormMain::ShowSettings() {
    TSetupDlg dialog(store_, live_, this);
    if (dialog.exec() == QDialog::Accepted) {
        ApplySettings();
    }
}

void TFormMain::ApplySettings() {
    ApplyFonts();
    BuildPopupMenu();
    if (!folder_.empty()) {
        FillList();
    }
}

void TFormMain::SetExternalProgramLauncher(ExternalProgramLauncher* launcher) {
    launcher_ = launcher;
    BuildPopupMenu();
}

void TFormMain::BuildPopupMenu() {
    // "外部プログラム起動(&E)" holds the same items as a submenu; without programs it is off.
    QAction* execItem = Action(MenuCommand::Exec);
    execItem->setMenu(static_cast<QMenu*>(nullptr));
    delete popupMenu_;
    popupMenu_ = nullptr;
    const std::vector<ExternalProgramItem> programs = ExternalProgramItems(live_.exec);
    const Qt::ContextMenuPolicy policy =
        programs.empty() ? Qt::NoContextMenu : Qt::CustomContextMenu;
    iconView_->setContextMenuPolicy(policy);
    reportView_->setContextMenuPolicy(policy);
    execItem->setEnabled(!programs.empty());
    if (programs.empty()) {
        return;
    }
    popupMenu_ = new QMenu(this);
    execItem->setMenu(popupMenu_);
    popupMenu_->setObjectName("PopupMenuList");
    for (const ExternalProgramItem& program : programs) {
        QAction* item =
            popupMenu_->addAction(QString::fromStdString(platform::Cp932ToUtf8(program.caption)));
        item->setObjectName(QStringLiteral("mnPop") + QChar(program.letter));
        // Without a launcher the items stay without an action rather than pretend to start.
        if (launcher_ == nullptr) {
            continue;
        }
        connect(item, &QAction::triggered, this, [this, letter = program.letter] {
            const std::vector<std::filesystem::path> files = SelectedFiles();
            if (!files.empty()) {
                launcher_->Launch(letter, files.front());
            }
        });
    }
}

} // namespace shell
