// The main window's file list: its two views over one model and one selection, the fill, the
// column widths, the rows on screen whose icons are read, the selection commands, the keys,
// and the detail pane of the clicked file.

#include "exif/detail_pane.h"
#include "exif/summary_fields.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "shell/settings_columns.h"
#include "shell/ui/column_widths.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/form_main.h"
#include "shell/ui/list_fill.h"
#include "shell/ui/thumbnail_icons.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QLoggingCategory>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

namespace shell {
namespace {

// How long a fill takes to list the folder, to its first screen of icons and to its last value,
// for those who time it: QT_LOGGING_RULES="lumaro.list.info=true".
Q_LOGGING_CATEGORY(lcList, "lumaro.list", QtWarningMsg)

// Every item of the icon view takes the grid's cell, its picture and two lines of caption: a
// size asked of each item would lay out every caption of the folder, seconds for a large one.
class GridCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& /*option*/,
                                 const QModelIndex& /*index*/) const override {
        return cell_;
    }
    void SetCell(QSize cell) { cell_ = cell; }

private:
    QSize cell_;
};

constexpr int kLayoutBatch = 2000;

// The first and last rows a view shows, none when it shows none. Both views lay their rows
// out in list order (the icon view left to right, then down), so a binary search finds the
// first row that reaches into the viewport and the first that lies below it; rows not laid out
// yet, which have no place, lie below.
std::optional<std::pair<int, int>> RowsOnScreen(const QAbstractItemView& view, int rows) {
    const int height = view.viewport()->height();
    const auto firstWhere = [&view, rows](const auto& holds) {
        int low = 0;
        int high = rows;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (holds(view.visualRect(view.model()->index(middle, 0)))) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        return low;
    };
    const int first =
        firstWhere([](const QRect& rect) { return !rect.isValid() || rect.bottom() >= 0; });
    const int end =
        firstWhere([height](const QRect& rect) { return !rect.isValid() || rect.top() >= height; });
    if (first >= end) {
        return std::nullopt;
    }
    return std::pair{first, end - 1};
}

QString FieldCaption(exif::SummaryFieldId field) {
    return QString::fromStdString(platform::Cp932ToUtf8(exif::SummaryFieldOf(field).name));
}

QString HostText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

void PrepareView(QAbstractItemView& view, FileListModel& model) {
    view.setModel(&model);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setDragEnabled(true);
    view.setDragDropMode(QAbstractItemView::DragOnly);
    view.setDefaultDropAction(Qt::CopyAction);
}

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

void TFormMain::BuildList() {
    listModel_ = new FileListModel(this);
    iconView_ = new QListView;
    iconView_->setObjectName("IconView");
    PrepareView(*iconView_, *listModel_);
    iconView_->setViewMode(QListView::IconMode);
    iconView_->setMovement(QListView::Static);
    iconView_->setResizeMode(QListView::Adjust);
    iconView_->setWrapping(true);
    iconView_->setWordWrap(true);
    iconView_->setTextElideMode(Qt::ElideMiddle);
    iconView_->setUniformItemSizes(true);
    iconView_->setItemDelegate(new GridCellDelegate(iconView_));
    // Laying out a hundred thousand items at once would hold up the window for a good part of
    // a second; in batches, the window answers between them.
    iconView_->setLayoutMode(QListView::Batched);
    iconView_->setBatchSize(kLayoutBatch);

    reportView_ = new QTreeView;
    reportView_->setObjectName("ReportView");
    PrepareView(*reportView_, *listModel_);
    reportView_->setRootIsDecorated(false);
    reportView_->setItemsExpandable(false);
    reportView_->setUniformRowHeights(true);
    reportView_->setAllColumnsShowFocus(true);
    reportView_->setIconSize(kSmallIconSize);
    reportView_->header()->setStretchLastSection(false);

    // One selection for both views, so switching views keeps it.
    selection_ = iconView_->selectionModel();
    QItemSelectionModel* unused = reportView_->selectionModel();
    reportView_->setSelectionModel(selection_);
    delete unused;

    listStack_ = new QStackedWidget;
    listStack_->setObjectName("FileList");
    listStack_->addWidget(iconView_);
    listStack_->addWidget(reportView_);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(iconView_),
                                    static_cast<QAbstractItemView*>(reportView_)}) {
        view->installEventFilter(this);
        connect(view, &QAbstractItemView::clicked, this, [this] { ShowDetail(); });
        connect(view, &QAbstractItemView::doubleClicked, this,
                [this] { RunCommand(MenuCommand::Preview); });
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](QPoint at) {
            if (popupMenu_ != nullptr) {
                popupMenu_->popup(view->viewport()->mapToGlobal(at));
            }
        });
        connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this,
                &TFormMain::LookAtRowsOnScreenSoon);
        connect(view->verticalScrollBar(), &QScrollBar::rangeChanged, this,
                &TFormMain::LookAtRowsOnScreenSoon);
    }

    // One look after the events that moved the rows, once the views have laid them out.
    iconLook_ = new QTimer(this);
    iconLook_->setSingleShot(true);
    iconLook_->setInterval(0);
    connect(iconLook_, &QTimer::timeout, this, &TFormMain::LookAtRowsOnScreen);
    connect(listModel_, &QAbstractItemModel::modelReset, this, &TFormMain::LookAtRowsOnScreenSoon);
    connect(listModel_, &FileListModel::ShownIconsReady, this, &TFormMain::ShownIconsReady);

    fill_ = new ListFill(*listModel_, this);
    connect(fill_, &ListFill::Progressed, this, &TFormMain::SetStatus);
    connect(fill_, &ListFill::RowsListed, this, [this] {
        qCInfo(lcList) << listModel_->rowCount() << "files listed:" << fillClock_.elapsed() << "ms";
    });
    connect(fill_, &ListFill::RowsRead, this, &TFormMain::RowsRead);
    connect(fill_, &ListFill::Finished, this, &TFormMain::ListFillFinished);
}

void TFormMain::LookAtRowsOnScreenSoon() {
    iconLook_->start();
}

void TFormMain::LookAtRowsOnScreen() {
    auto* view = static_cast<QAbstractItemView*>(listStack_->currentWidget());
    if (const auto rows = RowsOnScreen(*view, listModel_->rowCount())) {
        listModel_->ShowRows(rows->first, rows->second);
    }
}

void TFormMain::ShownIconsReady() {
    if (firstScreenPending_) {
        firstScreenPending_ = false;
        qCInfo(lcList) << "first screen of icons shown:" << fillClock_.elapsed() << "ms";
    }
}

void TFormMain::FillList() {
    detailPane_->clear();
    const std::vector<exif::SummaryFieldId> fields = TickedFields(live_.setup.listColumns);
    QStringList columns{FieldCaption(exif::SummaryFieldId::FileName)};
    for (const exif::SummaryFieldId field : fields) {
        columns.push_back(FieldCaption(field));
    }
    const QSize large = LargeIconSize(live_.setup.largeThumbnails);
    listModel_->Reset(columns, large, IconBudget(large));
    columnWidths_ = std::make_unique<ColumnWidths>(listFont_, columns);
    iconView_->setIconSize(large);
    // Room for a caption of two lines below each picture.
    const int textHeight = QFontMetrics(listFont_).height();
    const QSize cell(std::max(large.width() + 24, 100), large.height() + 2 * textHeight + 12);
    iconView_->setGridSize(cell);
    static_cast<GridCellDelegate*>(iconView_->itemDelegate())->SetCell(cell - QSize(4, 4));
    qCInfo(lcList) << "fill started:" << HostText(folder_);
    fillClock_.start();
    firstScreenPending_ = true;
    fill_->Start(folder_, fields);
}

void TFormMain::RowsRead(int first, int last) {
    const std::vector<FileListItem>& items = listModel_->Items();
    for (int row = first; row <= last; ++row) {
        const FileListItem& item = items[static_cast<std::size_t>(row)];
        columnWidths_->Add(item.Caption(), item.values.Values());
    }
}

bool TFormMain::IsFilling() const {
    return fill_->Running();
}

void TFormMain::ListFillFinished() {
    SizeColumns();
    SetStatus(fill_->Error().isEmpty() ? HostText(folder_) : fill_->Error());
    qCInfo(lcList) << "summary values of" << listModel_->rowCount()
                   << "files read:" << fillClock_.elapsed() << "ms";
    emit ListFilled();
}

void TFormMain::SizeColumns() {
    const std::vector<int> widths = columnWidths_->Widths();
    for (std::size_t column = 0; column < widths.size(); ++column) {
        reportView_->setColumnWidth(static_cast<int>(column), widths[column]);
    }
}

// From the selection's ranges, not its indexes: all of a hundred thousand rows selected are
// one range, but millions of indexes, one per row and column.
std::vector<int> TFormMain::SelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selection_->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::vector<std::filesystem::path> TFormMain::SelectedFiles() const {
    std::vector<std::filesystem::path> files;
    for (const int row : SelectedRows()) {
        files.push_back(listModel_->FileOf(row));
    }
    return files;
}

void TFormMain::SelectAll() {
    if (listModel_->rowCount() == 0) {
        return;
    }
    const QItemSelection all(listModel_->index(0, 0),
                             listModel_->index(listModel_->rowCount() - 1, 0));
    selection_->select(all, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TFormMain::InvertSelection() {
    if (listModel_->rowCount() == 0) {
        return;
    }
    const QItemSelection all(listModel_->index(0, 0),
                             listModel_->index(listModel_->rowCount() - 1, 0));
    selection_->select(all, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
}

void TFormMain::ShowDetail() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) {
        return;
    }
    const std::filesystem::path file = listModel_->FileOf(rows.front());
    std::vector<std::string> fields;
    for (const exif::SummaryFieldId field : TickedFields(live_.setup.detailLines)) {
        fields.push_back(exif::SummaryFieldOf(field).name);
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString text;
    try {
        text = QString::fromStdString(
            platform::Cp932ToUtf8(exif::BuildDetailPaneText(file, fields, live_.setup.detailExif)));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    } catch (const platform::FileError& error) {
        text = QString::fromStdString(error.what());
    }
    detailPane_->setPlainText(text);
    QGuiApplication::restoreOverrideCursor();
}

bool TFormMain::ListKeyEvent(QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (event->type() == QEvent::KeyPress) {
        if (enter) {
            RunCommand(MenuCommand::Preview);
            return true;
        }
        return false;
    }
    if (key->isAutoRepeat()) {
        return false;
    }
    if (IsNavigationKey(key->key())) {
        ShowDetail();
    } else if (key->key() == Qt::Key_Space) {
        ShowPopupAtList();
    }
    return false;
}

void TFormMain::ShowPopupAtList() {
    if (popupMenu_ != nullptr) {
        popupMenu_->popup(listStack_->mapToGlobal(QPoint(0, 0)));
    }
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == iconView_ || watched == reportView_) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            LookAtRowsOnScreenSoon();
        }
        return ListKeyEvent(event) || QMainWindow::eventFilter(watched, event);
    }
    if (watched == folderTree_ || watched == folderTree_->viewport()) {
        return TreeEvent(watched, event) || QMainWindow::eventFilter(watched, event);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace shell
