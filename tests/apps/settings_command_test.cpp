#include "apps/lumaro/settings_command.h"
#include "platform/codepage.h"
#include "shell/settings_live.h"
#include "shell/settings_records.h"
#include "tests/support/machine_sandbox.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace shell;

namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun Settings(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunSettingsCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// The output of `get` run in a child process, as another program would see the registry.
std::string GetInChild(const std::string& section, const std::string& name) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return "(no pipe)";
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const CommandRun run = Settings({"get", section, name});
        const std::string text = run.status == 0 ? run.out : "(failed) " + run.err;
        const bool whole =
            write(pipeEnds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        _exit(whole ? 0 : 1);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return text;
}

class SettingsCommandTest : public ::testing::Test {
protected:
    fixture::MachineSandbox machine_;
};

} // namespace

TEST_F(SettingsCommandTest, GetPrintsTheDefaultUntilAValueIsStored) {
    EXPECT_EQ(Settings({"get", "Setup", "Date2"}).out, "_\n");
    EXPECT_EQ(Settings({"get", "Setup", "List"}).out,
              " 1 2 3 4 5 6 7 8 910111213141516171819202122232425\n");
    EXPECT_EQ(Settings({"get", "FileCopy", "EditDCF"}).out, "DSCN\n");
    EXPECT_EQ(Settings({"get", ".", "FontInfoList"}).out, "\n");

    const CommandRun set = Settings({"set", "setup", "date2", "-"});
    EXPECT_EQ(set.status, 0) << set.err;
    const CommandRun get = Settings({"get", "Setup", "Date2"});
    EXPECT_EQ(get.status, 0);
    EXPECT_EQ(get.out, "-\n");
    EXPECT_EQ(get.err, "");
}

TEST_F(SettingsCommandTest, ValuesSavedByTheProgramAreVisibleToGetInAnotherProcess) {
    SettingsStore store = SettingsStore::OpenMachine();
    LiveSettings live = LiveSettings::Load(store);
    live.setup.datePattern = 3;
    live.setup.homeFolder = platform::Utf8ToCp932("D:\\写真\\表");
    std::swap(live.setup.listColumns[0], live.setup.listColumns[1]);
    live.setup.listColumns[0].ticked = false;
    live.exec[0].options.maximize = true;
    ASSERT_TRUE(live.Save(store).Ok());
    FontInfo font;
    font.height = -12;
    font.faceName = "Arial";
    ASSERT_TRUE(WriteFontInfo(store, settings::kFontInfoList, font).Ok());

    EXPECT_EQ(GetInChild("Setup", "Date1"), "3\n");
    EXPECT_EQ(GetInChild("Setup", "PreFolderPath"), "D:\\写真\\表\n");
    EXPECT_EQ(GetInChild("Setup", "List"), " 2 1 3 4 5 6 7 8 910111213141516171819202122232425\n");
    EXPECT_EQ(GetInChild("Setup", "ListCheck"), "0111111111111111111111111\n");
    EXPECT_EQ(GetInChild("Exec", "ExifA"), "M\n");
    std::string fontHex = "f4 ff ff ff 00 00 00 00 00 00 00 00 00 00 00 05 41 72 69 61 6c";
    for (int i = 0; i < 27; ++i) {
        fontHex += " 00"; // the rest of the face name and the padding byte
    }
    EXPECT_EQ(GetInChild(".", "FontInfoList"), fontHex + "\n");
}

TEST_F(SettingsCommandTest, ListShowsEachValueWithWhetherItIsTheDefault) {
    ASSERT_EQ(Settings({"set", "Setup", "Date1", "3"}).status, 0);
    SettingsStore store = SettingsStore::OpenMachine();
    ASSERT_TRUE(store.WriteString("Setup", "ListThumbSize", "yes").Ok());

    const CommandRun run = Settings({"list", "setup"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 1u + 17u);
    EXPECT_EQ(rows[0], "[Setup]");
    EXPECT_EQ(rows[1], "PreFolder=1  ; default");
    EXPECT_EQ(rows[3], "Date1=3");
    EXPECT_EQ(rows[9], "ListCheck=1111111111111111111111111  ; default");
    EXPECT_EQ(rows[10], "ListThumbSize=1  ; default"); // "yes" is no integer
    EXPECT_EQ(Settings({"get", "Setup", "ListThumbSize"}).out, "yes\n");

    const CommandRun all = Settings({"list"});
    EXPECT_EQ(all.out.rfind("[.]\nFormMainWinPlaceMain=  ; default\n", 0), 0u);
    for (const char* section :
         {"[Display]", "[Setup]", "[Tool]", "[Exec]", "[FileCopy]", "[FileMove]", "[FileRename]",
          "[ExifCopy]", "[ExifAdd]", "[ExifDel]", "[EditDate]", "[HTML]", "[CSV]", "[CrePrezen]"}) {
        EXPECT_NE(all.out.find(std::string(section) + "\n"), std::string::npos) << section;
    }
    EXPECT_NE(all.out.find("\nTitleZ=  ; default\n"), std::string::npos);
}

TEST_F(SettingsCommandTest, SetWritesAsTheProgramWritesAndRefusesWhatItCouldNot) {
    EXPECT_EQ(Settings({"set", "Tool", "Pre2", "7"}).status, 0);
    EXPECT_EQ(SettingsStore::OpenMachine().StoredText("Tool", "Pre2"), "1");
    EXPECT_EQ(Settings({"set", "Display", "LeftW", "+200"}).status, 0);
    EXPECT_EQ(SettingsStore::OpenMachine().StoredText("Display", "LeftW"), "200");
    EXPECT_EQ(Settings({"set", "Exec", "TitleB", "画像ビューア"}).status, 0);
    EXPECT_EQ(SettingsStore::OpenMachine().StoredText("Exec", "TitleB"),
              platform::Utf8ToCp932("画像ビューア"));
    EXPECT_EQ(Settings({"get", "Exec", "TitleB"}).out, "画像ビューア\n");

    const std::string placement = "2c000000 00000000 01000000 ffffffff ffffffff ffffffff ffffffff "
                                  "0a000000 14000000 1e000000 28000000";
    EXPECT_EQ(Settings({"set", ".", "FormMainWinPlaceMain", placement}).status, 0);
    EXPECT_EQ(ReadWindowPlacement(SettingsStore::OpenMachine())->normalPosition,
              (WindowRect{10, 20, 30, 40}));

    const std::vector<std::string> refused[] = {
        {"set", "Setup", "Date1", "three"},
        {"set", "Tool", "Pre1", "yes"},
        {"set", "Setup", "List", " 1 1 3"},
        {"set", "Setup", "ListCheck", "1"},
        {"set", ".", "FontInfoList", "00 11"},
        {"set", ".", "FontInfoList", "zz"},
        {"set", "Setup", "Date2", "\xF0\x9F\x98\x80"},
    };
    for (const std::vector<std::string>& args : refused) {
        const CommandRun run = Settings(args);
        EXPECT_EQ(run.status, 2) << args[2];
        EXPECT_NE(run.err, "") << args[2];
        EXPECT_EQ(SettingsStore::OpenMachine().StoredValue(args[1] == "." ? "" : args[1], args[2]),
                  std::nullopt)
            << args[2];
    }
}

TEST_F(SettingsCommandTest, UnknownNamesAndWrongArgumentsAreUsageErrors) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"get", "Setup"},
             {"set", "Setup", "Date2"},
             {"list", "Setup", "Date2"},
             {"remove", "Setup", "Date2"},
         }) {
        const CommandRun run = Settings(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage: lumaro settings"), std::string::npos);
    }
    EXPECT_EQ(Settings({"get", "Setup", "Colour"}).status, 2);
    EXPECT_EQ(Settings({"get", "Settings", "Date2"}).status, 2);
    EXPECT_EQ(Settings({"list", "Nowhere"}).status, 2);
    EXPECT_EQ(Settings({"set", "Setup", "Unknown", "1"}).status, 2);
}

TEST_F(SettingsCommandTest, ADamagedRegistryIsReportedAndTheDefaultsAreShown) {
    std::filesystem::create_directories(machine_.Folder());
    std::ofstream(machine_.Database()) << std::string(8192, '#');

    const CommandRun get = Settings({"get", "Setup", "Date3"});
    EXPECT_EQ(get.status, 0);
    EXPECT_EQ(get.out, "4\n");
    EXPECT_NE(get.err.find(machine_.Database().string()), std::string::npos) << get.err;

    const CommandRun set = Settings({"set", "Setup", "Date3", "1"});
    EXPECT_EQ(set.status, 1);
    EXPECT_NE(set.err.find(machine_.Database().string()), std::string::npos) << set.err;
}
