#include "platform/codepage.h"
#include "tests/setup/uninstall_fixture.h"

using namespace setup;
using platform::RegistryRoot;
using setup_test::ReadBytes;
using setup_test::WriteBytes;

namespace {

namespace fs = std::filesystem;
using Names = std::set<std::string>;

constexpr std::string_view kUninstallKeys =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class RoundTrip : public setup_test::UninstallTest {
protected:
    void SetUp() override {
        WriteMediumFile("SETUP.EXE", "installer");
        WriteMediumFile("app.txt", "application");
        WriteMediumFile("index.htm", "<html></html>");
        WriteMediumFile("common.txt", "shared by the products of one maker");
    }

    // A product that installs into (Prg)<name> and shares common.txt with its siblings.
    void WriteProduct(std::string_view name) const {
        const std::string n(name);
        WriteScript("[Title]\nSetup=" + n + "\n[DefaultFolder]\nFolder=(Prg)" + n +
                    "\n[ProgramID]\nID=" + n +
                    "\n[MakeFolder]\nFolder1=(App)html\nFolder2=(Prg)Common Files\n"
                    "Folder3=(Prg)Common Files\\Hestrom\n[CopyFile]\nFile1=(App)app.txt\n"
                    "File2=(App)html\\index.htm\n"
                    "File3=(Prg)Common Files\\Hestrom\\common.txt,/S\n[ShortCut]\n"
                    "Make1=(App)app.txt\nName1=(Sta)" +
                    n + "\\" + n +
                    "\nMake2=(App)app.txt\n"
                    "Name2=(Dsk)" +
                    n + "\n[Registry]\nKey1=Software\\Hestrom\\" + n +
                    "\nName1=Folder\nValue1=(Pdd)(Str)(App)\n[IniFile]\nData1=" + n +
                    ",Folder,(App),(Win)" + n + ".INI\n[AddDeleteFile]\nFile1=(Win)" + n +
                    ".INI\nFile2=(App)*.log\n[DeleteRegistry]\nKey1=Software\\Hestrom\\" + n +
                    "\n[Relate]\nName1=rtt,Round trip file\nFile1=open,(App)app.txt,%1,0\n");
    }

    // Installs the product, starting a fresh session on the medium.
    void InstallProduct(std::string_view name) {
        WriteProduct(name);
        session.reset();
        ports = {};
        Start();
        options = DefaultInstallOptions(*script);
        const InstallResult result = Install("C:\\Program Files\\" + std::string(name) + "\\");
        ASSERT_TRUE(result.Succeeded()) << platform::Cp932ToUtf8(result.errorReport);
    }

    // Uninstalls through the command the install recorded: the uninstaller in the Windows
    // folder and the log in double quotes.
    UninstallResult UninstallProduct(std::string_view name) {
        const std::string command =
            RegistryTextAt(RegistryRoot::LocalMachine,
                           std::string(kUninstallKeys) + std::string(name), "UninstallString");
        const std::size_t quote = command.find(" \"");
        EXPECT_NE(quote, std::string::npos) << command;
        EXPECT_EQ(command.substr(0, quote), "C:\\WINDOWS\\UNORSET.EXE");
        EXPECT_EQ(ReadBytes(Host(command.substr(0, quote))), "installer");
        EXPECT_EQ(command.back(), '"');
        uninstallSession.reset();
        uninstallPorts = {};
        StartUninstall(command.substr(quote + 2, command.size() - quote - 3));
        return Uninstall();
    }
};

TEST_F(RoundTrip, LeavesTheMachineAsItWasButForTheUninstallerAndEmptyKeysAboveItsOwn) {
    UseMachine();
    WriteBytes(Host("C:\\My Documents\\photo.jpg"), "the user's photo");
    WriteBytes(Host("C:\\WINDOWS\\Desktop\\notes.txt"), "the user's notes");
    WriteRegistryText(RegistryRoot::CurrentUser, "Software\\Other", "Setting", "kept");
    WriteRegistryText(RegistryRoot::ClassesRoot, ".rtt", "", "viewer_file");
    WriteRegistryText(RegistryRoot::ClassesRoot, "viewer_file\\shell\\open\\command", "", "v %1");
    const setup_test::MachineState before = Snapshot();

    InstallProduct("RoundTrip");
    ASSERT_TRUE(fs::exists(Host("C:\\Program Files\\RoundTrip\\html\\index.htm")));
    ASSERT_TRUE(fs::exists(Host("C:\\WINDOWS\\Start Menu\\Programs\\RoundTrip\\RoundTrip.lnk")));
    ASSERT_EQ(RegistryTextAt(RegistryRoot::ClassesRoot, ".rtt", ""), "rtt_auto_file");
    WriteBytes(Host("C:\\Program Files\\RoundTrip\\run.log"), "written by the program");
    sharedFiles.AnswerNext(SharedFileAnswer::Yes);
    const UninstallResult result = UninstallProduct("RoundTrip");
    EXPECT_TRUE(result.Succeeded()) << platform::Cp932ToUtf8(result.errorReport);

    const setup_test::MachineDifference difference = Compare(before, Snapshot());
    EXPECT_EQ(difference.lostOrChanged, Names{});
    // Left on purpose: the uninstaller, the folder memory without the program's section, and
    // keys without values above those the install made (the shared counts, the program list,
    // the maker's key).
    const std::string version = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    EXPECT_EQ(difference.added,
              (Names{"drive_c/WINDOWS/ORSET98.INI", "drive_c/WINDOWS/UNORSET.EXE",
                     "HKEY_CURRENT_USER\\Software\\Hestrom", "HKEY_LOCAL_MACHINE\\SOFTWARE",
                     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft",
                     "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows", version,
                     version + "\\SharedDLLs", version + "\\Uninstall"}));
    EXPECT_EQ(ReadBytes(Host("C:\\WINDOWS\\ORSET98.INI")), "");
    EXPECT_EQ(sharedFiles.questions.size(), 1u);
}

TEST_F(RoundTrip, ASecondProductKeepsTheSharedFileAndItsCount) {
    UseMachine();
    const std::string common = "C:\\Program Files\\Common Files\\Hestrom\\common.txt";
    InstallProduct("First");
    InstallProduct("Second");
    EXPECT_EQ(SharedCount(common), 2u);

    UninstallResult result = UninstallProduct("First");
    EXPECT_TRUE(result.Succeeded()) << platform::Cp932ToUtf8(result.errorReport);
    EXPECT_EQ(sharedFiles.questions.size(), 0u);
    EXPECT_EQ(SharedCount(common), 1u);
    EXPECT_EQ(ReadBytes(Host(common)), "shared by the products of one maker");
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\First")));
    EXPECT_TRUE(fs::exists(Host("C:\\Program Files\\Second\\app.txt")));
    // The association now belongs to the second product, which recorded the first one's type.
    EXPECT_FALSE(KeyExists(RegistryRoot::ClassesRoot, ".rtt"));

    sharedFiles.AnswerNext(SharedFileAnswer::Yes);
    result = UninstallProduct("Second");
    EXPECT_TRUE(result.Succeeded()) << platform::Cp932ToUtf8(result.errorReport);
    EXPECT_EQ(sharedFiles.questions.size(), 1u);
    EXPECT_EQ(SharedCount(common), std::nullopt);
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\Common Files\\Hestrom")));
}

} // namespace

namespace {

// The folder made twice is one entry of the log, so the uninstall removes it once and finds no
// second entry for a folder that is gone.
TEST_F(RoundTrip, AFolderRecordedTwiceIsWrittenOnceAndRemovedWithoutAFailure) {
    WriteScript("[MakeFolder]\nFolder1=(App)html\nFolder2=(App)HTML\\\nFolder3=(App)Html\n"
                "[CopyFile]\nFile1=(App)html\\index.htm\n");
    Start();
    ASSERT_TRUE(Install().Succeeded());
    EXPECT_EQ(SectionLines("C:\\Program Files\\Test\\UNSETUP.INI", "DeleteFolder"),
              std::vector<std::string>{"Folder1=C:\\Program Files\\Test\\Html\\"});
    StartUninstall();
    const UninstallResult result = Uninstall();
    EXPECT_TRUE(result.Succeeded()) << platform::Cp932ToUtf8(result.errorReport);
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\Test")));
}

} // namespace
