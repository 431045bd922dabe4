#include "shell/ui/setup_dlg_exec.h"

#include "platform/codepage.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {
namespace {

QString Utf8Of(const std::string& cp932) {
    return QString::fromStdString(platform::Cp932ToUtf8(cp932));
}

std::string Cp932Of(const QLineEdit& edit) {
    return platform::Utf8ToCp932(edit.text().toStdString());
}

QChar LetterOf(int index) {
    return QChar('A' + index);
}

QLineEdit* Edit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

// The option letters in their stored order, with the captions of the launcher's options.
struct OptionBox {
    const char* name;
    const char* caption;
    bool ExecOptions::*flag;
};
constexpr std::array<OptionBox, 4> kOptionBoxes = {{
    {"CheckBoxE", "Exif情報の待避復元を行う(&E)", &ExecOptions::restoreExif},
    {"CheckBoxT", "サムネイルを新規作成する(&T)", &ExecOptions::createThumbnail},
    {"CheckBoxD", "起動前にExif情報をはずす(&D)", &ExecOptions::stripExif},
    {"CheckBoxM", "最大化する(&M)", &ExecOptions::maximize},
}};

} // namespace

ExecPage::ExecPage(QWidget* parent)
    : SetupPage(parent), entries_(new QListWidget(this)), title_(Edit("EditTitle", this)),
      program_(Edit("EditProgram", this)), param_(Edit("EditParam", this)),
      work_(Edit("EditWork", this)) {
    entries_->setObjectName("ListBoxExec");
    for (int i = 0; i < kExecEntryCount; ++i) {
        entries_->addItem(QString());
    }
    entries_->setMinimumWidth(150);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(entries_);
    layout->addWidget(MakeFields(), 1);

    connect(entries_, &QListWidget::currentRowChanged, this, [this](int row) { ShowEntry(row); });
}

QWidget* ExecPage::MakeFields() {
    auto* box = new QGroupBox("外部プログラム", this);
    auto* form = new QFormLayout(box);
    // A caption whose accelerator moves to the edit, then the edit with a browse button.
    auto addRow = [this, box, form](const QString& caption, QLineEdit* edit,
                                    const QString& buttonName = {}, bool folder = false) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(edit);
        if (buttonName.isEmpty()) {
            form->addRow(label, edit);
            return;
        }
        auto* button = new QPushButton("参照...", box);
        button->setObjectName(buttonName);
        connect(button, &QPushButton::clicked, this,
                [this, edit, folder] { Browse(*edit, folder); });
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(button);
        form->addRow(label, row);
    };
    addRow("タイトル(&A)", title_);
    addRow("プログラム(&R)", program_, "ButtonProgram");
    addRow("パラメータ(&O)", param_);
    form->addRow("", new QLabel("$P:フォルダ名  $F:ファイル名", box));
    addRow("作業フォルダ(&W)", work_, "ButtonWork", true);
    for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
        options_[i] = new QCheckBox(kOptionBoxes[i].caption, box);
        options_[i]->setObjectName(kOptionBoxes[i].name);
        form->addRow("", options_[i]);
    }
    for (QLineEdit* edit : {title_, program_, param_, work_}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { KeepFields(); });
    }
    for (QCheckBox* option : options_) {
        connect(option, &QCheckBox::toggled, this, [this] { KeepFields(); });
    }
    auto* hint = new QLabel("タイトルが空の項目はメニューに表示されません。", box);
    hint->setWordWrap(true);
    form->addRow(hint);
    return box;
}

void ExecPage::ShowSettings(const LiveSettings& settings) {
    table_ = settings.exec;
    for (int i = 0; i < kExecEntryCount; ++i) {
        ShowListRow(i);
    }
    if (entries_->currentRow() < 0) {
        ChooseEntry(0);
    }
    ShowEntry(entries_->currentRow());
}

void ExecPage::StoreSettings(LiveSettings& settings) const {
    settings.exec = table_;
}

void ExecPage::ChooseEntry(int index) {
    entries_->setCurrentRow(index);
}

void ExecPage::ShowEntry(int index) {
    if (index < 0 || index >= kExecEntryCount) {
        return;
    }
    // Field signals would write the half-filled fields into the new entry while it loads.
    shownEntry_ = -1;
    const ExecEntry& entry = table_[static_cast<std::size_t>(index)];
    title_->setText(Utf8Of(entry.title));
    program_->setText(Utf8Of(entry.program));
    param_->setText(Utf8Of(entry.param));
    work_->setText(Utf8Of(entry.work));
    for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
        options_[i]->setChecked(entry.options.*kOptionBoxes[i].flag);
    }
    shownEntry_ = index;
}

void ExecPage::KeepFields() {
    if (shownEntry_ < 0) {
        return;
    }
    ExecEntry& entry = table_[static_cast<std::size_t>(shownEntry_)];
    entry.title = Cp932Of(*title_);
    entry.program = Cp932Of(*program_);
    entry.param = Cp932Of(*param_);
    entry.work = Cp932Of(*work_);
    for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
        entry.options.*kOptionBoxes[i].flag = options_[i]->isChecked();
    }
    ShowListRow(shownEntry_);
}

void ExecPage::ShowListRow(int index) {
    if (index < 0 || index >= kExecEntryCount) {
        return;
    }
    const std::string& title = table_[static_cast<std::size_t>(index)].title;
    entries_->item(index)->setText(QString("%1  %2").arg(LetterOf(index), Utf8Of(title)));
}

void ExecPage::Browse(QLineEdit& target, bool folder) {
    const QString chosen =
        folder ? QFileDialog::getExistingDirectory(this, "作業フォルダの選択", target.text())
               : QFileDialog::getOpenFileName(this, "プログラムの選択", target.text());
    if (!chosen.isEmpty()) {
        target.setText(chosen);
    }
}

} // namespace shell
