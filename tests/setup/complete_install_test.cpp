#include "platform/codepage.h"
#include "platform/shell_link.h"
#include "tests/setup/install_fixture.h"

using namespace setup;
using platform::RegistryRoot;
using setup_test::ReadBytes;
using setup_test::Sjis;

namespace {

// A script that uses every kind of entry once, and its medium.
class CompleteInstall : public setup_test::InstallTest {
protected:
    void SetUp() override {
        WriteScript(R"([Title]
Setup=Lumaro テスト
UnSetup=Lumaro アンインストール
UnSetupKey=LumaroTest
UnSetupDisplay=Lumaro Test Display
[Extend]
SetupSpeed=0
UnSetupOption=1,0,1,0
[DefaultFolder]
Folder=(Prg)\Lumaro
[ProgramID]
ID=LumaroTest
[MakeFolder]
Folder1=(App)html
Folder2=(app)\html\parts
[CopyFile]
File1=(App)LumaroUty.exe,/C
File2=(App)html\top.htm
File3=(App)readme.txt|README.TXT
File4=(Sys)shared.dll,/S/L
[ShortCut]
Make1=(App)LumaroUty.exe,/start
Name1=(Sta)Lumaro\LumaroUty
Make2=(App)LumaroUty.exe
Name2=(Dsk)\LumaroUty,(App)html
[Registry]
Key1=Software\Hestrom\LumaroUty
Name1=Folder
Value1=(Str)(Pdd)(App)
Key2=(Local)\Software\Hestrom\LumaroUty\
Name2=Count
Value2=(Int)12
Key3=(Local)Software\Hestrom\LumaroUty
Name3=
Value3=(Bin)12
[IniFile]
Data1=Paths,Home,(App),(App)lumaro.ini
[Relate]
Name1=lmr,Lumaro Data
File1=open,(App)LumaroUty.exe,"%1",0
[DeleteRegistry]
Key1=Software\Hestrom\LumaroUty
[AddDeleteFile]
File1=(App)*.log
)");
        WriteMediumFile("SETUP.EXE", "installer program");
        WriteMediumFile("LumaroUty.exe", "utility program");
        WriteMediumFile("top.htm", "<html></html>");
        WriteMediumFile("readme.txt", "read me");
        WriteMediumFile("shared.dll", "shared library");
        Start();
        options = DefaultInstallOptions(*script);
    }

    static constexpr std::string_view kApp = "C:\\Program Files\\Lumaro\\";
    std::string App(std::string_view rest) const { return std::string(kApp) + std::string(rest); }
};

TEST_F(CompleteInstall, LeavesEveryFileLinkValueAndLogLine) {
    ASSERT_TRUE(options.startMenu);
    ASSERT_TRUE(options.desktop);
    const InstallResult result = Install(App(""));
    ASSERT_EQ(result.outcome, InstallOutcome::Completed);
    EXPECT_TRUE(result.Succeeded()) << platform::Cp932ToUtf8(result.errorReport);

    // Files.
    EXPECT_EQ(ReadBytes(Host(App("LumaroUty.exe"))), "utility program");
    EXPECT_EQ(ReadBytes(Host(App("html\\top.htm"))), "<html></html>");
    EXPECT_EQ(ReadBytes(Host(App("README.TXT"))), "read me");
    EXPECT_EQ(ReadBytes(Host("C:\\WINDOWS\\SYSTEM32\\shared.dll")), "shared library");
    EXPECT_TRUE(std::filesystem::is_directory(Host(App("html\\parts"))));
    EXPECT_EQ(ReadBytes(Host("C:\\WINDOWS\\UNORSET.EXE")), "installer program");
    EXPECT_EQ(Lines(App("lumaro.ini")),
              (std::vector<std::string>{"[Paths]", "Home=C:\\Program Files\\Lumaro\\"}));
    EXPECT_EQ(Lines("C:\\WINDOWS\\ORSET98.INI"),
              (std::vector<std::string>{"[LumaroTest]", "Folder=C:\\Program Files\\Lumaro\\"}));

    // Links.
    auto menu =
        platform::LoadShellLink(Host("C:\\WINDOWS\\Start Menu\\Programs\\Lumaro\\LumaroUty.lnk"));
    ASSERT_TRUE(menu) << menu.Error();
    EXPECT_EQ(menu.Value().target, App("LumaroUty.exe"));
    EXPECT_EQ(menu.Value().workingFolder, App(""));
    EXPECT_EQ(menu.Value().arguments, "/start");
    auto desktop = platform::LoadShellLink(Host("C:\\WINDOWS\\Desktop\\LumaroUty.lnk"));
    ASSERT_TRUE(desktop) << desktop.Error();
    EXPECT_EQ(desktop.Value().workingFolder, App("html\\"));
    EXPECT_EQ(desktop.Value().arguments, "");

    // Registry values.
    EXPECT_EQ(RegistryTextAt(RegistryRoot::CurrentUser, "Software\\Hestrom\\LumaroUty", "Folder"),
              "C:\\Program Files\\Lumaro");
    EXPECT_EQ(RegistryValueAt(RegistryRoot::LocalMachine, "Software\\Hestrom\\LumaroUty", "Count"),
              platform::RegistryValue::Dword(12));
    EXPECT_EQ(RegistryValueAt(RegistryRoot::LocalMachine, "Software\\Hestrom\\LumaroUty", ""),
              platform::RegistryValue::Binary(std::string("\x12\0\0\0", 4)));
    EXPECT_EQ(SharedCount("C:\\WINDOWS\\SYSTEM32\\shared.dll"), 1u);
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, ".lmr", ""), "lmr_auto_file");
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, "lmr_auto_file", ""), "Lumaro Data");
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, "lmr_auto_file\\DefaultIcon", ""),
              App("LumaroUty.exe,0"));
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, "lmr_auto_file\\shell\\open\\command", ""),
              "\"" + App("LumaroUty.exe") + "\" \"%1\"");
    const std::string uninstallKey =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LumaroTest";
    EXPECT_EQ(RegistryTextAt(RegistryRoot::LocalMachine, uninstallKey, "DisplayName"),
              "Lumaro Test Display");
    EXPECT_EQ(RegistryTextAt(RegistryRoot::LocalMachine, uninstallKey, "UninstallString"),
              "C:\\WINDOWS\\UNORSET.EXE \"C:\\Program Files\\Lumaro\\UNSETUP.INI\"");

    // The log, line by line.
    std::vector<std::string> expected = {
        "[Information]",
        "Message1=Orvik! Setup 98 UnSetup(UnInstall) Initialize File",
        "Message2=！！！　警告　！！！",
        "Message3=このファイルをエディタなどで書き換えたり，削除しないでください．",
        "Message4=書き換えた場合，アンセットアップ動作の保証はできません．",
        "",
        "[Title]",
        "UnSetup=Lumaro アンインストール",
        "",
        "[SetupFolder]",
        "Folder=C:\\Program Files\\Lumaro\\",
        "",
        "[DeleteFolder]",
        "Folder1=C:\\Program Files\\Lumaro\\html\\",
        "Folder2=C:\\Program Files\\Lumaro\\html\\parts\\",
        "",
        "[DeleteFile]",
        "File1=C:\\Program Files\\Lumaro\\LumaroUty.exe,/C",
        "File2=C:\\Program Files\\Lumaro\\html\\top.htm",
        "File3=C:\\Program Files\\Lumaro\\README.TXT",
        "File4=C:\\WINDOWS\\SYSTEM32\\shared.dll,/S/L",
        "File5=C:\\Program Files\\Lumaro\\UNSETUP.INI",
        "",
        "[DeleteShortCut]",
        "File1=C:\\WINDOWS\\Start Menu\\Programs\\Lumaro\\LumaroUty.lnk",
        "File2=C:\\WINDOWS\\Desktop\\LumaroUty.lnk",
        "",
        "[DeleteRegistry]",
        "Key1=Software\\Hestrom\\LumaroUty",
        "",
        "[AddDeleteFile]",
        "File1=C:\\Program Files\\Lumaro\\*.log",
        "",
        "[RestoreRelate]",
        "Key1=lmr,",
        "",
        "[UnSetupOption]",
        "CheckBox=1,0,1,0",
        "",
        "[UnSetupRegistryKey]",
        "Key=SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LumaroTest",
        "",
        "[ProgramID]",
        "ID=LumaroTest",
        "",
        "[InstalledFile]",
        "Format=1",
    };
    // What each copied file was right after its copy, for the uninstaller to compare.
    const std::string copied[] = {App("LumaroUty.exe"), App("html\\top.htm"), App("README.TXT"),
                                  "C:\\WINDOWS\\SYSTEM32\\shared.dll"};
    for (std::size_t i = 0; i < std::size(copied); ++i) {
        const std::optional<FileRecord> record = RecordOf(copied[i]);
        ASSERT_TRUE(record) << copied[i];
        expected.push_back("File" + std::to_string(i + 1) + "=" + RecordText(copied[i], *record));
    }
    EXPECT_EQ(Lines(App("UNSETUP.INI")), expected);
}

TEST_F(CompleteInstall, ShowsEveryPhaseAndAsksOnlyWhatTheScriptNeeds) {
    const InstallResult result = Install(App(""));
    ASSERT_EQ(result.outcome, InstallOutcome::Completed);
    const std::string copying = "ファイルをコピーしています．．．\rCopying -> ";
    const std::string shortcut = "ショートカットを作成しています．．．\rCreateTarget -> " +
                                 App("LumaroUty.exe") + "\rCreating -> ";
    std::vector<std::string> expected = {
        "セットアップを開始します．．．",
        "セットアップの情報を作成しています．．．",
        "セットアップに必要な容量を調べています．．．",
        "ディスクの空き容量をチェックしています．．．",
        "セットアップフォルダをチェックしています．．．",
        "フォルダを作成しています．．．\rCreating -> " + App("html\\"),
        "フォルダを作成しています．．．\rCreating -> " + App("html\\parts\\"),
        copying + App("LumaroUty.exe"),
        copying + App("html\\top.htm"),
        copying + App("README.TXT"),
        copying + "C:\\WINDOWS\\SYSTEM32\\shared.dll",
        shortcut + "C:\\WINDOWS\\Start Menu\\Programs\\Lumaro\\LumaroUty",
        shortcut + "C:\\WINDOWS\\Desktop\\LumaroUty",
        "レジストリを設定しています．．．",
        "レジストリを設定しています．．．",
        "レジストリを設定しています．．．",
        "Iniファイルを設定しています．．．",
        "関連付けを設定しています．．．",
        "アンセットアップ情報を更新しています．しばらくお待ちください．．．",
        "セットアップが完了しました．",
    };
    std::vector<std::string> shown;
    for (const std::string& message : ports.messages) {
        shown.push_back(platform::Cp932ToUtf8(message));
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(
        ports.BoxTexts(),
        (std::vector<std::string>{
            "フォルダ作成: このフォルダは存在しません．作成してもよろしいですか？\r\r" + App(""),
            "関連付けの確認: 拡張子 *.lmr を\r" + App("LumaroUty.exe") +
                "\rに関連付けします．よろしいですか？",
            "完了: セットアップが完了しました．\r\rプログラムのアンセットアップ(アンイ"
            "ンストール)は，\r「アプリケーションの追加と削除」から行ってください．"}));
    EXPECT_EQ(ports.progress.back(), "100%(4/4)");
    EXPECT_EQ(ports.events,
              (std::vector<std::string>{"main window hidden", "status shown", "abort enabled",
                                        "progress shown", "progress hidden", "abort disabled"}));
    // SetupSpeed=0 pauses 1 ms after each step; the window changes keep their own pauses.
    ASSERT_GE(ports.pauses.size(), 3u);
    EXPECT_EQ(ports.pauses[0], 500);
    EXPECT_EQ(ports.pauses[1], 1000);
    for (std::size_t i = 2; i < ports.pauses.size(); ++i) {
        EXPECT_EQ(ports.pauses[i], 1) << "pause " << i;
    }
}

} // namespace
