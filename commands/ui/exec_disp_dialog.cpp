#include "commands/ui/exec_disp_dialog.h"

#include "platform/codepage.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace commands {
namespace {

QString FromCp932(const std::string& text) {
    return QString::fromStdString(platform::Cp932ToUtf8(text));
}

} // namespace

TFormExecDisp::TFormExecDisp(QWidget* parent)
    : QDialog(parent), ListView1(new QTreeWidget(this)), ButtonOk(new QPushButton("OK", this)),
      ButtonCancel(new QPushButton("キャンセル", this)),
      ButtonAll(new QPushButton("すべて選択", this)),
      ButtonNone(new QPushButton("すべて解除", this)) {
    setWindowTitle("処理確認");
    resize(620, 420);

    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setColumnCount(4);
    ListView1->header()->setStretchLastSection(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonAll);
    buttons->addWidget(ButtonNone);
    buttons->addStretch();
    buttons->addWidget(ButtonOk);
    buttons->addWidget(ButtonCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1);
    layout->addLayout(buttons);

    ButtonOk->setDefault(true);
    connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonAll, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(ButtonNone, &QPushButton::clicked, this, [this] { CheckAll(false); });
}

Confirmation TFormExecDisp::Confirm(ConfirmationList& list) {
    Fill(list);
    if (exec() != QDialog::Accepted) {
        return Confirmation::Cancel;
    }
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        list.Rows()[static_cast<std::size_t>(i)].checked =
            ListView1->topLevelItem(i)->checkState(0) == Qt::Checked;
    }
    return Confirmation::Ok;
}

void TFormExecDisp::Fill(const ConfirmationList& list) {
    ListView1->clear();
    ListView1->setHeaderLabels(
        {"ファイル名", "処理", FromCp932(list.OldCaption()), FromCp932(list.NewCaption())});
    for (const PlannedRow& row : list.Rows()) {
        auto* item = new QTreeWidgetItem(ListView1, {FromCp932(row.fileName), FromCp932(row.action),
                                                     FromCp932(row.oldValue),
                                                     FromCp932(row.newValue)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
    }
    FitColumns();
}

// Each column as wide as its header (+16) or its widest text (+32 for the captions, which
// carry the check box, +16 for the others), whichever is larger.
void TFormExecDisp::FitColumns() {
    const QFontMetrics metrics(ListView1->font());
    for (int column = 0; column < ListView1->columnCount(); ++column) {
        int width = metrics.horizontalAdvance(ListView1->headerItem()->text(column)) + 16;
        const int margin = column == 0 ? 32 : 16;
        for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
            width = std::max(width,
                             metrics.horizontalAdvance(ListView1->topLevelItem(i)->text(column)) +
                                 margin);
        }
        ListView1->setColumnWidth(column, width);
    }
}

void TFormExecDisp::CheckAll(bool checked) {
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        ListView1->topLevelItem(i)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace commands
