#include "platform/codepage.h"
#include "tests/setup/install_fixture.h"

#include <chrono>
#include <cstdlib>

using namespace setup;
using setup_test::ReadBytes;
using setup_test::Sjis;
using setup_test::WriteBytes;

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kApp = "C:\\Program Files\\Test\\";

std::string App(std::string_view rest) {
    return std::string(kApp) + std::string(rest);
}

// Moves the file's last-write time by the given number of hours from now.
void SetAge(const fs::path& file, int hours) {
    fs::last_write_time(file, fs::file_time_type::clock::now() + std::chrono::hours(hours));
}

class CopyPhase : public setup_test::InstallTest {
protected:
    void SetUp() override { WriteMediumFile("SETUP.EXE", "installer"); }

    // The [DeleteFile] lines of the log.
    std::vector<std::string> LoggedFiles() const {
        return SectionLines(App("UNSETUP.INI"), "DeleteFile");
    }
};

TEST_F(CopyPhase, AMissingSourceIsReportedCountedAndNotLogged) {
    WriteScript("[Extend]\nSetupSpeed=1\n[CopyFile]\nFile1=(App)absent.exe\nFile2=(App)a.txt\n");
    WriteMediumFile("a.txt", "a");
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Completed);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(result.failureCount, 1);
    EXPECT_EQ(result.errorReport, "<File> " + MediumFolder() + "absent.exe\r\n" +
                                      Sjis("コピー元のファイルが見つかりません．") + "\r\n\r\n");
    EXPECT_TRUE(ports.ShowedMessage("ファイルが存在しないためコピーをスキップしています．．．"
                                    "\rSkipping -> C:\\Program Files\\Test\\absent.exe"));
    // The sizes are not known, so there is no free-space check and progress counts entries.
    EXPECT_FALSE(ports.ShowedMessage("ディスクの空き容量をチェックしています"));
    EXPECT_EQ(ports.progress, (std::vector<std::string>{"50%(1/2)", "100%(2/2)"}));
    EXPECT_TRUE(ports.ShowedMessage("セットアップで一部の処理が失敗しました．"));
    EXPECT_EQ(ports.BoxTexts()[1], "警告: フォルダの作成・ファイルのコピーで，一部の処理が"
                                   "失敗しました．\r詳細を表示しますか？");
    EXPECT_EQ(ports.reports, std::vector<std::string>{result.errorReport});
    EXPECT_EQ(ports.events[ports.events.size() - 3], "status hidden");
    EXPECT_EQ(ports.events[ports.events.size() - 2], "report 作成・コピー処理失敗　詳細表示");
    EXPECT_EQ(ports.events.back(), "status shown");
    EXPECT_EQ(LoggedFiles(),
              (std::vector<std::string>{"File1=" + App("a.txt"), "File2=" + App("UNSETUP.INI")}));
}

TEST_F(CopyPhase, ASourceThatVanishesAfterMeasuringSwitchesProgressToCounting) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\nFile2=(App)b.txt\nFile3=(App)c.txt\n");
    WriteMediumFile("a.txt", "a");
    WriteMediumFile("b.txt", "b");
    WriteMediumFile("c.txt", "c");
    ports.onBox = [&](const MessageBox& box) {
        if (box.title == Sjis("フォルダ作成")) {
            fs::remove(MediumHost() / "b.txt");
        }
    };
    const InstallResult result = Install();
    EXPECT_EQ(result.failureCount, 1);
    EXPECT_TRUE(ports.ShowedMessage("ディスクの空き容量をチェックしています"));
    EXPECT_EQ(ports.BoxTexts()[1], "内部エラー: ファイルサイズの取得に失敗したため，進行状況の"
                                   "表示方法を変更します．");
    EXPECT_EQ(ports.progress, (std::vector<std::string>{"33%(1/3)", "67%(2/3)", "100%(3/3)"}));
}

TEST_F(CopyPhase, TheReportIsNotShownWhenTheUserDeclinesAndNoCompletionIsTold) {
    WriteScript("[CopyFile]\nFile1=(App)absent.exe\n");
    ports.AnswerNext("警告", Answer::No);
    const InstallResult result = Install();
    EXPECT_EQ(result.failureCount, 1);
    EXPECT_TRUE(ports.reports.empty());
    EXPECT_FALSE(ports.ShowedBox("完了"));
    EXPECT_FALSE(ports.ShowedMessage("セットアップが完了しました"));
    EXPECT_EQ(platform::Cp932ToUtf8(ports.messages.back()),
              "セットアップで一部の処理が失敗しました．");
}

TEST_F(CopyPhase, WithOverwriteOnAnExistingNewerTargetStaysButIsRecorded) {
    WriteScript("[CopyFile]\nFile1=(App)new.txt\nFile2=(App)old.txt\n");
    SetAge(WriteMediumFile("new.txt", "medium new"), -2);
    SetAge(WriteMediumFile("old.txt", "medium old"), -2);
    WriteBytes(Host(App("new.txt")), "installed newer");
    SetAge(Host(App("new.txt")), -1);
    WriteBytes(Host(App("old.txt")), "installed older");
    SetAge(Host(App("old.txt")), -3);
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(ReadBytes(Host(App("new.txt"))), "installed newer");
    EXPECT_EQ(ReadBytes(Host(App("old.txt"))), "medium old");
    EXPECT_FALSE(ports.ShowedBox("上書き確認"));
    EXPECT_EQ(LoggedFiles(),
              (std::vector<std::string>{"File1=" + App("new.txt"), "File2=" + App("old.txt"),
                                        "File3=" + App("UNSETUP.INI")}));
}

TEST_F(CopyPhase, AlwaysOverwriteCopiesOverANewerTarget) {
    WriteScript("[CopyFile]\nFile1=(App)new.txt,/W\n");
    SetAge(WriteMediumFile("new.txt", "medium"), -2);
    WriteBytes(Host(App("new.txt")), "installed newer");
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(ReadBytes(Host(App("new.txt"))), "medium");
    EXPECT_EQ(LoggedFiles()[0], "File1=" + App("new.txt") + ",/W");
}

TEST_F(CopyPhase, WithOverwriteOffTheUserIsAskedAndASharedFileCountsEvenWhenDeclined) {
    WriteScript("[CopyFile]\nFile1=(Sys)shared.dll,/S\nFile2=(App)b.txt\n");
    WriteMediumFile("shared.dll", "medium dll");
    WriteMediumFile("b.txt", "medium b");
    WriteBytes(Host("C:\\WINDOWS\\SYSTEM32\\shared.dll"), "installed dll");
    WriteBytes(Host(App("b.txt")), "installed b");
    options.overwrite = false;
    ports.AnswerNext("上書き確認", Answer::No);
    ports.AnswerNext("上書き確認", Answer::Yes);
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(ports.BoxTexts()[0], "上書き確認: C:\\WINDOWS\\SYSTEM32\\shared.dll\r\rこのファイル"
                                   "は既に存在します．\r上書きしてもよろしいですか？");
    EXPECT_EQ(ReadBytes(Host("C:\\WINDOWS\\SYSTEM32\\shared.dll")), "installed dll");
    EXPECT_EQ(ReadBytes(Host(App("b.txt"))), "medium b");
    // An uncounted file that is there already counts as used once, so this install makes 2.
    EXPECT_EQ(SharedCount("C:\\WINDOWS\\SYSTEM32\\shared.dll"), 2u);
    EXPECT_EQ(LoggedFiles()[0], "File1=C:\\WINDOWS\\SYSTEM32\\shared.dll,/S");
}

TEST_F(CopyPhase, ARenamedEntryGoesToThePathsFolderUnderTheNewName) {
    WriteScript("[MakeFolder]\nFolder1=(App)doc\n[CopyFile]\nFile1=(App)doc\\readme.txt|"
                "LIESMICH.TXT\n");
    WriteMediumFile("readme.txt", "text");
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(ReadBytes(Host(App("doc\\LIESMICH.TXT"))), "text");
    EXPECT_FALSE(fs::exists(Host(App("doc\\readme.txt"))));
}

TEST_F(CopyPhase, SourcesOutsideTheMediumAreRefusedWhateverTheirSpelling) {
    WriteBytes(Root() / "secret.txt", "not on the medium");
    fs::create_symlink(Root() / "secret.txt", MediumHost() / "link.txt");
    WriteScript("[CopyFile]\nFile1=(App)../secret.txt|one.txt\nFile2=(App)link.txt\n");
    const InstallResult result = Install();
    EXPECT_EQ(result.failureCount, 2);
    EXPECT_FALSE(fs::exists(Host(App("one.txt"))));
    EXPECT_FALSE(fs::exists(Host(App("link.txt"))));
    const std::string refused =
        "コピー元のファイルがセットアップ媒体のフォルダの外にあるため，コピーしませんでした．";
    EXPECT_NE(
        platform::Cp932ToUtf8(result.errorReport)
            .find("<File> " + platform::Cp932ToUtf8(MediumFolder()) + "link.txt\r\n" + refused),
        std::string::npos)
        << platform::Cp932ToUtf8(result.errorReport);
}

TEST_F(CopyPhase, ACommaInTheInstallFolderDoesNotCutTheEntries) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt,/W\n");
    WriteMediumFile("a.txt", "a");
    EXPECT_TRUE(Install("C:\\Tools,Extra\\").Succeeded());
    EXPECT_EQ(ReadBytes(Host("C:\\Tools,Extra\\a.txt")), "a");
    EXPECT_EQ(SectionLines("C:\\Tools,Extra\\UNSETUP.INI", "DeleteFile")[0],
              "File1=C:\\Tools,Extra\\a.txt,/W");
}

TEST_F(CopyPhase, ASourceOnALaterDiskIsAskedForUntilItIsThere) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\nFile2=(Dch)(App)b.txt\n");
    WriteMediumFile("a.txt", "a");
    int asked = 0;
    ports.onBox = [&](const MessageBox& box) {
        if (box.title == Sjis("ディスク交換") && ++asked == 2) {
            WriteMediumFile("b.txt", "disk two");
        }
    };
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(ports.BoxTexts()[1], "ディスク交換: 2枚目のディスクに交換してください．");
    EXPECT_EQ(ports.boxes[1].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(ports.boxes[1].topic, QuestionTopic::DiskChange);
    EXPECT_EQ(ReadBytes(Host(App("b.txt"))), "disk two");
    // The file of disk two was not there when the sizes were counted.
    EXPECT_FALSE(ports.ShowedMessage("ディスクの空き容量をチェックしています"));
    EXPECT_EQ(ports.progress, (std::vector<std::string>{"50%(1/2)", "100%(2/2)"}));
}

TEST_F(CopyPhase, CancellingTheDiskChangeIsAFatalStopWhoseLogHoldsWhatWasCopied) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\nFile2=(Dch)(App)b.txt\nFile3=(App)c.txt\n");
    WriteMediumFile("a.txt", "a");
    WriteMediumFile("c.txt", "c");
    ports.AnswerNext("ディスク交換", Answer::Cancel);
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Stopped);
    EXPECT_EQ(ports.BoxTexts().back(), "致命的エラー: セットアップを続行できませんでした．");
    EXPECT_EQ(ports.boxes.back().icon, MessageIcon::Stop);
    EXPECT_TRUE(fs::exists(Host(App("a.txt"))));
    EXPECT_FALSE(fs::exists(Host(App("c.txt"))));
    EXPECT_EQ(LoggedFiles(), std::vector<std::string>{"File1=" + App("a.txt")});
}

TEST_F(CopyPhase, AnAbortStopsAfterTheStepAndLeavesTheLogOfWhatWasCopied) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\nFile2=(App)b.txt\n");
    WriteMediumFile("a.txt", "a");
    WriteMediumFile("b.txt", "b");
    ports.AbortAt("Copying -> C:\\Program Files\\Test\\a.txt");
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Aborted);
    EXPECT_TRUE(fs::exists(Host(App("a.txt"))));
    EXPECT_FALSE(fs::exists(Host(App("b.txt"))));
    EXPECT_EQ(LoggedFiles(), std::vector<std::string>{"File1=" + App("a.txt")});
    EXPECT_FALSE(fs::exists(Host("C:\\WINDOWS\\UNORSET.EXE")));
    EXPECT_TRUE(ports.boxes.empty() || !ports.ShowedBox("完了"));
}

class ComponentServers : public CopyPhase {
protected:
    void SetUp() override {
        CopyPhase::SetUp();
        setenv("LUMARO_TEST_SERVER_LOG", (Root() / "calls.log").c_str(), 1);
    }
    void TearDown() override { unsetenv("LUMARO_TEST_SERVER_LOG"); }
};

TEST_F(ComponentServers, ARegisteredServerIsCalledOnce) {
    WriteScript("[CopyFile]\nFile1=(App)grid.ocx,/R\n");
    fs::copy_file(TEST_SERVER_SUCCEEDING, MediumHost() / "grid.ocx");
    EXPECT_TRUE(Install().Succeeded());
    EXPECT_EQ(ReadBytes(Root() / "calls.log"), "DllRegisterServer\n");
    EXPECT_EQ(LoggedFiles()[0], "File1=" + App("grid.ocx") + ",/R");
}

TEST_F(ComponentServers, EachRegistrationFailureShowsItsBoxAndFailsTheRunButNotTheReport) {
    WriteScript("[CopyFile]\nFile1=(App)empty.ocx,/R\nFile2=(App)failing.dll,/r\n"
                "File3=(App)text.ocx,/R\n");
    fs::copy_file(TEST_SERVER_EMPTY, MediumHost() / "empty.ocx");
    fs::copy_file(TEST_SERVER_FAILING, MediumHost() / "failing.dll");
    WriteMediumFile("text.ocx", "not a shared object");
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Completed);
    EXPECT_EQ(result.failureCount, 0);
    EXPECT_EQ(result.failuresOutsideReport, 3);
    EXPECT_FALSE(result.Succeeded());
    const std::vector<std::string> boxes = ports.BoxTexts();
    ASSERT_GE(boxes.size(), 4u);
    EXPECT_EQ(boxes[1], "OCX/DLL登録エラー(GetProcAddress): " + App("empty.ocx") +
                            "のDllRegisterServerエントリが見つかりません．");
    EXPECT_EQ(boxes[2], "OCX/DLL登録エラー(Procedure): " + App("failing.dll") +
                            "のDllRegisterServer関数が失敗しました．");
    EXPECT_EQ(boxes[3],
              "OCX/DLL登録エラー(LoadLibrary): " + App("text.ocx") + "の読み込みに失敗しました．");
    EXPECT_EQ(ports.boxes[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ReadBytes(Root() / "calls.log"), "DllRegisterServer\n");
    EXPECT_EQ(LoggedFiles().size(), 4u);
}

class InstallFolder : public CopyPhase {};

TEST_F(InstallFolder, DecliningToCreateTheFolderIsAFatalStop) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\n");
    WriteMediumFile("a.txt", "a");
    ports.AnswerNext("フォルダ作成", Answer::No);
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Stopped);
    EXPECT_EQ(ports.BoxTexts().back(), "セットアップ中止: セットアップを続行できませんでした．");
    EXPECT_FALSE(fs::exists(Host(App(""))));
}

TEST_F(InstallFolder, AFolderThatCannotBeCreatedIsReportedAsFatal) {
    WriteScript("");
    const InstallResult result = Install("D:\\Nowhere\\");
    EXPECT_EQ(result.outcome, InstallOutcome::Stopped);
    EXPECT_EQ(ports.BoxTexts(),
              (std::vector<std::string>{
                  "空き容量不足: ディスクの空き容量取得関数が失敗しました．\rセットアップに必要な"
                  "ディスク容量は 0 Byteです．\r空き容量があるようであれば，セットアップを続行"
                  "してください．\r\rセットアップを続行しますか？",
                  "フォルダ作成: このフォルダは存在しません．作成してもよろしいですか？\r\r"
                  "D:\\Nowhere\\",
                  "致命的エラー: セットアップフォルダの作成に失敗しました．\r\rプログラム作者へ"
                  "ご報告ください．",
                  "セットアップ中止: セットアップを続行できませんでした．"}));
}

TEST_F(InstallFolder, AMakeFolderWithoutItsParentIsReported) {
    WriteScript("[MakeFolder]\nFolder1=(App)a\\b\nFolder2=(App)c\\\n");
    const InstallResult result = Install();
    EXPECT_EQ(result.failureCount, 1);
    EXPECT_EQ(result.errorReport, "<Folder> " + App("a\\b\\") + "\r\n" +
                                      Sjis("指定されたパスが見つかりません。") + "\r\n\r\n");
    EXPECT_TRUE(fs::is_directory(Host(App("c"))));
}

TEST_F(InstallFolder, TooLittleFreeSpaceIsAskedAndNoStops) {
    WriteScript("[CopyFile]\nFile1=(App)huge.bin\n");
    const fs::path huge = WriteMediumFile("huge.bin", "");
    fs::create_directories(Host(App("")));
    const std::uintmax_t free = fs::space(Host(App(""))).available;
    fs::resize_file(huge, free + (std::uintmax_t{1} << 30));
    ports.AnswerNext("空き容量不足", Answer::No);
    const InstallResult result = Install();
    EXPECT_EQ(result.outcome, InstallOutcome::Stopped);
    EXPECT_EQ(ports.BoxTexts(),
              (std::vector<std::string>{
                  "空き容量不足: ディスクの空き容量が不足しているため，エラーになる可能性があり"
                  "ます．\rこのままセットアップを続行しますか？",
                  "セットアップ中止: セットアップを続行できませんでした．"}));
    EXPECT_FALSE(fs::exists(Host(App("huge.bin"))));
}

} // namespace
