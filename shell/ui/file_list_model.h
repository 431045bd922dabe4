#pragma once

// The items of the file list, shared by its icon view and its report view: a caption per file,
// the values of the chosen summary columns, and icons read only for the rows on screen.
// Dragging items offers their files to other programs.

#include "shell/ui/icon_cache.h"
#include "shell/ui/row_values.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QSize>
#include <QStringList>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace shell {

class IconReading;

// What the list keeps of each file: what its columns, its order and the selection need.
struct FileListItem {
    std::string name; // the file's name in the host's encoding
    RowValues values; // empty until read

    // The name as the list shows it.
    [[nodiscard]] QString Caption() const;
};

class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FileListModel(QObject* parent = nullptr);
    ~FileListModel() override;

    // Removes every item and every column.
    void Clear();
    // No items, these column captions (the first is the file name's), and icons of the large
    // size, at most `iconBudget` of them held.
    void Reset(QStringList columns, QSize largeIcon, std::size_t iconBudget);
    // The items of the folder's files in list order.
    void SetItems(std::filesystem::path folder, std::vector<FileListItem> items);
    // The values of the rows from `first` on, as they are read.
    void SetValues(int first, std::vector<RowValues> values);

    [[nodiscard]] const std::vector<FileListItem>& Items() const { return items_; }
    [[nodiscard]] const QStringList& Columns() const { return columns_; }
    // The folder + the name of the row's file.
    [[nodiscard]] std::filesystem::path FileOf(int row) const;

    // The rows first to last are on screen: their icons are read first, then those of as many
    // rows again beyond them in the direction the user moved; the icons of the rows on screen
    // are the last to be dropped. A row without its icon yet shows the placeholder.
    void ShowRows(int first, int last);
    // None while the row's icon is not held.
    [[nodiscard]] std::optional<RowIcon> IconOf(int row) const;
    [[nodiscard]] std::size_t IconsHeld() const { return icons_.Size(); }

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

signals:
    // Every row on screen has its icon.
    void ShownIconsReady();

private:
    void ResetIcons(QSize largeIcon, std::size_t iconBudget);
    void TakeReadIcons();
    void KeepShownRows();
    void AskForIcons();
    [[nodiscard]] bool ShownRowsHeld() const;

    QStringList columns_;
    std::filesystem::path folder_;
    std::vector<FileListItem> items_;

    QSize largeIcon_;
    QIcon placeholder_;
    IconCache icons_{0};
    std::unique_ptr<IconReading> reading_;
    // The rows on screen, and with them the rows ahead whose icons are read too.
    struct Shown {
        int first;
        int last;
        int wantedFirst;
        int wantedLast;
    };
    std::optional<Shown> shown_;
    bool shownHeld_ = false;
};

} // namespace shell
