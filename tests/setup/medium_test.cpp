// The distribution medium the build writes, installed and uninstalled by the program itself as
// a user without windows would: SETUP.EXE /SILENT from the medium, then the command that the
// install recorded for the platform's program list, with /SILENT.

#include "platform/codepage.h"
#include "platform/lz_expand.h"
#include "platform/named_mutex.h"
#include "tests/setup/uninstall_fixture.h"
#include "tests/support/tool_run.h"

#include <sys/wait.h>

using platform::RegistryRoot;
using setup_test::ReadBytes;
using setup_test::WriteBytes;
using setup_test::WriteIni;

namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

constexpr std::string_view kApp = "C:\\Program Files\\LumaroUty\\";
constexpr std::string_view kShared = "C:\\Program Files\\Common Files\\Hestrom\\HESTROM.TXT";
constexpr std::string_view kUninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\LumaroUty";

class Medium : public setup_test::UninstallTest {
protected:
    static fs::path MediumFolder() { return fs::path(SETUP_MEDIUM_DIR); }

    // Runs a program of the machine or the medium with the arguments; its exit status, and
    // what it wrote in output.
    int Run(const fs::path& program, const std::string& arguments, std::string& output) const {
        const fixture::ToolRun run =
            fixture::RunTool(fixture::Quoted(program) + " " + arguments + " 2>&1");
        output = run.output;
        return run.exitCode;
    }

    // The command the install recorded, run unattended.
    int RunUninstallCommand(std::string_view key, std::string& output) const {
        const std::string command =
            RegistryTextAt(RegistryRoot::LocalMachine, key, "UninstallString");
        const std::size_t quote = command.find(" \"");
        EXPECT_NE(quote, std::string::npos) << command;
        const fs::path program = Host(command.substr(0, quote));
        return Run(program, command.substr(quote + 1) + " /SILENT", output);
    }

    void InstallLumaroUty() {
        std::string output;
        ASSERT_EQ(Run(MediumFolder() / "SETUP.EXE", "/SILENT", output), 0) << output;
    }
};

TEST_F(Medium, HoldsTheInstallerTheScriptAndTheUtilityWithACompressedReadme) {
    for (const char* name : {"SETUP.EXE", "SETUP.INI", "README.TXT", "README.TXT_", "LumaroUty",
                             "lumaro", "LumaroUty.html", "HESTROM.TXT"}) {
        EXPECT_TRUE(fs::is_regular_file(MediumFolder() / name)) << name;
    }
    const auto compressed = platform::IsLzCompressed(MediumFolder() / "README.TXT_");
    ASSERT_TRUE(compressed) << compressed.Error();
    EXPECT_TRUE(compressed.Value());
    const std::string script = platform::Cp932ToUtf8(ReadBytes(MediumFolder() / "SETUP.INI"));
    EXPECT_NE(script.find("Setup=LumaroUty"), std::string::npos);
    EXPECT_NE(script.find("\r\n[CopyFile]\r\nFile1=(App)LumaroUty\r\n"), std::string::npos);
    EXPECT_NE(script.find("=(App)README.TXT_\r\n"), std::string::npos);
    EXPECT_EQ(fs::exists(MediumFolder() / "Hestrom.jpg"),
              script.find("=(App)Hestrom.jpg\r\n") != std::string::npos);
}

TEST_F(Medium, InstallsLumaroUtyAndTheRecordedCommandRemovesIt) {
    UseMachine();
    WriteBytes(Host("C:\\My Documents\\DSCN0001.JPG"), "the user's photo");
    WriteRegistryText(RegistryRoot::ClassesRoot, ".lmrtest", "", "viewer_file");
    WriteRegistryText(RegistryRoot::CurrentUser, "Software\\Other", "Setting", "kept");
    const setup_test::MachineState before = Snapshot();
    InstallLumaroUty();

    const fs::path installed = Host(std::string(kApp) + "LumaroUty");
    EXPECT_EQ(ReadBytes(installed), ReadBytes(MediumFolder() / "LumaroUty"));
    EXPECT_NE(fs::status(installed).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(ReadBytes(Host(std::string(kApp) + "README.TXT")),
              ReadBytes(MediumFolder() / "README.TXT"));
    EXPECT_EQ(ReadBytes(Host(std::string(kApp) + "help\\LumaroUty.html")),
              ReadBytes(MediumFolder() / "LumaroUty.html"));
    EXPECT_EQ(fs::exists(Host(std::string(kApp) + "Hestrom.jpg")),
              fs::exists(MediumFolder() / "Hestrom.jpg"));
    EXPECT_TRUE(fs::exists(Host("C:\\WINDOWS\\Start Menu\\Programs\\LumaroUty\\LumaroUty.lnk")));
    EXPECT_TRUE(fs::exists(Host("C:\\WINDOWS\\Desktop\\LumaroUty.lnk")));
    if (fixture::HaveTool("lnkinfo")) {
        const fs::path help = Host(
            setup_test::Sjis("C:\\WINDOWS\\Start Menu\\Programs\\LumaroUty\\LumaroUty ヘルプ.lnk"));
        const fixture::ToolRun info =
            fixture::RunTool("lnkinfo -c windows-932 " + fixture::Quoted(help) + " 2>&1");
        EXPECT_NE(info.output.find("C:\\Program Files\\LumaroUty\\help\\LumaroUty.html"),
                  std::string::npos)
            << info.output;
    }
    EXPECT_EQ(
        RegistryTextAt(RegistryRoot::LocalMachine, "SOFTWARE\\Hestrom\\LumaroUty", "InstallFolder"),
        "C:\\Program Files\\LumaroUty");
    EXPECT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, ".lmrtest", ""), "lmrtest_auto_file");
    EXPECT_EQ(SharedCount(kShared), 1u);
    std::string output;
    EXPECT_EQ(Run(installed.parent_path() / "lumaro", "--help", output), 0) << output;

    ASSERT_EQ(RunUninstallCommand(kUninstallKey, output), 0) << output;
    EXPECT_NE(output.find("setup: uninstalled from C:\\Program Files\\LumaroUty\\\n"),
              std::string::npos)
        << output;
    const setup_test::MachineDifference difference = Compare(before, Snapshot());
    EXPECT_EQ(difference.lostOrChanged, Names{});
    // Left on purpose: the uninstaller, the folder memory without the program's section, the
    // shared file that nobody counts any more (an unattended run keeps it) with its folders,
    // the lock file that keeps installers apart, and keys without values above those the
    // install made.
    const std::string version = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    EXPECT_EQ(difference.added,
              (Names{"drive_c/WINDOWS/ORSET98.INI", "drive_c/WINDOWS/UNORSET.EXE",
                     "lumaro-mutex-ORVSETUP.lock", "drive_c/Program Files/Common Files",
                     "drive_c/Program Files/Common Files/Hestrom",
                     "drive_c/Program Files/Common Files/Hestrom/HESTROM.TXT",
                     "HKEY_LOCAL_MACHINE\\SOFTWARE", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Hestrom",
                     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft",
                     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows", version,
                     version + "\\SharedDLLs", version + "\\Uninstall"}));
}

TEST_F(Medium, ASecondInstallerWithWindowsQuitsAtOnce) {
    auto held = platform::NamedMutex::Acquire("ORVSETUP");
    ASSERT_TRUE(held && held.Value());
    std::string output;
    // Were the check missing, the windows would wait for a user; timeout ends the wait.
    EXPECT_EQ(
        Run("/usr/bin/timeout", "60 " + fixture::Quoted(MediumFolder() / "SETUP.EXE"), output), 0)
        << output;
    EXPECT_FALSE(fs::exists(TemporaryHost() / "ZSTMP1"));
}

TEST_F(Medium, AnotherProductSharingTheFileKeepsItAndItsCount) {
    const fs::path other = Root() / "other";
    fs::create_directories(other);
    fs::copy_file(MediumFolder() / "SETUP.EXE", other / "SETUP.EXE");
    fs::copy_file(MediumFolder() / "HESTROM.TXT", other / "HESTROM.TXT");
    WriteBytes(other / "other.txt", "other");
    WriteIni(other / "SETUP.INI",
             "[Title]\nSetup=Other\n[DefaultFolder]\nFolder=(Prg)Other\n[MakeFolder]\n"
             "Folder1=(Prg)Common Files\nFolder2=(Prg)Common Files\\Hestrom\n[CopyFile]\n"
             "File1=(App)other.txt\nFile2=(Prg)Common Files\\Hestrom\\HESTROM.TXT,/S\n");
    InstallLumaroUty();
    std::string output;
    ASSERT_EQ(Run(other / "SETUP.EXE", "/SILENT", output), 0) << output;
    EXPECT_EQ(SharedCount(kShared), 2u);

    ASSERT_EQ(RunUninstallCommand(kUninstallKey, output), 0) << output;
    EXPECT_FALSE(fs::exists(Host(kApp)));
    EXPECT_EQ(ReadBytes(Host(kShared)), ReadBytes(MediumFolder() / "HESTROM.TXT"));
    EXPECT_EQ(SharedCount(kShared), 1u);
    EXPECT_EQ(output.find("[shared file]"), std::string::npos) << output;

    ASSERT_EQ(RunUninstallCommand("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other",
                                  output),
              0)
        << output;
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\Other")));
    EXPECT_EQ(SharedCount(kShared), std::nullopt);
    EXPECT_NE(output.find("[shared file] " + std::string(kShared)), std::string::npos) << output;
}

} // namespace
