// The shipped files: beside the programs in the build tree, under share/lumarouty after
// `cmake --install`, with the programs, the desktop entry and the icon; the installed programs
// start and find them.

#include "shell/shipped_files.h"
#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using shell::FindShippedFile;
using shell::ShippedFileCandidates;

namespace {

const fs::path kBin = LUMARO_BIN_DIR;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The keys of a desktop entry's [Desktop Entry] group.
std::map<std::string, std::string> DesktopKeys(const fs::path& entry) {
    std::istringstream text(ReadText(entry));
    std::map<std::string, std::string> keys;
    bool inGroup = false;
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.front() == '[') {
            inGroup = line == "[Desktop Entry]";
        } else if (const auto equals = line.find('='); inGroup && equals != std::string::npos) {
            keys[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return keys;
}

bool IsProgram(const fs::path& file) {
    return fs::is_regular_file(file) &&
           (fs::status(file).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

} // namespace

TEST(ShippedFiles, AreLookedForBesideTheProgramThenUnderShare) {
    EXPECT_EQ(ShippedFileCandidates("/opt/lumaro/bin", "help/LumaroUty.html"),
              (std::vector<fs::path>{"/opt/lumaro/bin/help/LumaroUty.html",
                                     "/opt/lumaro/share/lumarouty/help/LumaroUty.html"}));
    EXPECT_EQ(ShippedFileCandidates("/opt/lumaro/bin/", "html"),
              (std::vector<fs::path>{"/opt/lumaro/bin/html", "/opt/lumaro/share/lumarouty/html"}));
}

TEST(ShippedFiles, LieBesideTheProgramsInTheBuildTree) {
    EXPECT_EQ(FindShippedFile(kBin, "help/LumaroUty.html"),
              (kBin / "help/LumaroUty.html").lexically_normal());
    EXPECT_EQ(FindShippedFile(kBin, "no such file"), std::nullopt);
    // The test itself runs beside the programs' folder, not in it.
    EXPECT_EQ(shell::ProgramFolder().filename(), "tests");
}

TEST(AnInstallation, PutsTheProgramsUnderBinAndWhatTheyShipUnderShare) {
    fixture::Sandbox prefix;
    for (const char* component : {"programs", "data", "help", "desktop"}) {
        const fixture::ToolRun install = fixture::RunTool(
            "cmake --install " + fixture::Quoted(LUMARO_BUILD_DIR) + " --component " + component +
            " --prefix " + fixture::Quoted(prefix.Path()) + " 2>&1");
        ASSERT_EQ(install.exitCode, 0) << component << ":\n" << install.output;
    }
    const fs::path bin = prefix.Path() / "bin";
    const fs::path share = prefix.Path() / "share";
    for (const char* program : {"LumaroUty", "lumaro", "lumaro-setup"}) {
        EXPECT_TRUE(IsProgram(bin / program)) << program;
    }

    // The installed programs find the installed files, not the build tree's.
    EXPECT_EQ(FindShippedFile(bin, "help/LumaroUty.html"), share / "lumarouty/help/LumaroUty.html");
    EXPECT_EQ(ReadText(share / "lumarouty/help/LumaroUty.html"),
              ReadText(kBin / "help/LumaroUty.html"));
    for (const char* shipped : {"html", "Hestrom.jpg"}) {
        if (fs::exists(kBin / shipped)) {
            EXPECT_EQ(FindShippedFile(bin, shipped), share / "lumarouty" / shipped) << shipped;
        }
    }
    if (fs::is_directory(kBin / "html")) {
        for (const fs::directory_entry& file : fs::directory_iterator(kBin / "html")) {
            EXPECT_EQ(ReadText(share / "lumarouty/html" / file.path().filename()),
                      ReadText(file.path()))
                << file.path();
        }
    }

    const std::map<std::string, std::string> entry =
        DesktopKeys(share / "applications/lumarouty.desktop");
    EXPECT_EQ(entry.at("Type"), "Application");
    EXPECT_EQ(entry.at("Name[ja]"), "Lumaroユーティリティ");
    const std::string& exec = entry.at("Exec"); // the program, then the files it is given
    EXPECT_TRUE(IsProgram(bin / exec.substr(0, exec.find(' ')))) << exec;
    EXPECT_TRUE(
        fs::is_regular_file(share / "icons/hicolor/scalable/apps" / (entry.at("Icon") + ".svg")));

    const fixture::ToolRun help = fixture::RunTool(fixture::Quoted(bin / "lumaro") + " --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("lumaro"), std::string::npos) << help.output;
}

TEST(TheHelpDocument, TellsHowTheSlideShowAndTheExternalProgramsWork) {
    const std::string help = ReadText(kBin / "help/LumaroUty.html");
    for (const char* text :
         {"id=\"slide\"", "id=\"exec\"", "<code>$P</code>", "<code>$F</code>",
          "Exif情報の待避復元を行う (E)", "サムネイルを新規作成する (T)",
          "起動前にExif情報をはずす (D)", "最大化する (M)", "<kbd>F1</kbd>", "<kbd>Esc</kbd>"}) {
        EXPECT_NE(help.find(text), std::string::npos) << text;
    }
}
