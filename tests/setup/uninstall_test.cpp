#include "platform/codepage.h"
#include "setup/protected_folders.h"
#include "setup/uninstall_files.h"
#include "tests/setup/uninstall_fixture.h"

using namespace setup;
using platform::RegistryRoot;
using setup_test::ReadBytes;
using setup_test::Sjis;
using setup_test::WriteBytes;
using setup_test::WriteIni;

namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;

constexpr std::string_view kSharedDlls = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
constexpr std::string_view kLog = "C:\\Logs\\UNSETUP.INI";

class Uninstaller : public setup_test::UninstallTest {
protected:
    // A log written by hand, from UTF-8 lines. It lies outside the install folder, so that
    // it does not keep the folder from going.
    void WriteLog(std::string_view utf8Lines) {
        WriteIni(Host(kLog), utf8Lines);
        StartUninstall(kLog);
    }
    fs::path MakeFile(std::string_view windowsPath, std::string_view bytes = "x") const {
        const fs::path host = Host(windowsPath);
        WriteBytes(host, bytes);
        return host;
    }
    void Count(std::string_view path, std::uint32_t count) const {
        auto registry = platform::Registry::OpenMachine();
        ASSERT_TRUE(registry);
        auto key = registry.Value().CreateKey(RegistryRoot::LocalMachine, kSharedDlls);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key.Value().WriteValue(path, platform::RegistryValue::Dword(count)));
    }
    bool Exists(std::string_view windowsPath) const { return fs::exists(Host(windowsPath)); }
    // The report's lines (UTF-8), without the empty ones.
    static Entries ReportLines(const UninstallResult& result) {
        Entries lines;
        const std::string text = platform::Cp932ToUtf8(result.errorReport);
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            const std::string line = text.substr(start, end - start);
            if (!line.empty()) {
                lines.push_back(line);
            }
            start = end == std::string::npos ? text.size() : end + 2;
        }
        return lines;
    }
};

TEST_F(Uninstaller, ALogWithoutAnInstallFolderStopsBeforeDeletingAnything) {
    MakeFile("C:\\Keep\\a.txt");
    WriteRegistryText(RegistryRoot::CurrentUser, "Software\\Keep", "v", "1");
    WriteIni(Host("C:\\WINDOWS\\ORSET98.INI"), "[Prog]\nFolder=C:\\Keep\\\n");
    WriteLog("[Title]\nUnSetup=Test\n[DeleteFile]\nFile1=C:\\Keep\\a.txt\n[DeleteFolder]\n"
             "Folder1=C:\\Keep\\\n[DeleteRegistry]\nKey1=Software\\Keep\n[ProgramID]\nID=Prog\n"
             "[UnSetupRegistryKey]\nKey=SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
             "Uninstall\\Test\n");
    WriteRegistryText(RegistryRoot::LocalMachine,
                      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Test",
                      "DisplayName", "Test");

    const UninstallResult result = Uninstall();
    EXPECT_EQ(result.outcome, UninstallOutcome::Stopped);
    EXPECT_EQ(uninstallPorts.BoxTexts(),
              Entries{"致命的エラー: アンセットアップ(アンインストール)フォルダが不明です．\r\n"
                      "アンセットアップ(アンインストール)は続行できません．"});
    EXPECT_EQ(uninstallPorts.events, (Entries{"main window hidden", "status shown"}));
    EXPECT_TRUE(Exists("C:\\Keep\\a.txt"));
    EXPECT_EQ(RegistryTextAt(RegistryRoot::CurrentUser, "Software\\Keep", "v"), "1");
    EXPECT_TRUE(KeyExists(RegistryRoot::LocalMachine,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Test"));
    EXPECT_EQ(SectionLines("C:\\WINDOWS\\ORSET98.INI", "Prog"), Entries{"Folder=C:\\Keep\\"});
}

TEST_F(Uninstaller, OnlyTheFiveCharactersFromTheCommaAreOptions) {
    EXPECT_EQ(ReadFileEntry("C:\\A,B\\x.dll,/S/W/L").path, "C:\\A,B\\x.dll");
    EXPECT_EQ(ReadFileEntry("C:\\A,B\\x.dll,/S/W/L").options, ",/S/W");
    MakeFile("C:\\WINDOWS\\kept.txt");
    MakeFile("C:\\WINDOWS\\third.txt");
    MakeFile("C:\\WINDOWS\\SYSTEM32\\PART.DLL");
    // "/L" as the third option is not read: the file goes. "/F" as the third is not read
    // either: an uncounted component server in the System folder is asked about.
    WriteLog("[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteFile]\n"
             "File1=C:\\WINDOWS\\third.txt,/S/W/L\n"
             "File2=C:\\WINDOWS\\kept.txt,/L/W/F\n"
             "File3=C:\\WINDOWS\\SYSTEM32\\PART.DLL,/W/S/F\n");
    uninstallPorts.AnswerNext("ファイル削除の確認", Answer::No);

    const UninstallResult result = Uninstall();
    EXPECT_TRUE(result.Succeeded()) << platform::Cp932ToUtf8(result.errorReport);
    EXPECT_FALSE(Exists("C:\\WINDOWS\\third.txt"));
    EXPECT_TRUE(Exists("C:\\WINDOWS\\kept.txt"));
    EXPECT_TRUE(Exists("C:\\WINDOWS\\SYSTEM32\\PART.DLL"));
    ASSERT_EQ(uninstallPorts.boxes.size(), 2u);
    EXPECT_EQ(uninstallPorts.boxes[0].topic, QuestionTopic::DeleteFile);
    EXPECT_EQ(platform::Cp932ToUtf8(uninstallPorts.boxes[0].text),
              "C:\\WINDOWS\\SYSTEM32\\PART.DLL\r\rこのDLL/OCXファイルは，共有登録されていませんが，"
              "\r今後，他のプログラムで使われる可能性があります．\rこのファイルを削除してもよろしい"
              "ですか？");
}

TEST_F(Uninstaller, UncountedFilesFollowTheirOptions) {
    for (const char* name : {"c-yes", "c-no", "l", "f.dll", "plain.dll", "ask.ocx", "other.txt"}) {
        MakeFile(std::string("C:\\WINDOWS\\") + name);
    }
    WriteLog("[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteFile]\n"
             "File1=C:\\WINDOWS\\c-yes,/C\nFile2=C:\\WINDOWS\\c-no,/c\nFile3=C:\\WINDOWS\\l,/L\n"
             "File4=C:\\WINDOWS\\f.dll,/F\nFile5=C:\\WINDOWS\\ask.ocx\n"
             "File6=C:\\WINDOWS\\other.txt\n[AddDeleteFile]\nFile1=C:\\WINDOWS\\plain.dll,/F\n");
    uninstallPorts.AnswerNext("ファイル削除の確認", Answer::Yes);
    uninstallPorts.AnswerNext("ファイル削除の確認", Answer::No);
    uninstallPorts.AnswerNext("ファイル削除の確認", Answer::Yes);

    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_FALSE(Exists("C:\\WINDOWS\\c-yes"));
    EXPECT_TRUE(Exists("C:\\WINDOWS\\c-no"));
    EXPECT_TRUE(Exists("C:\\WINDOWS\\l"));
    EXPECT_FALSE(Exists("C:\\WINDOWS\\f.dll"));
    EXPECT_FALSE(Exists("C:\\WINDOWS\\ask.ocx"));
    EXPECT_FALSE(Exists("C:\\WINDOWS\\other.txt"));
    EXPECT_FALSE(Exists("C:\\WINDOWS\\plain.dll"));
    ASSERT_EQ(uninstallPorts.boxes.size(), 4u); // three questions and the completion
    EXPECT_EQ(platform::Cp932ToUtf8(uninstallPorts.boxes[0].text),
              "C:\\WINDOWS\\c-yes\r\rこのファイルを削除してもよろしいですか？\r\r<<　注意　>>\r"
              "DLL/OCXなどは他のプログラムでも使用される可能性があります．\r確実に使用されない"
              "ことがわかっている場合のみ削除してください．");
    EXPECT_EQ(uninstallPorts.BoxTexts().back(), "完了: アンセットアップを完了しました．");
}

TEST_F(Uninstaller, CountedFilesStayUnlessThisInstallCountedThemLast) {
    MakeFile("C:\\Program Files\\Common Files\\Hestrom\\two.dll");
    MakeFile("C:\\Program Files\\Common Files\\Hestrom\\unmarked.dll");
    MakeFile("C:\\Program Files\\Common Files\\Hestrom\\last.dll");
    Count("C:\\Program Files\\Common Files\\Hestrom\\two.dll", 2);
    Count("C:\\Program Files\\Common Files\\Hestrom\\unmarked.dll", 1);
    Count("C:\\Program Files\\Common Files\\Hestrom\\last.dll", 1);
    WriteLog("[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteFile]\n"
             "File1=C:\\Program Files\\Common Files\\Hestrom\\two.dll,/S\nFile2=C:\\Program "
             "Files\\Common Files\\Hestrom\\unmarked.dll,/F\n"
             "File3=C:\\Program Files\\Common Files\\Hestrom\\last.dll,/R/S\n");
    sharedFiles.AnswerNext(SharedFileAnswer::Yes);

    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_TRUE(Exists("C:\\Program Files\\Common Files\\Hestrom\\two.dll"));
    EXPECT_EQ(SharedCount("C:\\Program Files\\Common Files\\Hestrom\\two.dll"), 1u);
    EXPECT_TRUE(Exists("C:\\Program Files\\Common Files\\Hestrom\\unmarked.dll"));
    EXPECT_EQ(SharedCount("C:\\Program Files\\Common Files\\Hestrom\\unmarked.dll"), 1u);
    EXPECT_FALSE(Exists("C:\\Program Files\\Common Files\\Hestrom\\last.dll"));
    EXPECT_EQ(SharedCount("C:\\Program Files\\Common Files\\Hestrom\\last.dll"), std::nullopt);
    EXPECT_EQ(
        sharedFiles.questions,
        Entries{"C:\\Program Files\\Common "
                "Files\\Hestrom\\last.dll\r\rこの共有ファイルは，現在，他のどのプログラムからも"
                "使われていません．\rしかし，今後，他のプログラムで使われる可能性があります．"
                "\rこのファイルを削除してもよろしいですか？"});
}

class SharedAnswers : public Uninstaller {
protected:
    void SetUp() override {
        std::string lines = "[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteFile]\n";
        for (int n = 1; n <= 4; ++n) {
            const std::string path =
                "C:\\Program Files\\Common Files\\Hestrom\\s" + std::to_string(n) + ".dll";
            MakeFile(path);
            Count(path, 1);
            lines += "File";
            lines += std::to_string(n) + "=" + path + ",/S\n";
        }
        WriteLog(lines);
    }
    std::vector<bool> Left() const {
        std::vector<bool> left;
        for (int n = 1; n <= 4; ++n) {
            left.push_back(
                Exists("C:\\Program Files\\Common Files\\Hestrom\\s" + std::to_string(n) + ".dll"));
        }
        return left;
    }
};

TEST_F(SharedAnswers, DeleteAllAnswersEveryLaterFile) {
    sharedFiles.AnswerNext(SharedFileAnswer::No);
    sharedFiles.AnswerNext(SharedFileAnswer::DeleteAll);
    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_EQ(sharedFiles.questions.size(), 2u);
    EXPECT_EQ(Left(), (std::vector<bool>{true, false, false, false}));
}

TEST_F(SharedAnswers, KeepAllAnswersEveryLaterFile) {
    sharedFiles.AnswerNext(SharedFileAnswer::Yes);
    sharedFiles.AnswerNext(SharedFileAnswer::KeepAll);
    sharedFiles.AnswerNext(SharedFileAnswer::Yes);
    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_EQ(sharedFiles.questions.size(), 2u);
    EXPECT_EQ(Left(), (std::vector<bool>{false, true, true, true}));
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(
            SharedCount("C:\\Program Files\\Common Files\\Hestrom\\s" + std::to_string(n) + ".dll"),
            std::nullopt);
    }
}

TEST_F(SharedAnswers, YesAndNoAreAskedAgainForEachFile) {
    for (const SharedFileAnswer answer : {SharedFileAnswer::Yes, SharedFileAnswer::No,
                                          SharedFileAnswer::No, SharedFileAnswer::Yes}) {
        sharedFiles.AnswerNext(answer);
    }
    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_EQ(sharedFiles.questions.size(), 4u);
    EXPECT_EQ(Left(), (std::vector<bool>{false, true, true, false}));
}

TEST_F(Uninstaller, FailedDeletionsOfCopiedFilesAreReportedButNotThoseOfAddedFiles) {
    WriteLog("[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteFile]\n"
             "File1=C:\\Program Files\\Test\\gone.txt\n[AddDeleteFile]\n"
             "File1=C:\\Program Files\\Test\\Nowhere\\x.txt\n"
             "File2=C:\\Program Files\\Test\\*.log\n");
    MakeFile("C:\\Program Files\\Test\\a.log");
    MakeFile("C:\\Program Files\\Test\\b.LOG");
    uninstallPorts.AnswerNext("警告", Answer::Yes);
    const UninstallResult result = Uninstall();
    EXPECT_EQ(result.failureCount, 1);
    EXPECT_EQ(ReportLines(result), (Entries{"<File> C:\\Program Files\\Test\\gone.txt",
                                            "指定されたファイルが見つかりません。"}));
    EXPECT_FALSE(Exists("C:\\Program Files\\Test\\a.log"));
    EXPECT_FALSE(Exists("C:\\Program Files\\Test\\b.LOG"));
    EXPECT_EQ(uninstallPorts.BoxTexts().front(),
              "警告: アンセットアップ(アンインストール)の過程で，一部の処理が失敗しました．\r"
              "詳細を表示しますか？");
    EXPECT_EQ(uninstallPorts.events, (Entries{"main window hidden", "status shown", "status hidden",
                                              "report 削除処理失敗　詳細表示", "status shown"}));
    EXPECT_TRUE(uninstallPorts.ShowedMessage("一部の処理に失敗しました．"));
}

TEST_F(Uninstaller, ShortcutsGoAndTheirOwnFoldersWithThemButNotTheShellFolders) {
    MakeFile("C:\\WINDOWS\\Start Menu\\Programs\\Test\\a.lnk");
    MakeFile("C:\\WINDOWS\\Start Menu\\Programs\\Shared\\b.lnk");
    MakeFile("C:\\WINDOWS\\Start Menu\\Programs\\Shared\\other.lnk");
    MakeFile("C:\\WINDOWS\\Desktop\\c.lnk");
    WriteLog("[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteShortCut]\n"
             "File1=C:\\WINDOWS\\Start Menu\\Programs\\Test\\a.lnk\n"
             "File2=C:\\WINDOWS\\Start Menu\\Programs\\Shared\\b.lnk\n"
             "File3=C:\\WINDOWS\\Desktop\\c.lnk\n");
    // The desktop holds nothing else now; it stays all the same.
    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_FALSE(Exists("C:\\WINDOWS\\Start Menu\\Programs\\Test"));
    EXPECT_FALSE(Exists("C:\\WINDOWS\\Start Menu\\Programs\\Shared\\b.lnk"));
    EXPECT_TRUE(Exists("C:\\WINDOWS\\Start Menu\\Programs\\Shared\\other.lnk"));
    EXPECT_TRUE(fs::is_directory(Host("C:\\WINDOWS\\Desktop")));
    EXPECT_TRUE(fs::is_empty(Host("C:\\WINDOWS\\Desktop")));
}

TEST_F(Uninstaller, FoldersGoFromTheLastMadeInsideTheInstallFolderWithThePatterns) {
    MakeFile("C:\\Program Files\\Test\\html\\sub\\A.INI");
    MakeFile("C:\\Program Files\\Test\\html\\B.GID");
    MakeFile("C:\\Program Files\\Test\\docs\\keep.txt");
    const std::string menu = "C:\\WINDOWS\\Start Menu\\Programs\\";
    UseMachine();
    fs::create_directories(Host(menu + "Test\\empty"));
    MakeFile(menu + "Test\\full\\x.txt");
    fs::create_directories(Host("C:\\Outside"));
    // Outside the install folder only folders below the menus (and the shared ones) go, and
    // only when empty; any other is refused.
    WriteLog(
        "[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteFolder]\n"
        "Folder1=C:\\Program Files\\Test\\html\\\nFolder2=C:\\Program Files\\Test\\html\\sub\\\n"
        "Folder3=C:\\Program Files\\Test\\docs\\\nFolder4=C:\\Outside\\\nFolder5=" +
        menu + "Test\\empty\\\nFolder6=" + menu +
        "Test\\full\\\nFolder7=C:\\Program Files\\Test\\missing\\\n[UnSetupOption]\n"
        "CheckBox=1,1,0,0\n");
    const UninstallResult result = Uninstall();
    EXPECT_FALSE(Exists("C:\\Program Files\\Test\\html"));
    EXPECT_TRUE(Exists("C:\\Program Files\\Test\\docs\\keep.txt"));
    EXPECT_FALSE(Exists(menu + "Test\\empty"));
    EXPECT_TRUE(Exists(menu + "Test\\full\\x.txt"));
    EXPECT_TRUE(Exists("C:\\Outside"));
    EXPECT_EQ(
        ReportLines(result),
        (Entries{
            "<Folder> C:\\Outside\\",
            "セットアップフォルダの外にあり，セットアップが作成する種類のファイル・フォルダでも"
            "ないため，削除しませんでした．",
            "<Folder> C:\\Program Files\\Test\\docs\\", "ディレクトリが空ではありません。",
            "<SetupFolder> C:\\Program Files\\Test\\",
            "フォルダにファイルが残っているため，セットアップフォルダを削除できません"
            "でした．エクスプローラなどから，直接削除してください．"}));
}

TEST_F(Uninstaller, DeleteAllEmptiesTheInstallFolderOfItsOwnLogWithTheUsersFilesInIt) {
    UseMachine();
    MakeFile("C:\\Program Files\\Test\\html\\mine.htm");
    MakeFile("C:\\Program Files\\Test\\notes.txt");
    const std::string log = "C:\\Program Files\\Test\\UNSETUP.INI";
    WriteIni(Host(log), "[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteFolder]\n"
                        "Folder1=C:\\Program Files\\Test\\html\\\n[UnSetupOption]\n"
                        "CheckBox=DeleteAll\n");
    StartUninstall(log);
    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_FALSE(Exists("C:\\Program Files\\Test"));
}

TEST_F(Uninstaller, TheInstallFolderStaysWhenItIsAFolderOfTheMachine) {
    UseMachine();
    for (const char* folder : {"C:\\WINDOWS\\", "c:\\program files\\", "C:\\"}) {
        MakeFile(std::string(folder) + "stay.txt");
        WriteIni(Host(std::string(folder) + "UNSETUP.INI"), std::string("[SetupFolder]\nFolder=") +
                                                                folder +
                                                                "\n[UnSetupOption]\n"
                                                                "CheckBox=DeleteAll\n");
        uninstallSession.reset();
        StartUninstall(std::string(folder) + "UNSETUP.INI");
        EXPECT_TRUE(Uninstall().Succeeded()) << folder;
        EXPECT_TRUE(Exists(std::string(folder) + "stay.txt")) << folder;
    }
}

TEST_F(Uninstaller, RegistryKeysAreReadWithTheStricterRootRule) {
    WriteRegistryText(RegistryRoot::LocalMachine, "Software\\Gone\\Sub", "v", "1");
    WriteRegistryText(RegistryRoot::CurrentUser, "Abcdef)Key\\Sub", "v", "1");
    WriteRegistryText(RegistryRoot::ClassesRoot, "Abcdef)Key", "v", "1");
    WriteRegistryText(RegistryRoot::CurrentUser, "Software\\Plain", "v", "1");
    WriteRegistryText(RegistryRoot::CurrentUser, "Software\\Kept", "v", "1");
    WriteLog("[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[DeleteRegistry]\n"
             "Key1=(Local)\\Software\\Gone\\\nKey2=Abcdef)Key\nKey3=Software\\Plain\n"
             "Key4=(Local)\n");
    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_FALSE(KeyExists(RegistryRoot::LocalMachine, "Software\\Gone"));
    EXPECT_TRUE(KeyExists(RegistryRoot::LocalMachine, "Software"));
    EXPECT_FALSE(KeyExists(RegistryRoot::CurrentUser, "Abcdef)Key"));
    EXPECT_TRUE(KeyExists(RegistryRoot::ClassesRoot, "Abcdef)Key"));
    EXPECT_FALSE(KeyExists(RegistryRoot::CurrentUser, "Software\\Plain"));
    EXPECT_TRUE(KeyExists(RegistryRoot::CurrentUser, "Software\\Kept"));
}

TEST_F(Uninstaller, AssociationsGetTheirEarlierTypesBack) {
    for (const char* key : {".old", "old_auto_file\\shell\\open\\command", ".new", "new_auto_file",
                            ".same", "same_auto_file", ".gone", "gone_auto_file"}) {
        WriteRegistryText(RegistryRoot::ClassesRoot, key, "", "installed");
    }
    WriteRegistryText(RegistryRoot::ClassesRoot, "oldfile", "", "Old");
    WriteLog("[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[RestoreRelate]\n"
             "Key1=old,oldfile\nKey2=new,\nKey4=same,SAME_auto_file\nKey5=missing,missingfile\n");
    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, ".old", ""), "oldfile");
    EXPECT_FALSE(KeyExists(RegistryRoot::ClassesRoot, "old_auto_file"));
    EXPECT_TRUE(KeyExists(RegistryRoot::ClassesRoot, "oldfile"));
    EXPECT_FALSE(KeyExists(RegistryRoot::ClassesRoot, ".new"));
    EXPECT_FALSE(KeyExists(RegistryRoot::ClassesRoot, "new_auto_file"));
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, ".same", ""), "SAME_auto_file");
    EXPECT_TRUE(KeyExists(RegistryRoot::ClassesRoot, "same_auto_file"));
    EXPECT_FALSE(KeyExists(RegistryRoot::ClassesRoot, ".missing"));
    EXPECT_TRUE(KeyExists(RegistryRoot::ClassesRoot, ".gone"));
}

TEST_F(Uninstaller, TheProgramIsForgottenAndItsRegistrationRemoved) {
    WriteIni(Host("C:\\WINDOWS\\ORSET98.INI"),
             "[Other]\nFolder=C:\\Other\\\n[Prog]\nFolder=C:\\Program Files\\Test\\\n");
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Test";
    WriteRegistryText(RegistryRoot::LocalMachine, key, "DisplayName", "Test");
    WriteLog("[SetupFolder]\nFolder=C:\\Program Files\\Test\\\n[ProgramID]\nID=Prog\n"
             "[UnSetupRegistryKey]\nKey=" +
             key + "\n");
    EXPECT_TRUE(Uninstall().Succeeded());
    EXPECT_EQ(SectionLines("C:\\WINDOWS\\ORSET98.INI", "Prog"), Entries{});
    EXPECT_EQ(SectionLines("C:\\WINDOWS\\ORSET98.INI", "Other"), Entries{"Folder=C:\\Other\\"});
    EXPECT_FALSE(KeyExists(RegistryRoot::LocalMachine, key));
    EXPECT_TRUE(KeyExists(RegistryRoot::LocalMachine,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
    EXPECT_EQ(fs::current_path(), TemporaryHost());
}

// Whatever the log says, the machine's own folders and those that hold them stay; each such
// entry is reported and the rest of the uninstall goes on.
TEST_F(Uninstaller, NeverDeletesTheMachinesFoldersTheHomeFolderOrARoot) {
    UseMachine();
    const fs::path home = Root() / "home" / "user";
    MakeFile(Windows(home / "photo.jpg"));
    setenv("HOME", home.c_str(), 1);
    MakeFile("C:\\WINDOWS\\SYSTEM32\\keep.dll");
    MakeFile("C:\\WINDOWS\\gone.txt");
    const std::string homeParent = Windows(Root() / "home");
    WriteLog("[SetupFolder]\nFolder=" + homeParent +
             "\n[DeleteFile]\n"
             "File1=C:\\WINDOWS\\SYSTEM32\nFile2=C:\\WINDOWS\\gone.txt\n[AddDeleteFile]\n"
             "File1=C:\\WIN*\nFile2=Z:\\*.*\n[DeleteShortCut]\nFile1=" +
             Windows(home) +
             "\n[DeleteFolder]\nFolder1=C:\\WINDOWS\\..\\\n[UnSetupOption]\nCheckBox=DeleteAll\n");
    uninstallPorts.AnswerNext("警告", Answer::No);

    const UninstallResult result = Uninstall();
    EXPECT_TRUE(Exists("C:\\WINDOWS\\SYSTEM32\\keep.dll"));
    EXPECT_TRUE(fs::exists(home / "photo.jpg"));
    EXPECT_FALSE(Exists("C:\\WINDOWS\\gone.txt"));
    const std::string refused = "マシンのフォルダ（Windows・System・Program Files・スタートメニュー"
                                "など）・ドライブのルート・ホームフォルダ・セットアップフォルダ，"
                                "またはそれを含むフォルダのため，削除しませんでした．";
    const std::string pattern =
        "ワイルドカードはセットアップフォルダの中でだけ使えるため，削除しませんでした．";
    EXPECT_EQ(
        ReportLines(result),
        (Entries{"<File> C:\\WINDOWS\\SYSTEM32", refused, "<File> C:\\WIN*", pattern,
                 "<File> Z:\\*.*", pattern, "<ShortCut> " + platform::Cp932ToUtf8(Windows(home)),
                 refused, "<Folder> C:\\WINDOWS\\..\\", refused,
                 "<SetupFolder> " + platform::Cp932ToUtf8(homeParent) + "\\", refused}));
}

TEST_F(Uninstaller, ProtectedFoldersCoverTheirParentsAndThePatternsThatReachThem) {
    const fs::path home = Root() / "home" / "user";
    fs::create_directories(home / "sub");
    fs::create_directory_symlink(home, Root() / "link");
    const ProtectedFolders folders({home});
    const auto would = [&](const fs::path& host, std::string_view tail = "") {
        return folders.WouldDelete(Windows(host) + std::string(tail));
    };
    EXPECT_TRUE(would(home));
    EXPECT_TRUE(would(home, "\\"));
    EXPECT_TRUE(would(Root() / "home"));
    EXPECT_TRUE(would(Root() / "home", "\\US*"));
    EXPECT_TRUE(would(Root() / "home", "\\u?er"));
    EXPECT_TRUE(would(home / "sub" / ".." / ".."));
    EXPECT_TRUE(would(home, "\\*.*"));
    EXPECT_TRUE(would(home, "\\*"));
    EXPECT_TRUE(would(Root() / "link" / ".."));
    EXPECT_FALSE(would(Root() / "home", "\\*.txt"));
    EXPECT_FALSE(would(home, "\\*.jpg"));
    EXPECT_FALSE(would(home / "sub"));
    EXPECT_FALSE(would(Root() / "link")); // deleting a link leaves what it points to
    EXPECT_FALSE(would(Root() / "link" / "sub", "\\*.*"));
    EXPECT_FALSE(folders.WouldDelete("Q:\\home"));

    const ProtectedFolders linked({Root() / "link"});
    EXPECT_TRUE(linked.WouldDelete(Windows(home)));
    EXPECT_TRUE(linked.WouldDelete(Windows(Root() / "link")));
}

} // namespace

namespace {

TEST(UninstallBoxes, FollowTheLogsOptionAndGiveTheDeleteModeOrThePatterns) {
    UninstallBoxes boxes = UninstallBoxesOf("DeleteAll");
    EXPECT_EQ(platform::Cp932ToUtf8(boxes.boxes[0].caption),
              "アンセットアップ(アンインストール)フォルダ以下の全ファイル・フォルダ");
    EXPECT_TRUE(boxes.boxes[0].checked && boxes.boxes[0].enabled && boxes.firstBoxFullWidth);
    EXPECT_FALSE(boxes.boxes[1].visible || boxes.boxes[2].visible || boxes.boxes[3].visible);
    EXPECT_TRUE(UninstallOptionsOf(boxes).deleteAll);
    boxes.boxes[0].checked = false;
    EXPECT_FALSE(UninstallOptionsOf(boxes).deleteAll);
    EXPECT_EQ(UninstallOptionsOf(boxes).patterns, "");

    boxes = UninstallBoxesOf("0,1,1,0");
    EXPECT_EQ(platform::Cp932ToUtf8(boxes.boxes[0].caption), "*.INIファイル");
    EXPECT_EQ(platform::Cp932ToUtf8(boxes.boxes[1].caption), "*.GIDファイル");
    EXPECT_FALSE(boxes.boxes[0].checked);
    EXPECT_TRUE(boxes.boxes[1].checked);
    EXPECT_TRUE(boxes.boxes[0].enabled && boxes.boxes[1].enabled);
    EXPECT_FALSE(boxes.boxes[2].enabled || boxes.boxes[3].enabled);
    EXPECT_EQ(boxes.boxes[2].caption, "");
    EXPECT_FALSE(boxes.firstBoxFullWidth);
    EXPECT_EQ(UninstallOptionsOf(boxes).patterns, "*.GID|");
    boxes.boxes[0].checked = true;
    EXPECT_FALSE(UninstallOptionsOf(boxes).deleteAll);
    EXPECT_EQ(UninstallOptionsOf(boxes).patterns, "*.INI|*.GID|");
    // "deleteall" is no keyword: letter case counts.
    EXPECT_TRUE(UninstallBoxesOf("deleteall").boxes[1].visible);
    EXPECT_FALSE(UninstallBoxesOf("1").boxes[1].checked);
}

} // namespace
