#include "shell/ui/setup_dlg_columns.h"

#include "exif/summary_fields.h"
#include "platform/codepage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace shell {
namespace {

// The summary field number a row stands for, kept beside its caption.
constexpr int kFieldRole = Qt::UserRole;

QString FieldCaption(int field) {
    if (field < 1 || field > exif::kSummaryFieldCount) {
        return QString::number(field);
    }
    const auto& name = exif::SummaryFieldOf(static_cast<exif::SummaryFieldId>(field)).name;
    return QString::fromStdString(platform::Cp932ToUtf8(name));
}

} // namespace

ColumnCheckList::ColumnCheckList(const QString& listName, QWidget* parent)
    : QWidget(parent), list_(new QListWidget(this)), up_(new QPushButton("上へ(&U)", this)),
      down_(new QPushButton("下へ(&D)", this)) {
    list_->setObjectName(listName);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    up_->setObjectName("ButtonUp");
    down_->setObjectName("ButtonDown");
    auto* tickAll = new QPushButton("すべて表示(&A)", this);
    auto* untickAll = new QPushButton("すべて隠す(&N)", this);
    tickAll->setObjectName("ButtonTickAll");
    untickAll->setObjectName("ButtonUntickAll");

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {up_, down_, tickAll, untickAll}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(up_, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveCurrent(+1); });
    connect(tickAll, &QPushButton::clicked, this, [this] { TickAll(true); });
    connect(untickAll, &QPushButton::clicked, this, [this] { TickAll(false); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    UpdateButtons();
}

void ColumnCheckList::SetRows(const ColumnRows& rows) {
    list_->clear();
    for (const ColumnRow& row : rows) {
        auto* item = new QListWidgetItem(FieldCaption(row.field), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setData(kFieldRole, row.field);
        item->setCheckState(row.ticked ? Qt::Checked : Qt::Unchecked);
    }
    list_->setCurrentRow(0);
    UpdateButtons();
}

ColumnRows ColumnCheckList::Rows() const {
    // The list always holds the rows SetRows gave it, only reordered, so it has 25 of them.
    ColumnRows rows = DefaultColumnRows();
    const int count = std::min<int>(list_->count(), static_cast<int>(rows.size()));
    for (int i = 0; i < count; ++i) {
        const QListWidgetItem* item = list_->item(i);
        rows[static_cast<std::size_t>(i)] = {item->data(kFieldRole).toInt(),
                                             item->checkState() == Qt::Checked};
    }
    return rows;
}

void ColumnCheckList::MoveCurrent(int step) {
    const int from = list_->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= list_->count()) {
        return;
    }
    QListWidgetItem* item = list_->takeItem(from);
    list_->insertItem(to, item);
    list_->setCurrentRow(to);
}

void ColumnCheckList::TickAll(bool ticked) {
    for (int i = 0; i < list_->count(); ++i) {
        list_->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void ColumnCheckList::UpdateButtons() {
    const int row = list_->currentRow();
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < list_->count());
}

} // namespace shell
