#include "setup/ui/form_main.h"

#include "platform/codepage.h"
#include "setup/host_paths.h"
#include "setup/text_primitives.h"
#include "setup/ui/form_back.h"
#include "setup/ui/form_custom_dlg.h"
#include "setup/ui/form_status.h"
#include "setup/ui/setup_fonts.h"
#include "setup/ui/shown_text.h"
#include "setup/uninstall_engine.h"
#include "setup/window_messages.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace setup_ui {
namespace {

namespace text = setup::text;

constexpr int kWidth = 489;
constexpr int kHeight = 313;
constexpr int kButtonWidth = 160;
constexpr int kButtonTop = 279;
constexpr int kBoxWidth = 104;

std::optional<std::filesystem::path> BrowseFolder(QWidget* parent, const QString& start) {
    const QString chosen = QFileDialog::getExistingDirectory(parent, Utf8(text::kBrowseFolderTitle),
                                                             start, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(chosen.toStdString());
}

} // namespace

TfrmMain::TfrmMain(MainWindowContext context)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      chooseFolder(BrowseFolder), context_(context),
      status_(std::make_unique<TfrmStatus>([this] { return !isEnabled(); })),
      customDlg_(std::make_unique<TfrmCustomDlg>()) {
    setObjectName(QStringLiteral("frmMain"));
    setFont(SetupFont());
    setFixedSize(kWidth, kHeight);
    setWindowModality(Qt::ApplicationModal);
    BuildControls();
    connect(btnEvent, &QPushButton::clicked, this, &TfrmMain::btnEventClick);
    connect(btnEnd, &QPushButton::clicked, this, &QWidget::close);
    connect(btnRefer, &QPushButton::clicked, this, &TfrmMain::btnReferClick);
    connect(status_.get(), &TfrmStatus::abortClicked, this, &TfrmMain::AbortClick);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::BuildControls() {
    fraReadme = new QGroupBox(this);
    fraReadme->setGeometry(8, 4, kWidth - 16, kButtonTop - 10);
    txtReadme = new QPlainTextEdit(fraReadme);
    txtReadme->setGeometry(8, 18, kWidth - 32, kButtonTop - 36);
    txtReadme->setReadOnly(true);

    grpMessage = new QGroupBox(this);
    grpMessage->setGeometry(8, 4, kWidth - 16, 92);
    lblMessage = new QLabel(grpMessage);
    lblMessage->setGeometry(10, 8, kWidth - 36, 80);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    grpSetupFolder = new QGroupBox(Utf8(text::kFolderFrame), this);
    grpSetupFolder->setGeometry(8, 100, kWidth - 16, 52);
    txtFolder = new QLineEdit(grpSetupFolder);
    txtFolder->setGeometry(10, 20, kWidth - 132, 24);
    btnRefer = new QPushButton(Utf8(text::kReferButton), grpSetupFolder);
    btnRefer->setGeometry(kWidth - 114, 19, 90, 26);

    BuildOptionControls();

    btnEvent = new QPushButton(Utf8(text::kStartButton), this);
    btnEvent->setGeometry(kWidth - 16 - 2 * kButtonWidth, kButtonTop, kButtonWidth, 28);
    btnEnd = new QPushButton(Utf8(text::kEndButton), this);
    btnEnd->setGeometry(kWidth - 8 - kButtonWidth, kButtonTop, kButtonWidth, 28);
    lblFormShare = new QLabel(this);
    lblFormShare->hide();
    ShowPage(setup::MainPage::Options);
}

void TfrmMain::BuildOptionControls() {
    grpOption = new QGroupBox(Utf8(text::kOptionFrame), this);
    grpOption->setGeometry(8, 156, kWidth - 16, 116);
    chkOverWrite = new QCheckBox(Utf8(text::kOverwriteBox), grpOption);
    chkOverWrite->setGeometry(8, 18, kWidth - 32, 20);
    chkOverWrite->setChecked(true);
    fraShortCut = new QGroupBox(Utf8(text::kShortcutFrame), grpOption);
    fraShortCut->setGeometry(8, 40, kWidth - 32, 70);
    const std::pair<QCheckBox**, std::string_view> boxes[] = {
        {&chkSCutDesktop, text::kDesktopBox},
        {&chkSCutStartMenu, text::kStartMenuBox},
        {&chkSCutStartUp, text::kStartupBox},
        {&chkSCutSendTo, text::kSendToBox}};
    int x = 10;
    for (const auto& [box, caption] : boxes) {
        *box = new QCheckBox(Utf8(caption), fraShortCut);
        (*box)->setGeometry(x, 18, kBoxWidth, 20);
        (*box)->setChecked(false);
        (*box)->setEnabled(false);
        x += kBoxWidth + 8;
    }
    lblUnSetupInfo = new QLabel(fraShortCut);
    lblUnSetupInfo->setGeometry(10, 38, kWidth - 52, 30);
    lblUnSetupInfo->setWordWrap(true);
    lblUnSetupInfo->hide();
}

std::array<QCheckBox*, 4> TfrmMain::Boxes() const {
    return {chkSCutDesktop, chkSCutStartMenu, chkSCutStartUp, chkSCutSendTo};
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!activated_) {
        activated_ = true;
        Activate();
    }
}

// The session starts: the installer and the script (or the log) are copied to the work
// folder, and the window sets itself up for what the copy holds.
void TfrmMain::Activate() {
    session_ = setup::StartSession(context_.programFolder, context_.firstArgument);
    macros_ = setup::ResolvePathMacros(session_->programFolder);
    setup::MainWindowStart start;
    if (!session_->startupErrors.empty()) {
        start = setup::StartAfterErrors(*session_);
    } else if (session_->mode == setup::RunMode::Unsetup) {
        log_ = setup::ReadSessionLog(*session_);
        uninstallBoxes_ = setup::UninstallBoxesOf(log_->unSetupOption);
        start = setup::StartUnsetup(*log_, *macros_);
    } else {
        script_ = setup::LoadSetupScript(session_->scriptFile);
        start = setup::StartSetup(*session_, *script_, *macros_);
    }
    Apply(start);
    emit titleKnown(Shown(start.caption));
}

void TfrmMain::Apply(const setup::MainWindowStart& start) {
    setWindowTitle(Shown(start.caption));
    lblMessage->setText(Breakable(Shown(start.welcome)));
    fraReadme->setTitle(Shown(start.readmeFrame));
    txtReadme->setPlainText(Shown(start.readme));
    txtReadme->setLineWrapMode(start.scrollBars == setup::ScrollBars::Vertical
                                   ? QPlainTextEdit::WidgetWidth
                                   : QPlainTextEdit::NoWrap);
    txtReadme->setHorizontalScrollBarPolicy(start.scrollBars == setup::ScrollBars::Vertical
                                                ? Qt::ScrollBarAlwaysOff
                                                : Qt::ScrollBarAlwaysOn);
    txtReadme->setVerticalScrollBarPolicy(start.scrollBars == setup::ScrollBars::Horizontal
                                              ? Qt::ScrollBarAlwaysOff
                                              : Qt::ScrollBarAlwaysOn);
    grpSetupFolder->setTitle(Shown(start.folderFrame));
    txtFolder->setText(Shown(start.folder));
    txtFolder->setEnabled(start.folderEnabled);
    txtFolder->setReadOnly(start.folderReadOnly);
    btnRefer->setEnabled(start.referEnabled);
    grpOption->setTitle(Shown(start.optionFrame));
    chkOverWrite->setText(Shown(start.overwrite.caption));
    chkOverWrite->setChecked(start.overwrite.checked);
    chkOverWrite->setEnabled(start.overwrite.enabled);
    chkOverWrite->setVisible(start.overwrite.visible);
    ApplyBoxes(start);
    btnEvent->setText(Shown(start.eventButton));
    btnEvent->setEnabled(start.eventEnabled);
    btnEnd->setText(Shown(start.endButton));
    ShowPage(start.page);
    if (start.eventFocused) {
        btnEvent->setFocus();
    }
}

void TfrmMain::ApplyBoxes(const setup::MainWindowStart& start) {
    fraShortCut->setTitle(Shown(start.boxFrame));
    const std::array<QCheckBox*, 4> boxes = Boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const setup::OptionBox& box = start.boxes[i];
        boxes[i]->setText(Shown(box.caption));
        boxes[i]->setChecked(box.checked);
        boxes[i]->setEnabled(box.enabled);
        boxes[i]->setVisible(box.visible);
    }
    if (start.firstBoxFullWidth) {
        QRect full = chkSCutDesktop->geometry();
        full.setWidth(fraShortCut->width() - 2 * full.x());
        chkSCutDesktop->setGeometry(full);
    }
    lblUnSetupInfo->setText(Utf8(setup::text::kUninstallInfo));
    lblUnSetupInfo->setVisible(start.uninstallInfoShown);
}

void TfrmMain::ShowPage(setup::MainPage page) {
    const bool readme = page == setup::MainPage::Readme;
    fraReadme->setVisible(readme);
    grpMessage->setVisible(!readme);
    grpSetupFolder->setVisible(!readme);
    grpOption->setVisible(!readme);
}

void TfrmMain::CentreEventButton() {
    btnEvent->move((width() - btnEvent->width()) / 2, btnEvent->y());
}

void TfrmMain::btnReferClick() {
    const std::optional<std::filesystem::path> start =
        setup::HostPathOf(EngineText(txtFolder->text()));
    const QString startFolder = start ? QString::fromStdString(start->string()) : QString();
    const std::optional<std::filesystem::path> chosen = chooseFolder(this, startFolder);
    if (!chosen) {
        return;
    }
    if (const std::optional<std::string> spelled = setup::WindowsSpelling(*chosen)) {
        txtFolder->setText(Shown(setup::AddPathDelimiter(*spelled, setup::PathSide::Bottom)));
    }
}

} // namespace setup_ui
