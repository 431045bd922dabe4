#include "setup/messages.h"
#include "setup/session.h"
#include "setup/work_folder.h"
#include "tests/setup/setup_fixture.h"

using namespace setup;
using setup_test::ReadBytes;
using setup_test::Sjis;

namespace {

TEST(RunMode, IsUnsetupOnlyForTheExactLogName) {
    EXPECT_EQ(RunModeOf("C:\\Program Files\\P\\UNSETUP.INI"), RunMode::Unsetup);
    EXPECT_EQ(RunModeOf("/home/u/P/UNSETUP.INI"), RunMode::Unsetup);
    EXPECT_EQ(RunModeOf("UNSETUP.INI"), RunMode::Unsetup);
    EXPECT_EQ(RunModeOf("C:\\P\\unsetup.ini"), RunMode::Setup);
    EXPECT_EQ(RunModeOf("C:\\P\\UnSetup.ini"), RunMode::Setup);
    EXPECT_EQ(RunModeOf(""), RunMode::Setup);
    EXPECT_EQ(RunModeText(RunMode::Setup), "SETUP");
    EXPECT_EQ(RunModeText(RunMode::Unsetup), "UNSETUP");
}

class Session : public setup_test::MachineTest {};

TEST_F(Session, TakesTheFirstFreeWorkFolderAndReusesTheNinetyNinth) {
    EXPECT_EQ(ChooseWorkFolder(TemporaryFolder()), TemporaryFolder() + "ZSTMP1\\");
    EXPECT_TRUE(std::filesystem::is_directory(TemporaryHost() / "ZSTMP1"));
    EXPECT_EQ(ChooseWorkFolder(TemporaryFolder()), TemporaryFolder() + "ZSTMP2\\");
    for (int n = 3; n <= 99; ++n) {
        std::filesystem::create_directory(TemporaryHost() / ("ZSTMP" + std::to_string(n)));
    }
    EXPECT_EQ(ChooseWorkFolder(TemporaryFolder()), TemporaryFolder() + "ZSTMP99\\");
    std::filesystem::create_directory(TemporaryHost() / "ZSTMP100");
    RemoveWorkFolders(TemporaryFolder());
    EXPECT_FALSE(std::filesystem::exists(TemporaryHost() / "ZSTMP1"));
    EXPECT_FALSE(std::filesystem::exists(TemporaryHost() / "ZSTMP99"));
    EXPECT_TRUE(std::filesystem::exists(TemporaryHost() / "ZSTMP100"));
}

TEST_F(Session, CopiesTheInstallerAndTheScriptIntoTheWorkFolder) {
    WriteScript("[Title]\nSetup=Test\n");
    WriteMediumFile("setup.exe", "program");
    const SetupSession session = StartSession(MediumFolder(), "");
    EXPECT_EQ(session.mode, RunMode::Setup);
    EXPECT_EQ(session.programFolder, MediumFolder());
    EXPECT_EQ(session.temporaryFolder, TemporaryFolder());
    EXPECT_EQ(session.workFolder, TemporaryFolder() + "ZSTMP1\\");
    EXPECT_EQ(session.scriptFile, TemporaryFolder() + "ZSTMP1\\SETUP.INI");
    EXPECT_EQ(session.startupErrors, "");
    EXPECT_EQ(ReadBytes(TemporaryHost() / "ZSTMP1" / "SETUP.INI"), "[Title]\r\nSetup=Test\r\n");
    EXPECT_EQ(ReadBytes(TemporaryHost() / "ZSTMP1" / "SETUPZ.EXE"), "program");
}

TEST_F(Session, AMissingScriptIsAFatalStartupError) {
    const SetupSession session = StartSession(MediumFolder(), "C:\\x\\unsetup.ini");
    EXPECT_EQ(session.mode, RunMode::Setup);
    EXPECT_EQ(session.startupErrors, Sjis("【致命的エラー  →  iniファイル読み込み失敗】\r\r"
                                          "セットアップ・アンセットアップ(アンインストール)は"
                                          "続行できません．"));
}

TEST_F(Session, UnsetupCopiesTheLogNamedByTheArgument) {
    setup_test::WriteBytes(Root() / "app" / "UNSETUP.INI", "[Title]\r\nUnSetup=T\r\n");
    const SetupSession session =
        StartSession(MediumFolder(), (Root() / "app/UNSETUP.INI").string());
    EXPECT_EQ(session.mode, RunMode::Unsetup);
    EXPECT_EQ(session.scriptFile, TemporaryFolder() + "ZSTMP1\\UNSETUP.INI");
    EXPECT_EQ(session.startupErrors, "");
    EXPECT_EQ(ReadBytes(Host(session.scriptFile)), "[Title]\r\nUnSetup=T\r\n");
}

} // namespace
