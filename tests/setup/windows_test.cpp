#include "platform/codepage.h"
#include "setup/ui/form_back.h"
#include "setup/ui/form_custom_dlg.h"
#include "setup/ui/form_main.h"
#include "setup/ui/form_status.h"
#include "setup/ui/setup_windows.h"
#include "tests/setup/install_fixture.h"
#include "tests/support/screenshot.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace setup_ui;
using setup_test::ReadBytes;
using setup_test::WriteBytes;
using setup_test::WriteIni;

namespace {

namespace fs = std::filesystem;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The text as shown, without the zero-width spaces that let long paths wrap.
QString Plain(const QString& text) {
    QString plain = text;
    plain.remove(QChar(0x200B));
    return plain;
}

// Runs act once ready() holds, checking whenever the event loop turns; the check stops once it
// has acted.
void WhenReady(std::function<bool()> ready, std::function<void()> act) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ready, act] {
        if (ready()) {
            timer->stop();
            timer->deleteLater();
            act();
        }
    });
    timer->start(1);
}

class SetupWindows : public setup_test::MachineTest {
protected:
    void SetUp() override { WriteMediumFile("SETUP.EXE", "installer"); }

    // The main window over its background, shown, so that it activates.
    TfrmMain& Open(std::string_view firstArgument = "") {
        main_ = std::make_unique<TfrmMain>(
            MainWindowContext{MediumFolder(), std::string(firstArgument), ports, back});
        QObject::connect(main_.get(), &TfrmMain::titleKnown, &back, &TfrmBack::SetTitle);
        main_->show();
        QApplication::processEvents();
        return *main_;
    }

    std::string WindowsText(const QString& text) const {
        return platform::Utf8ToCp932(text.toStdString());
    }

    setup_test::ScriptedPorts ports;
    TfrmBack back;

private:
    std::unique_ptr<TfrmMain> main_;
};

TEST_F(SetupWindows, SetupModeShowsTheReadmeFirstThenTheOptionsPage) {
    WriteMediumFile("README.TXT", setup_test::Sjis("ようこそ\r\nLumaroUty の説明"));
    WriteScript(
        "[Title]\nSetup=テスト セットアップ\n[TopMessage]\nMessage1=写真ツールを入れます．\n"
        "Message3=三行目\n[Readme]\nFile=\\README.TXT\nTitle=お読みください\n"
        "[DefaultFolder]\nFolder=(Prg)\\Test\n[ShortCut]\nMake1=(App)a.exe\n"
        "Make2=(App)b.exe\nName2=(Dsk)B\n");
    TfrmMain& main = Open();
    EXPECT_EQ(main.windowTitle(), Q("テスト セットアップ"));
    EXPECT_EQ(back.lblBackTitle1->text(), Q("テスト セットアップ"));
    EXPECT_TRUE(main.fraReadme->isVisible());
    EXPECT_FALSE(main.grpMessage->isVisible());
    EXPECT_FALSE(main.grpSetupFolder->isVisible());
    EXPECT_FALSE(main.grpOption->isVisible());
    EXPECT_EQ(main.fraReadme->title(), Q("お読みください"));
    EXPECT_EQ(main.txtReadme->toPlainText(), Q("ようこそ\nLumaroUty の説明"));
    EXPECT_EQ(main.txtReadme->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(main.txtReadme->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(main.btnEvent->text(), Q("セットアップ続行(&C)"));
    EXPECT_TRUE(main.btnEvent->hasFocus());
    EXPECT_EQ(main.btnEnd->text(), Q("セットアップ終了(&E)"));

    main.btnEvent->click();
    EXPECT_FALSE(main.fraReadme->isVisible());
    EXPECT_TRUE(main.grpMessage->isVisible() && main.grpSetupFolder->isVisible() &&
                main.grpOption->isVisible());
    EXPECT_EQ(main.btnEvent->text(), Q("セットアップ開始(&S)"));
    EXPECT_EQ(Plain(main.lblMessage->text()),
              Q("写真ツールを入れます．\n三行目\n\n※　処理を開始する前に，必ずすべてのプログラムを"
                "終了させてください．"));
    EXPECT_EQ(main.grpSetupFolder->title(), Q("セットアップフォルダ"));
    EXPECT_EQ(main.txtFolder->text(), Q("C:\\Program Files\\Test\\"));
    EXPECT_TRUE(main.txtFolder->isEnabled() && main.btnRefer->isEnabled());
    EXPECT_EQ(main.grpOption->title(), Q("セットアップオプション"));
    EXPECT_TRUE(main.chkOverWrite->isChecked() && main.chkOverWrite->isEnabled());
    EXPECT_EQ(main.fraShortCut->title(), Q("ショートカットの作成"));
    EXPECT_FALSE(main.lblUnSetupInfo->isVisible());
    ASSERT_TRUE(main.Session().has_value());
    EXPECT_TRUE(fs::exists(Host(main.Session()->workFolder + "SETUP.INI")));
}

TEST_F(SetupWindows, TheOptionBoxesFollowTheShortcutsAndTheEnabledFlagOfTheScript) {
    WriteScript("[Extend]\nEnabled=False\n[ShortCut]\nMake1=(App)a.exe\nName1=(Sup)A\n"
                "Make2=(App)b.exe\nName2=(C_Dsk)B\n");
    TfrmMain& main = Open();
    EXPECT_EQ(Plain(main.lblMessage->text()),
              Q("セットアップを行います．\n\n※　処理を開始する前に，必ずすべてのプログラムを"
                "終了させてください．"));
    EXPECT_EQ(main.btnEvent->text(), Q("セットアップ開始(&S)"));
    EXPECT_TRUE(main.grpOption->isVisible());
    const std::pair<QCheckBox*, bool> boxes[] = {{main.chkSCutDesktop, true},
                                                 {main.chkSCutStartMenu, false},
                                                 {main.chkSCutStartUp, true},
                                                 {main.chkSCutSendTo, false}};
    for (const auto& [box, on] : boxes) {
        EXPECT_EQ(box->isChecked(), on) << box->text().toStdString();
        EXPECT_FALSE(box->isEnabled()) << box->text().toStdString();
    }
    EXPECT_FALSE(main.txtFolder->isEnabled());
    EXPECT_FALSE(main.btnRefer->isEnabled());
    EXPECT_FALSE(main.chkOverWrite->isEnabled());
    EXPECT_TRUE(main.chkOverWrite->isChecked());

    WriteScript("[ShortCut]\nMake1=(App)a.exe\nMake2=(App)b.exe\nName2=x\\(Sen)B\n");
    TfrmMain& changeable = Open();
    EXPECT_TRUE(changeable.chkSCutStartMenu->isChecked() &&
                changeable.chkSCutStartMenu->isEnabled());
    EXPECT_TRUE(changeable.chkSCutSendTo->isChecked() && changeable.chkSCutSendTo->isEnabled());
    EXPECT_FALSE(changeable.chkSCutDesktop->isChecked() || changeable.chkSCutDesktop->isEnabled());
    EXPECT_TRUE(changeable.txtFolder->isEnabled() && changeable.chkOverWrite->isEnabled());
}

TEST_F(SetupWindows, UnsetupModeShowsTheUninstallCaptionsAndTheBoxesOfTheLog) {
    const fs::path log = Root() / "app" / "UNSETUP.INI";
    WriteIni(log, "[Title]\nUnSetup=テスト削除\n[SetupFolder]\nFolder=(Prg)Test\n"
                  "[UnSetupOption]\nCheckBox=1,0,0,0\n");
    TfrmMain& main = Open(log.string());
    EXPECT_EQ(main.windowTitle(), Q("テスト削除"));
    EXPECT_EQ(back.lblBackTitle2->text(), Q("テスト削除"));
    EXPECT_EQ(Plain(main.lblMessage->text()),
              Q("アンセットアップ(アンインストール)を行います．\n\n開始するには，「アンセットアップ"
                "開始(S)」を選択してください．\n"));
    EXPECT_EQ(main.grpSetupFolder->title(), Q("アンセットアップ(アンインストール)フォルダ"));
    EXPECT_EQ(main.txtFolder->text(), Q("C:\\Program Files\\Test\\"));
    EXPECT_TRUE(main.txtFolder->isReadOnly());
    EXPECT_FALSE(main.btnRefer->isEnabled());
    EXPECT_EQ(main.btnEvent->text(), Q("アンセットアップ開始(&S)"));
    EXPECT_EQ(main.btnEnd->text(), Q("アンセットアップ終了(&E)"));
    EXPECT_EQ(main.grpOption->title(), Q("アンセットアップ(アンインストール)オプション"));
    EXPECT_FALSE(main.chkOverWrite->isVisible());
    EXPECT_EQ(main.fraShortCut->title(), Q("ファイルの追加削除"));
    EXPECT_EQ(main.chkSCutDesktop->text(), Q("*.INIファイル"));
    EXPECT_EQ(main.chkSCutStartMenu->text(), Q("*.GIDファイル"));
    EXPECT_TRUE(main.chkSCutDesktop->isChecked() && main.chkSCutDesktop->isEnabled());
    EXPECT_TRUE(!main.chkSCutStartMenu->isChecked() && main.chkSCutStartMenu->isEnabled());
    EXPECT_EQ(main.chkSCutStartUp->text(), QString());
    EXPECT_FALSE(main.chkSCutStartUp->isEnabled() || main.chkSCutSendTo->isEnabled());
    EXPECT_TRUE(main.lblUnSetupInfo->isVisible());
    EXPECT_EQ(main.lblUnSetupInfo->text(),
              Q("　アンセットアップ(アンインストール)フォルダの中で，コピーされたファイル以外に"
                "追加削除するファイルをチェック(選択)してください．"));
}

TEST_F(SetupWindows, DeleteAllMakesTheFirstBoxSpanTheFrameAndHidesTheOthers) {
    const fs::path log = Root() / "app" / "UNSETUP.INI";
    WriteIni(log, "[SetupFolder]\nFolder=C:\\Test\\\n[UnSetupOption]\nCheckBox=DeleteAll\n");
    TfrmMain& main = Open(log.string());
    EXPECT_EQ(main.windowTitle(), Q("Orvik! Setup 98"));
    EXPECT_EQ(main.chkSCutDesktop->text(),
              Q("アンセットアップ(アンインストール)フォルダ以下の全ファイル・フォルダ"));
    EXPECT_TRUE(main.chkSCutDesktop->isChecked() && main.chkSCutDesktop->isEnabled());
    EXPECT_GT(main.chkSCutDesktop->width(), main.fraShortCut->width() * 3 / 4);
    for (QCheckBox* box : {main.chkSCutStartMenu, main.chkSCutStartUp, main.chkSCutSendTo}) {
        EXPECT_TRUE(box->isHidden());
        EXPECT_FALSE(box->isChecked());
    }
}

TEST_F(SetupWindows, StartupErrorsOfferOnlyTheEndButtonAndCloseWithoutAQuestion) {
    TfrmMain& main = Open();
    EXPECT_EQ(Plain(main.lblMessage->text()),
              Q("【致命的エラー  →  iniファイル読み込み失敗】\n\nセットアップ・アンセットアップ"
                "(アンインストール)は続行できません．"));
    EXPECT_EQ(main.btnEvent->text(), Q("セットアップ開始(&S)"));
    EXPECT_FALSE(main.btnEvent->isEnabled());
    EXPECT_EQ(main.btnEnd->text(), Q("終了(&E)"));
    EXPECT_TRUE(main.grpOption->isVisible());
    main.btnEnd->click();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(ports.boxes.empty());
}

TEST_F(SetupWindows, ClosingBeforeTheRunEndsAsksFirst) {
    WriteScript("");
    TfrmMain& main = Open();
    const std::string workFolder = main.Session()->workFolder;
    bool closed = false;
    QObject::connect(&main, &TfrmMain::closed, [&closed] { closed = true; });
    ports.AnswerNext("終了確認", setup::Answer::No);
    main.btnEnd->click();
    ASSERT_EQ(ports.BoxTexts(),
              std::vector<std::string>{"終了確認: セットアップ・アンセットアップは終了していません"
                                       "．\r終了してもよろしいですか？"});
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(closed);
    EXPECT_TRUE(fs::exists(Host(workFolder)));

    main.btnEnd->click(); // Yes this time
    EXPECT_EQ(ports.boxes.size(), 2u);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(closed);
    EXPECT_FALSE(fs::exists(Host(workFolder)));
}

TEST_F(SetupWindows, TheBrowseButtonPutsTheChosenFolderInTheBoxTheWindowsWay) {
    WriteScript("[DefaultFolder]\nFolder=C:\\Old\n");
    TfrmMain& main = Open();
    QString started;
    main.chooseFolder = [&](QWidget*, const QString& start) {
        started = start;
        return std::optional<fs::path>(Root() / "chosen");
    };
    main.btnRefer->click();
    EXPECT_EQ(started.toStdString(), Host("C:\\Old\\").string());
    EXPECT_EQ(WindowsText(main.txtFolder->text()), Windows(Root() / "chosen") + "\\");
    main.chooseFolder = [](QWidget*, const QString&) { return std::optional<fs::path>(); };
    main.btnRefer->click();
    EXPECT_EQ(WindowsText(main.txtFolder->text()), Windows(Root() / "chosen") + "\\");
}

TEST_F(SetupWindows, TheStartButtonInstallsThroughTheStatusWindowAndClosesTheWindows) {
    WriteMediumFile("a.txt", "a");
    WriteScript("[Extend]\nSetupSpeed=1\n[DefaultFolder]\nFolder=C:\\Tool\n[CopyFile]\n"
                "File1=(App)a.txt\n[ExecuteFile]\nFile=WINDOWS_REBOOT\n");
    fs::create_directories(Host("C:\\Tool"));
    TfrmMain& main = Open();
    main.btnEvent->click();
    EXPECT_EQ(ReadBytes(Host("C:\\Tool\\a.txt")), "a");
    EXPECT_TRUE(fs::exists(Host("C:\\Tool\\UNSETUP.INI")));
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(main.Status().isVisible());
    EXPECT_TRUE(back.isEnabled());
    EXPECT_TRUE(main.RestartRequested());
    EXPECT_EQ(Plain(main.Status().lblStatus->text()), Q("100%(1/1)"));
    // A run that asks for a restart ends without the completion box.
    EXPECT_TRUE(ports.boxes.empty()) << ports.BoxTexts().front();
}

TEST_F(SetupWindows, TheAbortButtonStopsTheInstallAfterItsQuestion) {
    std::string lines = "[Extend]\nSetupSpeed=1\n[DefaultFolder]\nFolder=C:\\Tool\n[CopyFile]\n";
    for (int n = 1; n <= 50; ++n) {
        const std::string number = std::to_string(n);
        WriteMediumFile("f" + number + ".txt", "x");
        lines += "File" + number + "=(App)f" + number + ".txt\n";
    }
    WriteScript(lines);
    fs::create_directories(Host("C:\\Tool"));
    TfrmMain& main = Open();
    bool closed = false;
    QObject::connect(&main, &TfrmMain::closed, [&closed] { closed = true; });
    TfrmStatus& status = main.Status();
    WhenReady([&] { return status.isVisible() && status.btnAbort->isEnabled(); },
              [&] { status.btnAbort->click(); });
    main.btnEvent->click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(back.isEnabled());
    EXPECT_FALSE(fs::exists(Host("C:\\Tool\\f50.txt")));
    // The log holds what was copied before the abort, so that it can be undone.
    const std::string log = ReadBytes(Host("C:\\Tool\\UNSETUP.INI"));
    EXPECT_NE(log.find("File1=C:\\Tool\\f1.txt\r\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("f50.txt"), std::string::npos) << log;
    EXPECT_EQ(ports.BoxTexts(),
              (std::vector<std::string>{
                  "中断の確認: ここでセットアップを中断すると，すでにコピー済みのファイルは削除され"
                  "ません．\r一度，セットアップを完了してから，アンセットアップ(アンインストール)す"
                  "ることをおすすめします．\r\r本当にセットアップを中断しますか？",
                  "中断: セットアップを中断しました．"}));
}

TEST_F(SetupWindows, TheUninstallAsksAboutSharedFilesInItsDialogAndShowsItsReport) {
    WriteMediumFile("a.txt", "a");
    WriteMediumFile("s1.dll", "1");
    WriteMediumFile("s2.dll", "2");
    WriteScript("[Extend]\nSetupSpeed=1\n[DefaultFolder]\nFolder=C:\\Tool\n[CopyFile]\n"
                "File1=(App)a.txt\nFile2=C:\\Program Files\\Common "
                "Files\\s1.dll,/S\nFile3=C:\\Program Files\\Common Files\\s2.dll,/S\n"
                "[AddDeleteFile]\nFile1=C:\\Tool\\*.tmp\n");
    fs::create_directories(Host("C:\\Program Files\\Common Files"));
    TfrmMain& installer = Open();
    installer.btnEvent->click();
    ASSERT_TRUE(fs::exists(Host("C:\\Program Files\\Common Files\\s2.dll")));
    WriteBytes(Host("C:\\Tool\\mine.txt"), "the user's");

    TfrmMain& main = Open("C:\\Tool\\UNSETUP.INI");
    TfrmCustomDlg& dialog = main.CustomDlg();
    QString asked;
    WhenReady([&] { return dialog.isVisible(); },
              [&] {
                  asked = dialog.lblMessage->text();
                  dialog.btnDelete->click();
              });
    WhenReady([&] { return main.isVisible() && main.btnEvent->text() == Q("続行(&C)"); },
              [&] {
                  EXPECT_EQ(main.fraReadme->title(), Q("削除処理失敗　詳細表示"));
                  EXPECT_TRUE(
                      main.txtReadme->toPlainText().startsWith(Q("<SetupFolder> C:\\Tool\\")));
                  EXPECT_FALSE(main.btnEnd->isVisible());
                  main.btnEvent->click();
              });
    main.btnEvent->click();
    EXPECT_TRUE(Plain(asked).startsWith(
        Q("C:\\Program Files\\Common Files\\s1.dll\n\nこの共有ファイルは")));
    EXPECT_EQ(main.lblFormShare->text(), Q("Delete"));
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\Common Files\\s1.dll")));
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\Common Files\\s2.dll")));
    EXPECT_FALSE(fs::exists(Host("C:\\Tool\\a.txt")));
    EXPECT_EQ(ReadBytes(Host("C:\\Tool\\mine.txt")), "the user's");
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(ports.BoxTexts().back(), "完了: アンセットアップを完了しました．");
}

TEST_F(SetupWindows, TheSharedFileDialogAnswersByItsFourButtons) {
    TfrmCustomDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), Q("ファイル削除の確認"));
    const std::pair<QPushButton*, setup::SharedFileAnswer> buttons[] = {
        {dialog.btnYes, setup::SharedFileAnswer::Yes},
        {dialog.btnNo, setup::SharedFileAnswer::No},
        {dialog.btnDelete, setup::SharedFileAnswer::DeleteAll},
        {dialog.btnSave, setup::SharedFileAnswer::KeepAll}};
    EXPECT_EQ(dialog.btnDelete->text(), Q("すべて削除(&D)"));
    EXPECT_EQ(dialog.btnSave->text(), Q("すべて保存(&A)"));
    for (const auto& [button, answer] : buttons) {
        QPushButton* pressed = button;
        WhenReady([&] { return dialog.isVisible(); }, [pressed] { pressed->click(); });
        EXPECT_EQ(dialog.Ask("x"), answer) << button->text().toStdString();
    }
    // Escape is no answer.
    WhenReady([&] { return dialog.isVisible(); },
              [&] {
                  dialog.reject();
                  EXPECT_TRUE(dialog.isVisible());
                  dialog.btnSave->click();
              });
    EXPECT_EQ(dialog.Ask("x"), setup::SharedFileAnswer::KeepAll);
}

TEST_F(SetupWindows, TheMainWindowAppearsOverTheBackgroundAndItsCloseEndsBoth) {
    WriteScript("[Title]\nSetup=接続テスト\n");
    TfrmMain main({MediumFolder(), "", ports, back});
    ConnectSetupWindows(back, main);
    back.resize(640, 480);
    back.show();
    QApplication::processEvents();
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(main.isModal());
    EXPECT_EQ(back.lblBackTitle1->text(), Q("接続テスト"));
    main.btnEnd->click(); // the close question takes its first button, Yes
    QApplication::processEvents();
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(back.isVisible());
}

TEST_F(SetupWindows, TheBackgroundCaptionCarriesTheVersionAndTheStatusStartsEmpty) {
    EXPECT_TRUE(back.windowTitle().startsWith(Q("Orvik! Setup 98 Standard Version")));
    EXPECT_TRUE(back.windowTitle().contains(Q("β1(Build:")));
    EXPECT_FALSE(back.isEnabled());
    TfrmStatus status([] { return false; });
    EXPECT_EQ(status.windowTitle(), Q("進行状況"));
    EXPECT_EQ(status.lblStatus->text(), Q("0%(0/0)"));
    EXPECT_FALSE(status.fraStatus->isVisibleTo(&status));
    EXPECT_EQ(status.btnAbort->text(), Q("中断(&A)"));
    EXPECT_FALSE(status.btnAbort->isEnabled());
}

} // namespace

namespace {

// Pictures of the four windows for a person to look at: Japanese must render and nothing may
// be cut off.
TEST_F(SetupWindows, ScreenshotsOfTheFourWindows) {
    WriteMediumFile("README.TXT",
                    setup_test::Sjis("LumaroUty 0.1\r\n\r\nデジタルカメラの写真ファイルを扱う"
                                     "ユーティリティです．\r\nEXIF情報の表示と編集，ファイル名の"
                                     "変更，HTMLアルバムの作成ができます．\r\n"));
    WriteScript("[Title]\nSetup=LumaroUty セットアップ\n[TopMessage]\nMessage1=LumaroUty を"
                "インストールします．\n[Readme]\nFile=README.TXT\nTitle=お読みください\n"
                "[DefaultFolder]\nFolder=(Prg)\\Hestrom\\LumaroUty\n[ShortCut]\n"
                "Make1=(App)LumaroUty\nName1=(Dsk)LumaroUty\nMake2=(App)LumaroUty\n"
                "Name2=(Sta)Lumaro\\LumaroUty\n");
    TfrmMain& main = Open();
    back.resize(800, 560);
    QApplication::processEvents();
    EXPECT_FALSE(fixture::SaveScreenshot(back, "setup_background").isEmpty());
    EXPECT_FALSE(fixture::SaveScreenshot(main, "setup_main_readme").isEmpty());
    main.btnEvent->click();
    EXPECT_FALSE(fixture::SaveScreenshot(main, "setup_main_options").isEmpty());

    const fs::path log = Root() / "app" / "UNSETUP.INI";
    WriteIni(log, "[Title]\nUnSetup=LumaroUty アンインストール\n[SetupFolder]\n"
                  "Folder=C:\\Program Files\\Hestrom\\LumaroUty\\\n[UnSetupOption]\n"
                  "CheckBox=1,0,1,0\n");
    EXPECT_FALSE(fixture::SaveScreenshot(Open(log.string()), "setup_main_unsetup").isEmpty());
    WriteIni(log, "[Title]\nUnSetup=LumaroUty アンインストール\n[SetupFolder]\n"
                  "Folder=C:\\Program Files\\Hestrom\\LumaroUty\\\n[UnSetupOption]\n"
                  "CheckBox=DeleteAll\n");
    TfrmMain& uninstaller = Open(log.string()); // the earlier windows are gone now
    EXPECT_FALSE(fixture::SaveScreenshot(uninstaller, "setup_main_unsetup_delete_all").isEmpty());

    TfrmStatus& status = uninstaller.Status();
    status.SetMessage(setup_test::Sjis("ファイルをコピーしています．．．\rCopying -> C:\\Program "
                                       "Files\\Hestrom\\LumaroUty\\html\\album_parts\\"
                                       "photo_page_template_body.htm"));
    status.ShowProgressFrame(true);
    status.SetProgress(40, "40%(2/5)");
    status.EnableAbort(true);
    status.show();
    QApplication::processEvents();
    EXPECT_FALSE(fixture::SaveScreenshot(status, "setup_status").isEmpty());

    TfrmCustomDlg& dialog = uninstaller.CustomDlg();
    dialog.lblMessage->setText(
        Q("C:\\Program Files\\Common Files\\Hestrom\\HESTROM.TXT\n\nこの"
          "共有ファイルは，現在，他のどのプログラムからも使われていません．\n"
          "しかし，今後，他のプログラムで使われる可能性があります．\nこの"
          "ファイルを削除してもよろしいですか？"));
    dialog.show();
    QApplication::processEvents();
    EXPECT_FALSE(fixture::SaveScreenshot(dialog, "setup_shared_file").isEmpty());
    dialog.hide();
}

} // namespace
