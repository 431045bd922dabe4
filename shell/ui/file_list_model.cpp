#include "shell/ui/file_list_model.h"

#include "shell/file_list.h"
#include "shell/icon_reading.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <set>

namespace shell {

QString FileListItem::Caption() const {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

// The reading threads may still announce icons to this model: they are stopped first.
FileListModel::~FileListModel() {
    reading_.reset();
}

void FileListModel::Clear() {
    beginResetModel();
    ResetIcons({}, 0);
    columns_.clear();
    folder_.clear();
    items_.clear();
    endResetModel();
}

void FileListModel::Reset(QStringList columns, QSize largeIcon, std::size_t iconBudget) {
    beginResetModel();
    ResetIcons(largeIcon, iconBudget);
    columns_ = std::move(columns);
    folder_.clear();
    items_.clear();
    endResetModel();
}

void FileListModel::SetItems(std::filesystem::path folder, std::vector<FileListItem> items) {
    beginResetModel();
    ResetIcons(largeIcon_, icons_.Budget());
    folder_ = std::move(folder);
    items_ = std::move(items);
    endResetModel();
}

std::filesystem::path FileListModel::FileOf(int row) const {
    return folder_ / items_.at(static_cast<std::size_t>(row)).name;
}

void FileListModel::SetValues(int first, std::vector<RowValues> values) {
    if (values.empty() || first < 0 ||
        static_cast<std::size_t>(first) + values.size() > items_.size()) {
        return;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        items_[static_cast<std::size_t>(first) + i].values = std::move(values[i]);
    }
    if (columns_.size() > 1) {
        const int last = first + static_cast<int>(values.size()) - 1;
        emit dataChanged(index(first, 1), index(last, static_cast<int>(columns_.size()) - 1),
                         {Qt::DisplayRole});
    }
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
        return column == 0 ? item.Caption() : item.values.Value(column - 1).toString();
    }
    if (role == Qt::DecorationRole && column == 0) {
        const IconCache::Entry* held = icons_.Find(index.row());
        return held != nullptr ? held->icon : placeholder_;
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
        const std::string path = FileOf(row).string();
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
