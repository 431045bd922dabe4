// Uninstall logs written to do harm, or damaged: each names something no install made, and the
// uninstaller refuses it, says so in its report, fails the run, and leaves everything outside
// the install folder as it was.

#include "platform/codepage.h"
#include "platform/machine_folder.h"
#include "tests/setup/uninstall_fixture.h"

using namespace setup;
using setup_test::ReadBytes;
using setup_test::WriteBytes;
using setup_test::WriteIni;

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kApp = "C:\\Program Files\\Test\\";

struct HostileLog {
    const char* name;
    // The log's sections after [SetupFolder]; {app}, {home}, {root} and {machine} stand for the
    // install folder and the host folders in Windows spelling, each with a trailing "\".
    std::string sections;
    std::string refusedLine; // the report's line naming the entry, same placeholders
    std::string reason;      // the report's line after it
    std::string setupFolder = "{app}";
    std::string logFile = "{app}UNSETUP.INI";
};

const std::string kOutside =
    "セットアップフォルダの外にあり，セットアップが作成する種類のファイル・"
    "フォルダでもないため，削除しませんでした．";
const std::string kProtected = "マシンのフォルダ（Windows・System・Program Files・スタートメニュー"
                               "など）・ドライブのルート・ホームフォルダ・セットアップフォルダ，"
                               "またはそれを含むフォルダのため，削除しませんでした．";
const std::string kMachineFile = "レジストリの保存ファイル，またはすべてのセットアップが共有する"
                                 "ファイルのため，削除しませんでした．";
const std::string kPattern =
    "ワイルドカードはセットアップフォルダの中でだけ使えるため，削除しませんでした．";

const HostileLog kHostileLogs[] = {
    {"AFileOutsideEverything", "[DeleteFile]\nFile1={root}outside\\keep.txt\n",
     "<File> {root}outside\\keep.txt", kOutside},
    {"AWildcardOnAnotherDrive", "[AddDeleteFile]\nFile1={root}outside\\D*\n",
     "<File> {root}outside\\D*", kPattern},
    {"AWildcardAboveTheInstallFolder", "[AddDeleteFile]\nFile1={app}..\\*.*\n",
     "<File> {app}..\\*.*", kPattern},
    {"TheUsersProfile", "[DeleteFile]\nFile1={home}.bashrc\n", "<File> {home}.bashrc", kOutside},
    {"TheHomeFolder", "[DeleteFolder]\nFolder1={home}\n", "<Folder> {home}", kProtected},
    {"AFolderAboveTheInstallFolder", "[DeleteFolder]\nFolder1=C:\\Program Files\\\n",
     "<Folder> C:\\Program Files\\", kProtected},
    {"TheRegistryStore", "[DeleteFile]\nFile1={machine}registry.db\n",
     "<File> {machine}registry.db", kMachineFile},
    {"TheFolderMemoryOfEveryInstall", "[DeleteFile]\nFile1=C:\\WINDOWS\\ORSET98.INI\n",
     "<File> C:\\WINDOWS\\ORSET98.INI", kMachineFile},
    {"AFileThroughALinkInTheInstallFolder", "[DeleteFile]\nFile1={app}docs\\paper.txt\n",
     "<File> {app}docs\\paper.txt", kOutside},
    {"AFolderThatLinksOutOfTheInstallFolder",
     "[DeleteFolder]\nFolder1={app}docs\\\n[UnSetupOption]\nCheckBox=1,1,0,0\n",
     "<Folder> {app}docs\\", kOutside},
    {"AShortcutThatIsNone", "[DeleteShortCut]\nFile1={home}Documents\\paper.txt\n",
     "<ShortCut> {home}Documents\\paper.txt", kOutside},
    {"DeleteAllOfAFolderTheLogDoesNotLieIn", "[UnSetupOption]\nCheckBox=DeleteAll\n",
     "<SetupFolder> {home}Documents\\",
     "記録されたセットアップフォルダでないか，Program Filesフォルダの下にないため，全ファイル・"
     "フォルダの削除は行いませんでした．",
     "{home}Documents\\", "{root}UNSETUP.INI"},
    {"AUsersFileThatTheInstallDidNotMake",
     "[DeleteFile]\nFile1={app}USER.INI\n[InstalledFile]\nFormat=1\n", "<File> {app}USER.INI",
     "セットアップがコピーしたときのファイルではない（後から変更された，または元からあった）ため"
     "，削除しませんでした．"},
    {"ARegistryKeyOtherThanTheProgramList", "[UnSetupRegistryKey]\nKey=SOFTWARE\n",
     "<UnSetup> SOFTWARE", "アンインストール情報のキーではないため，削除しませんでした．"},
};

class HostileLogs : public setup_test::UninstallTest,
                    public ::testing::WithParamInterface<HostileLog> {
protected:
    fs::path Home() const { return Root() / "home" / "user"; }

    // The placeholders of the table filled in (UTF-8).
    std::string Fill(std::string text) const {
        const std::pair<std::string, std::string> values[] = {
            {"{app}", std::string(kApp)},
            {"{home}", Spelled(Home())},
            {"{root}", Spelled(Root())},
            {"{machine}", Spelled(platform::MachineFolder().Value())},
        };
        for (const auto& [placeholder, value] : values) {
            for (std::size_t at; (at = text.find(placeholder)) != std::string::npos;) {
                text.replace(at, placeholder.size(), value);
            }
        }
        return text;
    }
    std::string Spelled(const fs::path& host) const {
        return platform::Cp932ToUtf8(Windows(host)) + "\\";
    }

    // A machine with the user's files, a bystander outside, an installed file and links from the
    // install folder to the user's files.
    void MakeMachine() {
        UseMachine();
        setenv("HOME", Home().c_str(), 1);
        WriteBytes(Home() / ".bashrc", "the user's profile");
        WriteBytes(Home() / "Documents" / "paper.txt", "the user's paper");
        WriteBytes(Root() / "outside" / "keep.txt", "a bystander");
        WriteBytes(Root() / "outside" / "Data.txt", "another");
        WriteBytes(Host(std::string(kApp) + "a.txt"), "installed");
        WriteBytes(Host(std::string(kApp) + "USER.INI"), "the user's settings");
        WriteIni(Host("C:\\WINDOWS\\ORSET98.INI"), "[Other]\nFolder=C:\\Other\\\n");
        fs::create_directory_symlink(Home() / "Documents", Host(std::string(kApp) + "docs"));
    }

    // Every file of the sandbox and the machine outside the install folder: its contents, or
    // its link's target. The registry store is there; its contents are the registry's affair.
    std::map<std::string, std::string> Outside() const {
        std::map<std::string, std::string> files;
        const fs::path app = Host(kApp);
        for (const fs::path& top : {Root(), platform::MachineFolder().Value()}) {
            for (auto it = fs::recursive_directory_iterator(top); it != fs::end(it); ++it) {
                const fs::path& path = it->path();
                if (path == app) {
                    it.disable_recursion_pending();
                    continue;
                }
                if (it->is_symlink()) {
                    files[path.string()] = "link to " + fs::read_symlink(path).string();
                } else if (path.filename().string().starts_with("registry.db")) {
                    files[path.string()] = "registry";
                } else {
                    files[path.string()] = it->is_regular_file() ? ReadBytes(path) : "folder";
                }
            }
        }
        return files;
    }
};

TEST_P(HostileLogs, AreRefusedReportedAndChangeNothingOutsideTheInstall) {
    const HostileLog& hostile = GetParam();
    MakeMachine();
    const std::string logFile = Fill(hostile.logFile);
    WriteIni(Host(setup_test::Sjis(logFile)),
             Fill("[SetupFolder]\nFolder=" + hostile.setupFolder + "\n" + hostile.sections));
    StartUninstall(setup_test::Sjis(logFile));
    const std::map<std::string, std::string> before = Outside();
    uninstallPorts.AnswerNext("警告", Answer::No);

    const UninstallResult result = Uninstall();
    EXPECT_FALSE(result.Succeeded());
    const std::string report = platform::Cp932ToUtf8(result.errorReport);
    EXPECT_NE(report.find(Fill(hostile.refusedLine) + "\r\n" + hostile.reason + "\r\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(Outside(), before);
}

INSTANTIATE_TEST_SUITE_P(Uninstaller, HostileLogs, ::testing::ValuesIn(kHostileLogs),
                         [](const ::testing::TestParamInfo<HostileLog>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
