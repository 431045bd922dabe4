// The main window's frame: layout, the settings it reads at creation and writes at exit, the
// fonts, and the start folder of the first showing.

#include "shell/ui/form_main.h"

#include "platform/codepage.h"
#include "shell/settings_records.h"
#include "shell/start_folder.h"
#include "shell/ui/column_widths.h"
#include "shell/ui/designed_fonts.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/list_fill.h"
#include "shell/ui/message_box_prompt.h"
#include "shell/ui/setup_dlg_fonts.h"
#include "shell/ui/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTreeView>
#include <algorithm>

namespace shell {
namespace {

constexpr QSize kDesignedSize{800, 600};
constexpr int kMinimumPanel = 100;
constexpr int kMinimumListHeight = 110;

// A record's colour is the platform's 0x00BBGGRR; a value with a high byte names a system
// colour, which here is the palette's own text colour.
void ApplyTextColor(QWidget& widget, const std::optional<FontInfo>& record) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Text, QApplication::palette(&widget).color(QPalette::Text));
    if (record && (record->color & 0xFF000000u) == 0) {
        palette.setColor(QPalette::Text, QColor(static_cast<int>(record->color & 0xFF),
                                                static_cast<int>((record->color >> 8) & 0xFF),
                                                static_cast<int>((record->color >> 16) & 0xFF)));
    }
    widget.setPalette(palette);
}

} // namespace

TFormMain::TFormMain(SettingsStore& store, LiveSettings& live, QWidget* parent)
    : QMainWindow(parent), store_(store), live_(live),
      prompt_(std::make_unique<MessageBoxPrompt>(this)) {
    SubstituteDesignedFonts();
    setObjectName("FormMain");
    setWindowTitle(QString::fromUtf8(kMainCaption));
    resize(kDesignedSize);
    if (const auto placement = ReadWindowPlacement(store_)) {
        ApplyPlacement(*this, *placement);
    }
    const DisplayState display = ReadDisplayState(store_);
    folder_ = display.folder;
    BuildLayout(display);
    BuildMenus();
    RegisterBuiltInCommands();
    ApplyFonts();
    SetThumbnailView(!display.listView);
    BuildPopupMenu();
}

TFormMain::~TFormMain() {
    fill_->Cancel();
    // Failures to write are not reported: the program is ending.
    static_cast<void>(WriteDisplayState(store_, CurrentDisplay()));
    static_cast<void>(WriteWindowPlacement(store_, PlacementOf(*this)));
}

void TFormMain::BuildLayout(const DisplayState& display) {
    BuildFolderTree();
    BuildList();
    detailPane_ = new QPlainTextEdit;
    detailPane_->setObjectName("DetailPane");
    detailPane_->setReadOnly(true);
    detailPane_->setLineWrapMode(QPlainTextEdit::NoWrap);
    detailPane_->setMinimumSize(kMinimumPanel, kMinimumPanel);
    folderTree_->setMinimumHeight(kMinimumPanel);
    listStack_->setMinimumSize(kMinimumPanel, kMinimumListHeight);

    leftSplitter_ = new QSplitter(Qt::Vertical);
    leftSplitter_->setObjectName("LeftPanel");
    leftSplitter_->addWidget(folderTree_);
    leftSplitter_->addWidget(detailPane_);
    leftSplitter_->setStretchFactor(0, 0);
    leftSplitter_->setStretchFactor(1, 1);
    leftSplitter_->setChildrenCollapsible(false);
    leftSplitter_->setMinimumWidth(kMinimumPanel);

    mainSplitter_ = new QSplitter(Qt::Horizontal);
    mainSplitter_->addWidget(leftSplitter_);
    mainSplitter_->addWidget(listStack_);
    mainSplitter_->setStretchFactor(0, 0);
    mainSplitter_->setStretchFactor(1, 1);
    mainSplitter_->setChildrenCollapsible(false);
    setCentralWidget(mainSplitter_);

    const int leftWidth = std::max(display.leftWidth, kMinimumPanel);
    const int folderHeight = std::max(display.folderHeight, kMinimumPanel);
    mainSplitter_->setSizes({leftWidth, std::max(width() - leftWidth, kMinimumPanel)});
    leftSplitter_->setSizes({folderHeight, std::max(height() - folderHeight, kMinimumPanel)});

    status_ = new QLabel;
    status_->setObjectName("StatusBar");
    statusBar()->addWidget(status_, 1);
}

void TFormMain::ApplyFonts() {
    const auto listRecord = ReadFontInfo(store_, settings::kFontInfoList);
    const auto detailRecord = ReadFontInfo(store_, settings::kFontInfoDetail);
    listFont_ = DesignedListFont();
    detailFont_ = DesignedDetailFont();
    if (listRecord) {
        listFont_ = FontOfRecord(*listRecord, listFont_);
    }
    if (detailRecord) {
        detailFont_ = FontOfRecord(*detailRecord, detailFont_);
    }
    for (QWidget* list : {static_cast<QWidget*>(iconView_), static_cast<QWidget*>(reportView_)}) {
        list->setFont(listFont_);
        ApplyTextColor(*list, listRecord);
    }
    detailPane_->setFont(detailFont_);
    ApplyTextColor(*detailPane_, detailRecord);
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShowPending_) {
        firstShowPending_ = false;
        OpenStartFolder();
    }
}

void TFormMain::OpenStartFolder() {
    const std::filesystem::path start =
        startFolder_ ? *startFolder_
                     : StartFolder(live_.setup.startInLastFolder, folder_,
                                   platform::Cp932ToPath(live_.setup.homeFolder));
    folder_ = SelectInTree(start);
    if (!folder_.empty()) {
        FillList();
    }
}

void TFormMain::closeEvent(QCloseEvent* event) {
    // The EXIF segment a program started with "E" took away comes back when it ends, which
    // this window must live to see.
    if (launcher_ != nullptr && launcher_->WaitingToRestore()) {
        prompt_->Show("Exif情報の待避復元を行う外部プログラムが終了していません。\n"
                      "そのプログラムを終了してから、LumaroUtyを終了してください。");
        event->ignore();
        return;
    }
    fill_->Cancel();
    listModel_->Clear();
    event->accept();
}

DisplayState TFormMain::CurrentDisplay() const {
    DisplayState state = ReadDisplayState(store_);
    // Before the first showing the panels have no sizes of their own yet.
    if (!firstShowPending_) {
        state.leftWidth = leftSplitter_->width();
        state.folderHeight = folderTree_->height();
    }
    state.listView = Action(MenuCommand::DispList)->isChecked();
    state.thumbnailView = Action(MenuCommand::DispThumb)->isChecked();
    state.folder = folder_;
    return state;
}

void TFormMain::SetStatus(const QString& text) {
    status_->setText(text);
}

QString TFormMain::StatusText() const {
    return status_->text();
}

void TFormMain::SetGuardPrompt(std::unique_ptr<GuardPrompt> prompt) {
    prompt_ = std::move(prompt);
}

} // namespace shell
