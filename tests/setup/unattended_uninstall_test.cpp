#include "platform/codepage.h"
#include "setup/command_line.h"
#include "setup/unattended_setup.h"
#include "tests/setup/setup_fixture.h"

#include <sstream>

using namespace setup;
using setup_test::ReadBytes;
using setup_test::WriteBytes;

namespace {

namespace fs = std::filesystem;

class SilentUninstall : public setup_test::MachineTest {
protected:
    SilentUninstall() : current_(fs::current_path()) {}
    ~SilentUninstall() override {
        std::error_code ignored;
        fs::current_path(current_, ignored);
    }

    void SetUp() override {
        WriteMediumFile("SETUP.EXE", "installer");
        WriteMediumFile("a.txt", "a");
        WriteMediumFile("common.dll", "shared");
        WriteScript("[Title]\nSetup=Quiet\n[DefaultFolder]\nFolder=(Prg)\\Quiet\n[MakeFolder]\n"
                    "Folder1=(App)docs\nFolder2=(Prg)Common "
                    "Files\n[CopyFile]\nFile1=(App)a.txt\nFile2=(App)docs\\a.txt\n"
                    "File3=(Prg)Common Files\\common.dll,/S\n[Registry]\nKey1=Software\\Quiet\n"
                    "Name1=Folder\nValue1=(App)\n[DeleteRegistry]\nKey1=Software\\Quiet\n");
    }

    int Run(const std::vector<std::string>& arguments) {
        err.str("");
        return RunUnattendedSetup(ParseCommandLine(arguments), MediumFolder(), err);
    }

    std::ostringstream err;

private:
    fs::path current_;
};

TEST_F(SilentUninstall, RemovesTheInstallButKeepsASharedFileNobodyCountsAnyMore) {
    ASSERT_EQ(Run({"/SILENT"}), kExitSucceeded) << err.str();
    ASSERT_TRUE(fs::exists(Host("C:\\Program Files\\Quiet\\docs\\a.txt")));
    const fs::path log = Host("C:\\Program Files\\Quiet\\UNSETUP.INI");

    EXPECT_EQ(Run({log.string(), "/SILENT"}), kExitSucceeded) << err.str();
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\Quiet")));
    EXPECT_EQ(ReadBytes(Host("C:\\Program Files\\Common Files\\common.dll")), "shared");
    const std::string text = err.str();
    EXPECT_NE(text.find("setup: アンセットアップ(アンインストール)を行っています．．．\n"),
              std::string::npos)
        << text;
    EXPECT_NE(
        text.find("setup: [shared file] C:\\Program Files\\Common Files\\common.dll\n"
                  "    この共有ファイルは，現在，他のどのプログラムからも使われていません．\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("    -> No\n"), std::string::npos);
    EXPECT_NE(text.find("setup: [完了] アンセットアップを完了しました．\n"), std::string::npos);
    EXPECT_NE(text.find("setup: uninstalled from C:\\Program Files\\Quiet\\\n"), std::string::npos);
    // Temporary work folders are gone at the end, as after an install.
    EXPECT_FALSE(fs::exists(TemporaryHost() / "ZSTMP1"));
}

TEST_F(SilentUninstall, AFolderThatCannotGoIsReportedAndFailsTheRun) {
    ASSERT_EQ(Run({"/SILENT"}), kExitSucceeded) << err.str();
    WriteBytes(Host("C:\\Program Files\\Quiet\\docs\\mine.txt"), "the user's");
    EXPECT_EQ(Run({"C:\\Program Files\\Quiet\\UNSETUP.INI", "/SILENT"}), kExitFailed);
    EXPECT_EQ(ReadBytes(Host("C:\\Program Files\\Quiet\\docs\\mine.txt")), "the user's");
    EXPECT_NE(err.str().find("setup: [削除処理失敗　詳細表示] <Folder> "
                             "C:\\Program Files\\Quiet\\docs\\\n"),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("setup: uninstalled from C:\\Program Files\\Quiet\\ with 2 "
                             "failure(s)\n"),
              std::string::npos)
        << err.str();
}

} // namespace
