#include "shell/ui/setup_dlg.h"

#include "shell/settings_records.h"
#include "shell/settings_values.h"
#include "shell/ui/setup_dlg_dates.h"
#include "shell/ui/setup_dlg_exec.h"
#include "shell/ui/setup_dlg_fonts.h"
#include "shell/ui/setup_dlg_pages.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace shell {

TSetupDlg::TSetupDlg(SettingsStore& store, LiveSettings& live, QWidget* parent)
    : QDialog(parent), store_(store), live_(live), pages_(new QTabWidget(this)),
      listPage_(new ListPage(pages_)), detailPage_(new DetailPage(pages_)) {
    setObjectName("SetupDlg");
    setWindowTitle("設定");
    pages_->setObjectName("PageControl");
    // Every page's tab stays in view: the dialog is as wide as the tabs need.
    pages_->setUsesScrollButtons(false);
    const std::pair<SetupPage*, QString> pages[] = {
        {new StartPage(pages_), "起動"},
        {listPage_, "リスト表示"},
        {detailPage_, "詳細表示"},
        {new ColumnsPage("CheckListBoxHtml", &SetupSettings::htmlFields,
                         "HTMLに出力する項目(&L)（チェックした項目を上から順に出力します）",
                         pages_),
         "HTML"},
        {new ColumnsPage("CheckListBoxCsv", &SetupSettings::csvColumns,
                         "CSVに出力する項目(&L)（チェックした項目を上から順に出力します）", pages_),
         "CSV"},
        {new DateNamePage(pages_), "ファイル名"},
        {new ToolPage(pages_), "プレビュー"},
        {new ExecPage(pages_), "外部プログラム"},
    };
    for (const auto& [page, caption] : pages) {
        pages_->addTab(page, caption);
        setupPages_.push_back(page);
    }
    ShowLiveSettings();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton("キャンセル", QDialogButtonBox::RejectRole);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    cancel->setObjectName("CancelBtn");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OKBtnClick(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Escape and the window's close button cancel too.
    connect(this, &QDialog::rejected, this, [this] { CancelBtnClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
}

void TSetupDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        ShowLiveSettings();
    }
    QDialog::showEvent(event);
}

void TSetupDlg::ShowLiveSettings() {
    for (SetupPage* page : setupPages_) {
        page->ShowSettings(live_);
    }
    listPage_->Font().SetRecord(ReadFontInfo(store_, settings::kFontInfoList));
    detailPage_->Font().SetRecord(ReadFontInfo(store_, settings::kFontInfoDetail));
}

void TSetupDlg::OKBtnClick() {
    LiveSettings edited = live_;
    for (const SetupPage* page : setupPages_) {
        page->StoreSettings(edited);
    }
    live_ = edited;
    // Write failures are not reported: the program runs on with the live copy, and a value that
    // did not reach the registry comes back as before at the next start.
    static_cast<void>(live_.Save(store_));
    for (const auto& [font, setting] :
         {std::pair{&listPage_->Font(), settings::kFontInfoList},
          std::pair{&detailPage_->Font(), settings::kFontInfoDetail}}) {
        if (font->Record()) {
            static_cast<void>(WriteFontInfo(store_, setting, *font->Record()));
        }
    }
    accept();
}

void TSetupDlg::CancelBtnClick() {
    live_.Reload(store_);
}

} // namespace shell
