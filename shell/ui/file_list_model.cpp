#include "shell/ui/file_list_model.h"

#include "shell/file_list.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <set>

namespace shell {

void FileListModel::Clear() {
    Reset({}, {});
}

void FileListModel::Reset(QStringList columns, std::vector<FileListItem> items) {
    beginResetModel();
    columns_ = std::move(columns);
    items_ = std::move(items);
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const FileListItem& item = items_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        return column == 0 ? item.caption : item.values.value(column - 1);
    }
    if (role == Qt::DecorationRole && column == 0) {
        return item.icon;
    }
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns_.size()) {
        return columns_[section];
    }
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

QStringList FileListModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

QMimeData* FileListModel::mimeData(const QModelIndexList& indexes) const {
    std::set<int> rows;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.row() < rowCount()) {
            rows.insert(index.row());
        }
    }
    QList<QUrl> urls;
    for (const int row : rows) {
        if (static_cast<std::size_t>(urls.size()) == kMaxDraggedFiles) {
            break;
        }
        const std::string path = items_[static_cast<std::size_t>(row)].file.string();
        urls.push_back(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
    }
    auto* mime = new QMimeData;
    mime->setUrls(urls);
    return mime;
}

Qt::DropActions FileListModel::supportedDragActions() const {
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

} // namespace shell
