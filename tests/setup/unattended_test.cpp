#include "platform/codepage.h"
#include "platform/named_mutex.h"
#include "setup/command_line.h"
#include "setup/console_ports.h"
#include "setup/unattended_setup.h"
#include "tests/setup/setup_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

using namespace setup;
using setup_test::ReadBytes;
using setup_test::Sjis;

namespace {

namespace fs = std::filesystem;

TEST(SetupCommandLine, SilentAndFolderInEitherSpellingAndTheFirstArgument) {
    CommandLine line = ParseCommandLine({"/SILENT", "/DIR=C:\\Tools"});
    EXPECT_TRUE(line.silent);
    EXPECT_EQ(line.folder, "C:\\Tools");
    EXPECT_EQ(line.firstArgument, "");
    line = ParseCommandLine({"--dir=/opt/x", "--silent"});
    EXPECT_TRUE(line.silent);
    EXPECT_EQ(line.folder, "/opt/x");
    line = ParseCommandLine({"/home/u/UNSETUP.INI", "/Silent", "other"});
    EXPECT_TRUE(line.silent);
    EXPECT_EQ(line.folder, std::nullopt);
    EXPECT_EQ(line.firstArgument, "/home/u/UNSETUP.INI");
    line = ParseCommandLine({"/SILENTLY", "--Dir="});
    EXPECT_FALSE(line.silent);
    EXPECT_EQ(line.folder, "");
    EXPECT_EQ(line.firstArgument, "/SILENTLY");
}

TEST(UnattendedAnswers, DefaultButtonsButKeepSharedFilesAndGiveUpOnAMissingDisk) {
    std::ostringstream err;
    ConsolePorts ports(err);
    EXPECT_EQ(ports.Show({Sjis("上書き"), Sjis("上書き確認"), MessageIcon::Question,
                          MessageButtons::YesNo, QuestionTopic::General}),
              Answer::Yes);
    EXPECT_EQ(ports.Show({"x", "t", MessageIcon::Question, MessageButtons::YesNo,
                          QuestionTopic::DeleteFile}),
              Answer::No);
    const MessageBox disk{Sjis("2枚目のディスクに交換してください．"), Sjis("ディスク交換"),
                          MessageIcon::Information, MessageButtons::OkCancel,
                          QuestionTopic::DiskChange};
    EXPECT_EQ(ports.Show(disk), Answer::Ok);
    EXPECT_EQ(ports.Show(disk), Answer::Cancel);
    EXPECT_EQ(ports.Ask(Sjis("共有ファイル")), SharedFileAnswer::No);
    EXPECT_FALSE(ports.AbortRequested());
    EXPECT_EQ(err.str(),
              "setup: [上書き確認] 上書き\n    -> Yes\n"
              "setup: [t] x\n    -> No\n"
              "setup: [ディスク交換] 2枚目のディスクに交換してください．\n    -> OK\n"
              "setup: [ディスク交換] 2枚目のディスクに交換してください．\n    -> Cancel\n"
              "setup: [shared file] 共有ファイル\n    -> No\n");
}

class Unattended : public setup_test::MachineTest {
protected:
    void SetUp() override {
        WriteMediumFile("SETUP.EXE", "installer");
        WriteMediumFile("a.txt", "a");
    }

    int Run(const std::vector<std::string>& arguments) {
        return RunUnattendedSetup(ParseCommandLine(arguments), MediumFolder(), err);
    }

    std::ostringstream err;
};

TEST_F(Unattended, InstallsIntoTheProposedFolderWithTheDefaultOptions) {
    WriteScript("[DefaultFolder]\nFolder=(Prg)\\Quiet\n[CopyFile]\nFile1=(App)a.txt\n"
                "[ShortCut]\nMake1=(App)a.txt\nName1=(Dsk)A\n[Relate]\nName1=qqq\n"
                "File1=open,(App)a.txt,0\n");
    EXPECT_EQ(Run({"/SILENT"}), kExitSucceeded) << err.str();
    EXPECT_EQ(ReadBytes(Host("C:\\Program Files\\Quiet\\a.txt")), "a");
    EXPECT_TRUE(fs::exists(Host("C:\\WINDOWS\\Desktop\\A.lnk")));
    EXPECT_TRUE(fs::exists(Host("C:\\Program Files\\Quiet\\UNSETUP.INI")));
    EXPECT_NE(err.str().find("setup: [関連付けの確認] 拡張子 *.qqq を\n"), std::string::npos);
    EXPECT_NE(err.str().find("setup: installed into C:\\Program Files\\Quiet\\\n"),
              std::string::npos);
    // The work folders are gone at the end.
    EXPECT_FALSE(fs::exists(TemporaryHost() / "ZSTMP1"));
}

TEST_F(Unattended, TakesTheFolderGivenAsAHostPath) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\n");
    const fs::path target = Root() / "target folder";
    EXPECT_EQ(Run({"--silent", "--dir=" + target.string()}), kExitSucceeded) << err.str();
    EXPECT_EQ(ReadBytes(target / "a.txt"), "a");
    EXPECT_EQ(Run({"/SILENT", "/DIR="}), kExitUnavailable);
    EXPECT_EQ(Run({"/SILENT", "/DIR=C:\\Two\nLines"}), kExitUnavailable);
    EXPECT_FALSE(fs::exists(Host("C:\\Two")));
}

TEST_F(Unattended, AFailureIsReportedOnTheErrorStreamAndFailsTheRun) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\nFile2=(App)missing.txt\n");
    EXPECT_EQ(Run({"/SILENT", "/DIR=C:\\Out"}), kExitFailed);
    const std::string text = err.str();
    EXPECT_NE(text.find("setup: [作成・コピー処理失敗　詳細表示] <File> " +
                        platform::Cp932ToUtf8(MediumFolder()) +
                        "missing.txt\n    コピー元のファイルが見つかりません．\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("setup: installed into C:\\Out\\ with 1 failure(s)\n"), std::string::npos);
}

TEST_F(Unattended, AMissingDiskIsAskedForOnceAndThenGivesUp) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\nFile2=(Dch)(App)b.txt\n");
    EXPECT_EQ(Run({"/SILENT", "/DIR=C:\\Out"}), kExitFailed);
    EXPECT_NE(err.str().find("-> OK\nsetup: [ディスク交換] 2枚目のディスクに交換してください．\n"
                             "    -> Cancel\nsetup: [致命的エラー] セットアップを続行できません"
                             "でした．\nsetup: the install into C:\\Out\\ stopped\n"),
              std::string::npos)
        << err.str();
}

TEST_F(Unattended, AllDisksInOneFolderInstallWithoutStopping) {
    WriteScript("[CopyFile]\nFile1=(App)a.txt\nFile2=(Dch)(App)b.txt\n");
    WriteMediumFile("b.txt", "b");
    EXPECT_EQ(Run({"/SILENT", "/DIR=C:\\Out"}), kExitSucceeded) << err.str();
    EXPECT_EQ(ReadBytes(Host("C:\\Out\\b.txt")), "b");
}

TEST_F(Unattended, StartupErrorsAndUnavailableModesEndTheRun) {
    EXPECT_EQ(Run({"/SILENT"}), kExitFailed);
    EXPECT_EQ(err.str(),
              "setup: 【致命的エラー  →  iniファイル読み込み失敗】\n"
              "    セットアップ・アンセットアップ(アンインストール)は続行できません．\n");

    WriteScript("");
    setup_test::WriteBytes(Root() / "app" / "UNSETUP.INI", "[Title]\r\n");
    err.str("");
    EXPECT_EQ(Run({(Root() / "app" / "UNSETUP.INI").string(), "/SILENT"}), kExitFailed);
    EXPECT_NE(err.str().find("setup: the uninstall stopped: the log names no install folder\n"),
              std::string::npos)
        << err.str();

    err.str("");
    EXPECT_EQ(RunSetupProgram({}, err), kExitUnavailable);
    EXPECT_EQ(err.str(), "setup: the run without windows needs /SILENT\n");
}

TEST_F(Unattended, ASecondInstallerDoesNotStart) {
    WriteScript("");
    auto held = platform::NamedMutex::Acquire("ORVSETUP");
    ASSERT_TRUE(held && held.Value());
    EXPECT_EQ(Run({"/SILENT"}), kExitFailed);
    EXPECT_EQ(err.str(), "setup: another installer is running\n");
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\UNSETUP.INI")));
}

// The program itself, copied to the medium as the installer it will also leave as uninstaller.
TEST_F(Unattended, TheProgramInstallsAndLeavesItselfAsTheUninstaller) {
    WriteScript("[DefaultFolder]\nFolder=(Prg)\\Program\n[CopyFile]\nFile1=(App)a.txt\n");
    fs::copy_file(fs::path(LUMARO_BIN_DIR) / "setup", MediumHost() / "SETUP.EXE",
                  fs::copy_options::overwrite_existing);
    const std::string program = (MediumHost() / "SETUP.EXE").string();
    const std::string command = "'" + program + "' /SILENT 2>&1";
    std::FILE* raw = popen(command.c_str(), "r");
    ASSERT_NE(raw, nullptr);
    std::string output;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, raw) != nullptr) {
        output += buffer;
    }
    const int status = pclose(raw);
    EXPECT_EQ(WEXITSTATUS(status), 0) << output;
    EXPECT_EQ(ReadBytes(Host("C:\\Program Files\\Program\\a.txt")), "a");
    EXPECT_EQ(ReadBytes(Host("C:\\WINDOWS\\UNORSET.EXE")), ReadBytes(MediumHost() / "SETUP.EXE"));
}

} // namespace
