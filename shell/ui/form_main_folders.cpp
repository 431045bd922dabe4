// The main window's folder tree: the file system's folders, the current folder chosen by a
// click or Enter, the current folder shown in it however it was chosen, and the refresh that
// rebuilds it.

#include "shell/start_folder.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/form_main.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

namespace shell {
namespace {

constexpr int kNameColumn = 0;

} // namespace

void TFormMain::BuildFolderTree() {
    folderTree_ = new QTreeView;
    folderTree_->setObjectName("FolderTree");
    folderTree_->setHeaderHidden(true);
    // Long folder names scroll sideways instead of being cut.
    folderTree_->header()->setStretchLastSection(false);
    folderTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    folderTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    folderTree_->installEventFilter(this);
    folderTree_->viewport()->installEventFilter(this);
    connect(folderTree_, &QTreeView::clicked, this, &TFormMain::FolderClicked);
    treeReveal_ = new QTimer(this);
    treeReveal_->setSingleShot(true);
    treeReveal_->setInterval(0);
    connect(treeReveal_, &QTimer::timeout, this, &TFormMain::RevealCurrentFolder);
    connect(folderTree_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { revealed_ = QPersistentModelIndex(); });
    RebuildFolderModel();
}

void TFormMain::RebuildFolderModel() {
    auto* model = new QFileSystemModel(this);
    model->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    model->setReadOnly(true);
    model->setRootPath(QDir::rootPath());
    QItemSelectionModel* oldSelection = folderTree_->selectionModel();
    folderTree_->setModel(model);
    for (int column = kNameColumn + 1; column < model->columnCount(); ++column) {
        folderTree_->hideColumn(column);
    }
    // The model reads the folders above the current one after it was selected, and sorts them:
    // each time, the rows that come in above it push it down, out of sight.
    const auto revealAgain = [this] { treeReveal_->start(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, revealAgain);
    connect(model, &QAbstractItemModel::layoutChanged, this, revealAgain);
    delete oldSelection;
    delete folderModel_;
    folderModel_ = model;
}

void TFormMain::RevealCurrentFolder() {
    if (revealed_.isValid()) {
        folderTree_->scrollTo(revealed_); // opens the folders above it too
    }
}

std::filesystem::path TFormMain::FolderOf(const QModelIndex& index) const {
    if (!index.isValid() || !folderModel_->isDir(index)) {
        return {};
    }
    return std::filesystem::path(QFile::encodeName(folderModel_->filePath(index)).toStdString());
}

std::filesystem::path TFormMain::SelectInTree(const std::filesystem::path& folder) {
    const std::filesystem::path selectable = SelectableFolder(folder);
    const QModelIndex index =
        selectable.empty() ? QModelIndex()
                           : folderModel_->index(
                                 QFile::decodeName(QByteArray::fromStdString(selectable.string())));
    folderTree_->setCurrentIndex(index);
    revealed_ = QPersistentModelIndex(index);
    RevealCurrentFolder();
    return FolderOf(index);
}

void TFormMain::FolderClicked(const QModelIndex& index) {
    const std::filesystem::path folder = FolderOf(index);
    if (folder.empty() || folder == folder_) {
        return;
    }
    folder_ = folder;
    FillList();
}

void TFormMain::OpenFolder(const std::filesystem::path& folder) {
    const std::filesystem::path selected = SelectInTree(folder);
    if (selected.empty() || selected == folder_) {
        return;
    }
    folder_ = selected;
    FillList();
}

bool TFormMain::TreeEvent(QObject* watched, QEvent* event) {
    // Once the user works in the tree, it stays where the user puts it.
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::Wheel) {
        revealed_ = QPersistentModelIndex();
    }
    return watched == folderTree_ && TreeKeyEvent(event);
}

bool TFormMain::TreeKeyEvent(QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    // Enter always fills the list again, and goes no further.
    const std::filesystem::path folder = FolderOf(folderTree_->currentIndex());
    if (!folder.empty()) {
        folder_ = folder;
        FillList();
    }
    return true;
}

void TFormMain::Refresh() {
    RebuildFolderModel();
    folder_ = SelectInTree(folder_);
    if (!folder_.empty()) {
        FillList();
        return;
    }
    // The folder is gone: its files are not shown as if they were still there.
    listModel_->Clear();
    detailPane_->clear();
    SetStatus({});
}

} // namespace shell
