#include "platform/process_start.h"
#include "tests/support/sandbox.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

int RunToEnd(const fs::path& file, std::string_view parameters) {
    Result<StartedProcess> started = ShellOpen(file, parameters);
    if (!started) {
        throw std::runtime_error(started.Error());
    }
    Result<int> exit = WaitForExit(started.Value());
    if (!exit) {
        throw std::runtime_error(exit.Error());
    }
    return exit.Value();
}

} // namespace

TEST(ProcessStart, ProgramsRunWithTheirParametersAndReportTheirExit) {
    EXPECT_EQ(RunToEnd("/bin/true", ""), 0);
    EXPECT_EQ(RunToEnd("/bin/false", ""), 1);
    EXPECT_EQ(RunToEnd("/bin/sh", "-c \"exit 7\""), 7);
    EXPECT_EQ(RunToEnd("/bin/sh", "-c \"kill -TERM $$\""), 128 + 15);
    // A bare name is found on PATH.
    EXPECT_EQ(RunToEnd("true", ""), 0);
}

TEST(ProcessStart, ParametersSplitAtBlanksWithQuotesGroupingAndBecomeUtf8) {
    const std::vector<std::string> command =
        ShellOpenCommand("/bin/echo", "  /S  \"C:\\Program Files\\App\"  x\"y z\"  \x93\xFA ");
    EXPECT_EQ(command, (std::vector<std::string>{"/bin/echo", "/S", "C:\\Program Files\\App",
                                                 "xy z", "日"}));
}

TEST(ProcessStart, DocumentsGoToTheDesktopOpener) {
    fixture::Sandbox sandbox;
    const fs::path document = sandbox.Path() / "README.TXT";
    std::ofstream(document) << "read me\n";
    EXPECT_EQ(ShellOpenCommand(document, "ignored"),
              (std::vector<std::string>{"xdg-open", document.string()}));

    // Without execute permission even a script is a document.
    const fs::path script = sandbox.Path() / "run.sh";
    std::ofstream(script) << "#!/bin/sh\n";
    EXPECT_EQ(ShellOpenCommand(script, "").front(), "xdg-open");
    fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
    EXPECT_EQ(ShellOpenCommand(script, "").front(), script.string());
}

TEST(ProcessStart, AMissingFileIsNamedInTheFailure) {
    const Result<StartedProcess> started = ShellOpen("/no/such/SETUP.EXE", "");
    ASSERT_FALSE(started);
    EXPECT_NE(started.Error().find("/no/such/SETUP.EXE"), std::string::npos) << started.Error();
}
