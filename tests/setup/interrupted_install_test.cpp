// The installer program run as a child on a medium of large files, with the size of every file
// it writes limited. Past the limit the kernel either kills the child (SIGXFSZ), at that very
// byte of a copy, or, with the signal ignored, fails the write as a full disk does. A killed
// install leaves whole files and a log that a rerun and an uninstall complete; a failed one
// says so and leaves no partial file.

#include "platform/codepage.h"
#include "tests/setup/uninstall_fixture.h"

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace setup;
using platform::RegistryRoot;
using setup_test::ReadBytes;
using setup_test::WriteBytes;

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kApp = "C:\\Program Files\\Big\\";
constexpr std::size_t kMiB = std::size_t{1} << 20;
// The medium's files, copied in this order.
const std::pair<const char*, std::size_t> kFiles[] = {
    {"BIG1.DAT", 1 * kMiB}, {"small.txt", 100}, {"BIG2.DAT", 3 * kMiB}, {"BIG3.DAT", 5 * kMiB}};

struct ChildRun {
    int status = 0;
    std::string output;
};

// What to do when a write reaches the limit.
enum class AtLimit { Kill, Fail };

// Runs the program with the arguments; with a limit, no file the child writes may grow past it.
ChildRun RunChild(const fs::path& program, const std::vector<std::string>& arguments,
                  std::optional<rlim_t> limit, AtLimit atLimit) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return {-1, "no pipe"};
    }
    std::vector<std::string> argv{program.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::dup2(pipeEnds[1], STDERR_FILENO);
        ::close(pipeEnds[0]);
        if (limit) {
            const rlimit size{*limit, *limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
        }
        std::signal(SIGXFSZ, atLimit == AtLimit::Kill ? SIG_DFL : SIG_IGN);
        ::execv(pointers[0], pointers.data());
        ::_exit(127);
    }
    ::close(pipeEnds[1]);
    ChildRun run;
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        run.output.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    ::waitpid(child, &run.status, 0);
    return run;
}

class InterruptedInstall : public setup_test::UninstallTest {
protected:
    // The medium: the program under a name of its own and a small SETUP.EXE, so that the copy
    // the installer makes of SETUP.EXE stays below every limit.
    void MakeMedium() {
        UseMachine();
        fs::copy_file(fs::path(LUMARO_BIN_DIR) / "setup", MediumHost() / "run-setup");
        WriteMediumFile("SETUP.EXE", "the uninstaller");
        std::string script = "[Title]\nSetup=Big\n[DefaultFolder]\nFolder=(Prg)Big\n[CopyFile]\n";
        int number = 0;
        for (const auto& [name, size] : kFiles) {
            std::string bytes(size, '\0');
            for (std::size_t i = 0; i < size; ++i) {
                bytes[i] = static_cast<char>('A' + (i * 7 + size) % 26);
            }
            WriteMediumFile(name, bytes);
            script += "File";
            script += std::to_string(++number) + "=(App)" + name + "\n";
        }
        WriteScript(script);
        WriteBytes(Host("C:\\Program Files\\Other\\keep.txt"), "another program's file");
    }

    ChildRun Install(std::optional<rlim_t> limit = std::nullopt, AtLimit atLimit = AtLimit::Kill) {
        return RunChild(MediumHost() / "run-setup", {"/SILENT"}, limit, atLimit);
    }

    // Each target is absent or whole: the medium's file byte for byte.
    void ExpectNoTruncatedFile() const {
        for (const auto& [name, size] : kFiles) {
            const fs::path target = Host(std::string(kApp) + name);
            if (fs::exists(target)) {
                EXPECT_EQ(ReadBytes(target), ReadBytes(MediumHost() / name)) << name;
            }
        }
    }
};

class KilledInstall : public InterruptedInstall,
                      public ::testing::WithParamInterface<std::size_t> {};

TEST_P(KilledInstall, LeavesWholeFilesAndALogThatARerunAndAnUninstallComplete) {
    MakeMedium();
    const setup_test::MachineState before = Snapshot();

    const ChildRun killed = Install(GetParam());
    ASSERT_TRUE(WIFSIGNALED(killed.status)) << killed.output;
    EXPECT_EQ(WTERMSIG(killed.status), SIGXFSZ);
    ExpectNoTruncatedFile();
    // The log lists every file that is there, and the uninstaller reads it.
    const UninstallLog log = ReadUninstallLog(std::string(kApp) + "UNSETUP.INI");
    EXPECT_EQ(log.setupFolder, kApp);
    for (const auto& [name, size] : kFiles) {
        const std::string target = std::string(kApp) + name;
        if (fs::exists(Host(target))) {
            EXPECT_NE(std::find(log.lists.files.begin(), log.lists.files.end(), target),
                      log.lists.files.end())
                << name;
            EXPECT_EQ(log.lists.installed.Find(target), RecordOf(target)) << name;
        }
    }

    const ChildRun rerun = Install();
    ASSERT_EQ(WEXITSTATUS(rerun.status), 0) << rerun.output;
    ExpectNoTruncatedFile();
    for (const auto& [name, size] : kFiles) {
        EXPECT_TRUE(fs::exists(Host(std::string(kApp) + name))) << name;
    }
    const std::string command = RegistryTextAt(
        RegistryRoot::LocalMachine, std::string(kUninstallKeyPrefix) + "Big", "UninstallString");
    const std::size_t quote = command.find(" \"");
    ASSERT_NE(quote, std::string::npos) << command;
    const std::string logArgument = command.substr(quote + 2, command.size() - quote - 3);
    const ChildRun uninstall =
        RunChild(MediumHost() / "run-setup", {platform::Cp932ToUtf8(logArgument), "/SILENT"},
                 std::nullopt, AtLimit::Kill);
    ASSERT_EQ(WEXITSTATUS(uninstall.status), 0) << uninstall.output;

    EXPECT_FALSE(fs::exists(Host(kApp)));
    const setup_test::MachineDifference difference = Compare(before, Snapshot());
    EXPECT_EQ(difference.lostOrChanged, std::set<std::string>{});
    for (const std::string& added : difference.added) {
        EXPECT_TRUE(added.starts_with("HKEY_") || added == "drive_c/WINDOWS/UNORSET.EXE" ||
                    added.starts_with("lumaro-mutex"))
            << added;
    }
}

// Killed inside the first large file, inside the second after the first and the small one, and
// inside the last.
INSTANTIATE_TEST_SUITE_P(AtSeveralPoints, KilledInstall,
                         ::testing::Values(kMiB / 2, 2 * kMiB, 4 * kMiB));

TEST_F(InterruptedInstall, AFullDiskEndsWithTheFailureAndNoPartialFile) {
    MakeMedium();
    const std::string oldBytes = "the earlier version";
    const fs::path earlier = Host(std::string(kApp) + "BIG3.DAT");
    WriteBytes(earlier, oldBytes);
    fs::last_write_time(earlier, fs::file_time_type::clock::now() - std::chrono::hours(24 * 400));

    const ChildRun full = Install(2 * kMiB, AtLimit::Fail);
    EXPECT_EQ(WEXITSTATUS(full.status), 1) << full.output;
    EXPECT_NE(full.output.find("セットアップで一部の処理が失敗しました．"), std::string::npos)
        << full.output;
    EXPECT_EQ(full.output.find("セットアップが完了しました"), std::string::npos) << full.output;
    EXPECT_NE(full.output.find("with 2 failure(s)"), std::string::npos) << full.output;
    EXPECT_FALSE(fs::exists(Host(std::string(kApp) + "BIG2.DAT")));
    EXPECT_EQ(ReadBytes(earlier), oldBytes);
    for (const auto& entry : fs::directory_iterator(Host(kApp))) {
        EXPECT_EQ(entry.path().string().find("setup-part"), std::string::npos) << entry.path();
    }
    for (const char* name : {"BIG1.DAT", "small.txt"}) {
        EXPECT_EQ(ReadBytes(Host(std::string(kApp) + name)), ReadBytes(MediumHost() / name));
    }
}

} // namespace
