#pragma once

// The items of the file list, shared by its icon view and its report view: a caption and an
// icon per file, and the values of the chosen summary columns. Dragging items offers their
// files to other programs.

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <filesystem>
#include <vector>

namespace shell {

struct FileListItem {
    std::filesystem::path file; // current folder + caption
    QString caption;            // the file name
    QStringList values;         // one per column after the first
    QIcon icon;                 // the thumbnail, or the placeholder
    bool hasThumbnail = false;  // false: the icon is the placeholder
};

class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Removes every item and every column.
    void Clear();
    // The column captions (the first is the file name's) and the items, in list order.
    void Reset(QStringList columns, std::vector<FileListItem> items);

    [[nodiscard]] const std::vector<FileListItem>& Items() const { return items_; }
    [[nodiscard]] const QStringList& Columns() const { return columns_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The files of the rows as file URLs, in list order, each once, at most kMaxDraggedFiles.
    [[nodiscard]] QStringList mimeTypes() const override;
    [[nodiscard]] QMimeData* mimeData(const QModelIndexList& indexes) const override;
    [[nodiscard]] Qt::DropActions supportedDragActions() const override;

private:
    QStringList columns_;
    std::vector<FileListItem> items_;
};

} // namespace shell
