// "cmake --install" of this build into a sandbox gives what a Debian package of it holds, and
// the desktop's own checkers accept the files: desktop-file-validate the entry, man the pages,
// bash the completion. The programs answer --help and --version without a display.

#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using fixture::Quoted;
using fixture::RunTool;

class Installation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        box_ = new fixture::Sandbox;
        install_ = RunTool(Quoted(LUMARO_CMAKE) + " --install " + Quoted(LUMARO_BUILD_DIR) +
                           " --prefix " + Quoted(box_->Path()) + " 2>&1");
    }
    static void TearDownTestSuite() {
        delete box_;
        box_ = nullptr;
    }
    void SetUp() override { ASSERT_EQ(install_.exitCode, 0) << install_.output; }

    [[nodiscard]] static fs::path Installed(const std::string& relative) {
        return box_->Path() / relative;
    }

    static fixture::Sandbox* box_;
    static fixture::ToolRun install_;
};

fixture::Sandbox* Installation::box_ = nullptr;
fixture::ToolRun Installation::install_;

TEST_F(Installation, HoldsTheProgramsAndEveryFileTheyShip) {
    std::vector<std::string> expected = {
        "bin/LumaroUty",
        "bin/lumaro",
        "bin/lumaro-setup",
        "share/lumarouty/Hestrom.jpg",
        "share/lumarouty/help/LumaroUty.html",
        "share/lumarouty/html/gallery_index_top.html",
        "share/applications/lumarouty.desktop",
        "share/icons/hicolor/scalable/apps/lumarouty.svg",
        "share/man/man1/lumaro.1.gz",
        "share/man/man1/LumaroUty.1.gz",
        "share/man/man1/lumaro-setup.1.gz",
        "share/bash-completion/completions/lumaro",
        "share/doc/lumarouty/copyright",
        "share/doc/lumarouty/changelog.Debian.gz",
    };
    for (const char* size : {"16", "22", "24", "32", "48", "64", "128", "256"}) {
        expected.push_back("share/icons/hicolor/" + std::string(size) + "x" + size +
                           "/apps/lumarouty.png");
    }
    for (const std::string& file : expected) {
        EXPECT_TRUE(fs::is_regular_file(Installed(file))) << file;
    }
    EXPECT_FALSE(fs::exists(Installed("bin/setup")));
}

TEST_F(Installation, TheDesktopEntryOpensFilesAndFolders) {
    const fs::path entry = Installed("share/applications/lumarouty.desktop");
    const auto check = RunTool("desktop-file-validate " + Quoted(entry) + " 2>&1");
    if (check.exitCode == 127) {
        GTEST_SKIP() << "desktop-file-validate is not installed";
    }
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_EQ(check.output, "");
    const std::string text = fixture::FileBytes(entry);
    EXPECT_NE(text.find("\nExec=LumaroUty %F\n"), std::string::npos);
    EXPECT_NE(text.find("\nMimeType=image/jpeg;image/tiff;inode/directory;\n"), std::string::npos);
}

TEST_F(Installation, TheManPagesRead) {
    for (const char* page : {"lumaro", "LumaroUty", "lumaro-setup"}) {
        const fs::path file = Installed("share/man/man1/" + std::string(page) + ".1.gz");
        const auto man = RunTool("MANWIDTH=80 man --warnings -l " + Quoted(file) + " 2>&1");
        if (man.exitCode == 127) {
            GTEST_SKIP() << "man is not installed";
        }
        EXPECT_EQ(man.exitCode, 0) << page;
        EXPECT_NE(man.output.find("SYNOPSIS"), std::string::npos) << page << ": " << man.output;
        EXPECT_EQ(man.output.find("warning"), std::string::npos) << page << ": " << man.output;
    }
}

TEST_F(Installation, TheCompletionCompletesCommandsAndOptions) {
    const fs::path script = Installed("share/bash-completion/completions/lumaro");
    const auto run = RunTool(
        "bash -c " + Quoted("_init_completion() { cur=${COMP_WORDS[COMP_CWORD]}; "
                            "prev=${COMP_WORDS[COMP_CWORD-1]}; words=(\"${COMP_WORDS[@]}\"); "
                            "cword=$COMP_CWORD; }; source " + script.string() + "; "
                            "COMP_WORDS=(lumaro sum); COMP_CWORD=1; _lumaro; echo ${COMPREPLY[@]}; "
                            "COMP_WORDS=(lumaro summary --js); COMP_CWORD=2; _lumaro; "
                            "echo ${COMPREPLY[@]}"));
    EXPECT_EQ(run.output, "summary\n--json\n");
}

TEST_F(Installation, TheProgramsAnswerHelpAndVersionWithoutADisplay) {
    const std::string bare = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    for (const char* program : {"LumaroUty", "lumaro", "lumaro-setup"}) {
        const std::string path = Quoted(Installed("bin/" + std::string(program)));
        const auto help = RunTool(bare + path + " --help 2>&1");
        EXPECT_EQ(help.exitCode, 0) << program << ": " << help.output;
        EXPECT_NE(help.output.find("usage:"), std::string::npos) << program;
        const auto version = RunTool(bare + path + " --version 2>&1");
        EXPECT_EQ(version.exitCode, 0) << program;
        EXPECT_EQ(version.output.rfind(std::string(program) + " ", 0), 0u) << version.output;
    }
}

} // namespace
