// The main window's file list: its two views over one model and one selection, the fill, the
// column widths, the selection commands, the keys, and the detail pane of the clicked file.

#include "exif/detail_pane.h"
#include "exif/summary_fields.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "shell/file_list.h"
#include "shell/settings_columns.h"
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
#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTreeView>
#include <algorithm>

namespace shell {
namespace {

// Column widths: the text's width plus these margins; the first column leaves room for its icon.
constexpr int kColumnMargin = 16;
constexpr int kCaptionMargin = 61;

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
    }

    fill_ = new ListFill(this);
    connect(fill_, &ListFill::Progressed, this, &TFormMain::SetStatus);
    connect(fill_, &ListFill::Finished, this, &TFormMain::ListFillFinished);
}

void TFormMain::FillList() {
    detailPane_->clear();
    const std::vector<exif::SummaryFieldId> fields = TickedFields(live_.setup.listColumns);
    QStringList columns{FieldCaption(exif::SummaryFieldId::FileName)};
    for (const exif::SummaryFieldId field : fields) {
        columns.push_back(FieldCaption(field));
    }
    listModel_->Reset(columns, {});
    const QSize large = LargeIconSize(live_.setup.largeThumbnails);
    iconView_->setIconSize(large);
    // Room for a caption of two lines below each picture.
    const int textHeight = QFontMetrics(listFont_).height();
    iconView_->setGridSize(
        QSize(std::max(large.width() + 24, 100), large.height() + 2 * textHeight + 12));
    fill_->Start(folder_, fields, large);
}

bool TFormMain::IsFilling() const {
    return fill_->Running();
}

void TFormMain::ListFillFinished() {
    listModel_->Reset(listModel_->Columns(), fill_->TakeItems());
    SizeColumns();
    SetStatus(fill_->Error().isEmpty() ? HostText(folder_) : fill_->Error());
    emit ListFilled();
}

void TFormMain::SizeColumns() {
    const QFontMetrics metrics(listFont_);
    const std::vector<FileListItem>& items = listModel_->Items();
    const QStringList& columns = listModel_->Columns();
    for (int column = 0; column < columns.size(); ++column) {
        int width = metrics.horizontalAdvance(columns[column]) + kColumnMargin;
        for (const FileListItem& item : items) {
            const int text =
                column == 0
                    ? metrics.horizontalAdvance(item.caption) + kCaptionMargin
                    : metrics.horizontalAdvance(item.values.value(column - 1)) + kColumnMargin;
            width = std::max(width, text);
        }
        reportView_->setColumnWidth(column, width);
    }
}

std::vector<int> TFormMain::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selection_->selectedIndexes()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::vector<std::filesystem::path> TFormMain::SelectedFiles() const {
    std::vector<std::filesystem::path> files;
    for (const int row : SelectedRows()) {
        files.push_back(listModel_->Items()[static_cast<std::size_t>(row)].file);
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
    const std::filesystem::path file =
        listModel_->Items()[static_cast<std::size_t>(rows.front())].file;
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
        return ListKeyEvent(event) || QMainWindow::eventFilter(watched, event);
    }
    if (watched == folderTree_) {
        return TreeKeyEvent(event) || QMainWindow::eventFilter(watched, event);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace shell
