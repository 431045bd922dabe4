#include "platform/codepage.h"
#include "platform/drives.h"
#include "platform/shell_link.h"
#include "setup/registry_entries.h"
#include "setup/shared_dlls.h"
#include "setup/shortcuts.h"
#include "tests/setup/install_fixture.h"

using namespace setup;
using platform::RegistryRoot;
using platform::RegistryValue;
using setup_test::ReadBytes;
using setup_test::Sjis;

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kApp = "C:\\Program Files\\Test\\";

std::string App(std::string_view rest) {
    return std::string(kApp) + std::string(rest);
}

TEST(RegistryValueOf, EveryTypeToken) {
    EXPECT_EQ(RegistryValueOf("(Bin)12", false),
              RegistryValue::Binary(std::string("\x12\0\0\0", 4)));
    EXPECT_EQ(RegistryValueOf("(Bin)a0B1c2D3", false),
              RegistryValue::Binary(std::string("\xD3\xC2\xB1\xA0", 4)));
    EXPECT_EQ(RegistryValueOf("(Bin)zz", false), std::nullopt);
    EXPECT_EQ(RegistryValueOf("(Bin)123456789", false), std::nullopt);
    EXPECT_EQ(RegistryValueOf("(Int)12", false), RegistryValue::Dword(12));
    EXPECT_EQ(RegistryValueOf("(Dwd)-5", false), RegistryValue::Dword(0xFFFFFFFBu));
    EXPECT_EQ(RegistryValueOf("(Int)abc", false), RegistryValue::Dword(0));
    EXPECT_EQ(RegistryValueOf("(Int)99999999999", false), RegistryValue::Dword(0));
    EXPECT_EQ(RegistryValueOf("(Str)C:\\A\\", false), RegistryValue::Sz("C:\\A\\"));
    EXPECT_EQ(RegistryValueOf("(Str)C:\\A\\", true), RegistryValue::Sz("C:\\A"));
    EXPECT_EQ(RegistryValueOf("(Str)", false), RegistryValue::Sz(""));
    EXPECT_EQ(RegistryValueOf("(Exp)%WINDIR%\\x", false), RegistryValue::ExpandSz("%WINDIR%\\x"));
    EXPECT_EQ(RegistryValueOf("C:\\Program Files\\A\\", true),
              RegistryValue::Sz("C:\\Program Files\\A"));
    EXPECT_EQ(RegistryValueOf("(str)x", false), RegistryValue::Sz("(str)x"));
    EXPECT_EQ(RegistryValueOf("", false), std::nullopt);
}

class Entries : public setup_test::InstallTest {
protected:
    void SetUp() override { WriteMediumFile("SETUP.EXE", "installer"); }
};

TEST_F(Entries, RegistryEntriesCreateTheirKeysAndWriteTheirValues) {
    WriteScript(R"([Registry]
Key1=(Cuser)\Software\T\
Name1=Bin
Value1=(Bin)12
Key2=Software\T
Name2=Folder
Value2=(Pdd)(App)
Key3=(Users)Software\T
Name3=
Value3=(Exp)(Win)x
Key4=(Class)T.Key
Name4=Bad
Value4=(Bin)zz
Key5=(Local)Software\Empty
Name5=None
Value5=
)");
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(RegistryValueAt(RegistryRoot::CurrentUser, "Software\\T", "Bin"),
              RegistryValue::Binary(std::string("\x12\0\0\0", 4)));
    EXPECT_EQ(RegistryValueAt(RegistryRoot::CurrentUser, "Software\\T", "Folder"),
              RegistryValue::Sz("C:\\Program Files\\Test"));
    EXPECT_EQ(RegistryValueAt(RegistryRoot::Users, "Software\\T", ""),
              RegistryValue::ExpandSz("C:\\WINDOWS\\x"));
    EXPECT_TRUE(KeyExists(RegistryRoot::ClassesRoot, "T.Key"));
    EXPECT_EQ(RegistryValueAt(RegistryRoot::ClassesRoot, "T.Key", "Bad"), std::nullopt);
    EXPECT_TRUE(KeyExists(RegistryRoot::LocalMachine, "Software\\Empty"));
    EXPECT_EQ(RegistryValueAt(RegistryRoot::LocalMachine, "Software\\Empty", "None"), std::nullopt);
    EXPECT_EQ(std::count(ports.messages.begin(), ports.messages.end(),
                         Sjis("レジストリを設定しています．．．")),
              5);
}

TEST_F(Entries, IniEntriesWriteAndAFailureIsReported) {
    WriteScript("[IniFile]\nData1=Sec,Key,(App),(App)a,b.ini\nData2=S,K,V,D:\\no.ini\n"
                "Data3=S,K,V,(App)missing\\x.ini\n");
    const InstallResult result = Install();
    EXPECT_EQ(Lines(App("a,b.ini")),
              (std::vector<std::string>{"[Sec]", "Key=C:\\Program Files\\Test\\"}));
    EXPECT_EQ(result.failureCount, 2);
    const std::string report = platform::Cp932ToUtf8(result.errorReport);
    EXPECT_EQ(report.find("<IniFile> D:\\no.ini\r\n"), 0u) << report;
    EXPECT_NE(report.find("<IniFile> " + App("missing\\x.ini") + "\r\n"), std::string::npos);
}

TEST_F(Entries, ABareShortcutNameGoesToTheProgramsMenuWithOneLinkExtension) {
    WriteScript(R"([CopyFile]
File1=(App)tool.exe
File2=(App)tool.bat
[ShortCut]
Make1=(App)tool.exe,-a b
Name1=Lumaro Tool
Make2=(App)tool.exe
Name2=(Sta)Tools\Tool.LNK
Make3=(App)tool.exe
Make4=(App)tool.bat
Name4=(Dsk)\Batch
Make5=(App)tool.exe
Name5=(Sup)Never
)");
    WriteMediumFile("tool.exe", "program");
    WriteMediumFile("tool.bat", "@echo off");
    options.startMenu = true;
    options.desktop = true;
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(SectionLines(App("UNSETUP.INI"), "DeleteShortCut"),
              (std::vector<std::string>{"File1=C:\\WINDOWS\\Start Menu\\Programs\\Lumaro Tool.lnk",
                                        "File2=C:\\WINDOWS\\Start Menu\\Programs\\Tools\\Tool.LNK",
                                        "File3=C:\\WINDOWS\\Start Menu\\Programs\\tool.exe.lnk",
                                        "File4=C:\\WINDOWS\\Desktop\\Batch.pif"}));
    auto link = platform::LoadShellLink(Host("C:\\WINDOWS\\Start Menu\\Programs\\Lumaro Tool.lnk"));
    ASSERT_TRUE(link) << link.Error();
    EXPECT_EQ(link.Value().target, App("tool.exe"));
    EXPECT_EQ(link.Value().arguments, "-a b");
    EXPECT_EQ(link.Value().workingFolder, App(""));
    EXPECT_FALSE(fs::exists(Host("C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\Never.lnk")));
    EXPECT_TRUE(
        ports.ShowedMessage("ショートカットを作成しています．．．\rCreateTarget -> " +
                            platform::Cp932ToUtf8(App("tool.exe")) +
                            "\rCreating -> C:\\WINDOWS\\Start Menu\\Programs\\Lumaro Tool"));
}

TEST_F(Entries, AShortcutToALinkCopiesItAndAFailedShortcutIsReported) {
    WriteScript("[ShortCut]\nMake1=(App)Old.lnk\nName1=(App)Copy\nMake2=(App)x.exe\nName2=D:\\x\n");
    Start();
    fs::create_directories(Host(App("")));
    ASSERT_TRUE(
        platform::SaveShellLink({"C:\\x.exe", "C:\\", "", "", "", 0}, Host(App("Old.lnk"))));
    const InstallResult result = Install();
    EXPECT_EQ(ReadBytes(Host(App("Copy.lnk"))), ReadBytes(Host(App("Old.lnk"))));
    EXPECT_EQ(result.failureCount, 1);
    EXPECT_EQ(platform::Cp932ToUtf8(result.errorReport).find("<ShortCut> D:\\x\r\n"), 0u);
    EXPECT_EQ(SectionLines(App("UNSETUP.INI"), "DeleteShortCut"),
              std::vector<std::string>{"File1=" + App("Copy.lnk")});
}

TEST(MakeShortcut, AMissingWorkingFolderBecomesTheTargetsFolder) {
    fixture::MachineSandbox machine;
    auto made = MakeShortcut("C:\\P\\a.exe", "C:\\L\\A", "C:\\Nowhere", "");
    ASSERT_TRUE(made) << made.Error();
    EXPECT_EQ(made.Value(), "C:\\L\\A.lnk");
    auto host = platform::HostPath("C:\\L\\A.lnk");
    ASSERT_TRUE(host);
    auto link = platform::LoadShellLink(host.Value());
    ASSERT_TRUE(link);
    EXPECT_EQ(link.Value().workingFolder, "C:\\P\\");
}

class Associations : public Entries {
protected:
    void Script(std::string_view relate) { WriteScript("[Relate]\n" + std::string(relate)); }
};

TEST_F(Associations, AnExtensionIsRecordedOnceAcrossTwoInstalls) {
    WriteRegistryText(RegistryRoot::ClassesRoot, ".abc", "", "abcfile");
    Script("Name1=abc\nFile1=open,(App)a b.exe,/x,,\"%1\",1\n");
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, ".abc", ""), "abc_auto_file");
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, "abc_auto_file", ""), "abc File");
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, "abc_auto_file\\shell\\open\\command", ""),
              "\"" + App("a b.exe") + "\" /x \"%1\"");
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, "abc_auto_file\\DefaultIcon", ""),
              App("a b.exe,1"));

    session.reset();
    ports = {};
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(SectionLines(App("UNSETUP.INI"), "RestoreRelate"),
              std::vector<std::string>{"Key1=abc,abcfile"});
}

TEST_F(Associations, AnExtensionInsideAnotherIsStillRecorded) {
    WriteRegistryText(RegistryRoot::ClassesRoot, ".htm", "", "htmfile");
    Script("Name1=html,Page\nFile1=open,(App)v.exe,0\nName2=HTM\nFile2=open,(App)v.exe,0\n");
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(SectionLines(App("UNSETUP.INI"), "RestoreRelate"),
              (std::vector<std::string>{"Key1=html,", "Key2=HTM,htmfile"}));
}

TEST_F(Associations, ADeclinedAssociationIsNeitherWrittenNorRecorded) {
    Script("Name1=abc\nFile1=open,(App)a.exe,0\nName2=def\nFile2=open,(App)d.exe,0\n");
    ports.AnswerNext("関連付けの確認", Answer::No);
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_FALSE(KeyExists(RegistryRoot::ClassesRoot, ".abc"));
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, ".def", ""), "def_auto_file");
    EXPECT_EQ(SectionLines(App("UNSETUP.INI"), "RestoreRelate"),
              std::vector<std::string>{"Key1=def,"});
}

class Completion : public Entries {};

TEST_F(Completion, SetupOnlyWritesNoUninstallInformation) {
    WriteScript("[Title]\nUnSetup=Setup Only.\nUnSetupKey=K\n[ProgramID]\nID=P\n");
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_FALSE(fs::exists(Host(App("UNSETUP.INI"))));
    EXPECT_FALSE(KeyExists(RegistryRoot::LocalMachine,
                           "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\K"));
    EXPECT_EQ(ports.BoxTexts().back(), "完了: セットアップが完了しました．");
    EXPECT_EQ(Lines("C:\\WINDOWS\\ORSET98.INI"),
              (std::vector<std::string>{"[P]", "Folder=" + App("")}));
}

TEST_F(Completion, ARestartIsRequestedWithoutTheCompletionBox) {
    WriteScript("[ExecuteFile]\nFile=WINDOWS_REBOOT\n");
    const InstallResult result = Install();
    EXPECT_TRUE(result.Succeeded());
    EXPECT_TRUE(result.restartRequested);
    EXPECT_FALSE(ports.ShowedBox("完了"));
}

TEST_F(Completion, AProgramThatCannotStartIsAWarning) {
    WriteScript("[ExecuteFile]\nFile=(App)absent.exe,/x\n");
    const InstallResult result = Install();
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.failuresOutsideReport, 1);
    EXPECT_EQ(ports.BoxTexts().back(), "警告: 終了後プログラムの起動に失敗しました．\riniファイル"
                                       "の記述ミスの可能性があります．\rプログラム提供者へご報告"
                                       "ください．");
    EXPECT_TRUE(ports.ShowedBox("完了"));
}

TEST_F(Completion, AProgramIsStartedAfterTheCompletionBox) {
    WriteScript("[ExecuteFile]\nFile=Z:\\bin\\true,--version\n");
    const InstallResult result = Install();
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(ports.BoxTexts().size(), 2u); // the folder question and the completion
}

TEST_F(Completion, AMissingInstallerOnTheMediumIsReported) {
    fs::remove(MediumHost() / "SETUP.EXE");
    WriteScript("");
    const InstallResult result = Install();
    EXPECT_EQ(result.failureCount, 1);
    EXPECT_EQ(result.errorReport, "<SetupFile> C:\\WINDOWS\\UNORSET.EXE\r\n" +
                                      Sjis("指定されたファイルが見つかりません。") + "\r\n\r\n");
}

TEST_F(Completion, ANewerUninstallerIsKept) {
    WriteScript("");
    setup_test::WriteBytes(Host("C:\\WINDOWS\\UNORSET.EXE"), "newer uninstaller");
    fs::last_write_time(Host("C:\\WINDOWS\\UNORSET.EXE"),
                        fs::file_time_type::clock::now() + std::chrono::hours(1));
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(ReadBytes(Host("C:\\WINDOWS\\UNORSET.EXE")), "newer uninstaller");
}

TEST(SharedDllCount, CountsUpFromAnExistingFileAndDownToNothing) {
    fixture::MachineSandbox machine;
    EXPECT_EQ(SharedDllCount("C:\\A\\x.dll"), 0);
    auto raised = ChangeSharedDllCount("C:\\A\\x.dll", CountChange::Increment);
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised.Value(), 1);
    EXPECT_EQ(ChangeSharedDllCount("c:\\a\\X.DLL", CountChange::Increment).Value(), 2);
    EXPECT_EQ(SharedDllCount("C:\\A\\x.dll"), 2);
    EXPECT_EQ(ChangeSharedDllCount("C:\\A\\x.dll", CountChange::Decrement).Value(), 1);
    EXPECT_EQ(ChangeSharedDllCount("C:\\A\\x.dll", CountChange::Decrement).Value(), 0);
    EXPECT_EQ(SharedDllCount("C:\\A\\x.dll"), 0);
    EXPECT_EQ(ChangeSharedDllCount("C:\\A\\x.dll", CountChange::Decrement).Value(), -1);

    setup_test::WriteBytes(platform::HostPath("C:\\A\\y.dll").Value(), "there");
    EXPECT_EQ(ChangeSharedDllCount("C:\\A\\y.dll", CountChange::Increment).Value(), 2);
}

} // namespace
