#include "platform/shell_file_operation.h"
#include "tests/support/sandbox.h"

#include <deque>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Answers the overwrite questions from a script and records what was asked and shown.
class ScriptedOperationPort : public FileOperationPort {
public:
    explicit ScriptedOperationPort(std::deque<OverwriteAnswer> answers = {})
        : answers_(std::move(answers)) {}

    OverwriteAnswer AskOverwrite(const fs::path& /*source*/, const fs::path& destination) override {
        asked.push_back(destination.filename().string());
        if (answers_.empty()) {
            throw std::logic_error("an overwrite question nobody expected: " +
                                   destination.string());
        }
        const OverwriteAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void Progress(const fs::path& source, const fs::path& /*destination*/) override {
        progress.push_back(source.filename().string());
    }

    std::vector<std::string> asked;
    std::vector<std::string> progress;

private:
    std::deque<OverwriteAnswer> answers_;
};

class ShellFileOperation : public ::testing::Test {
protected:
    // The names in a folder, hidden working files included.
    static std::vector<std::string> Names(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path Path(const fs::path& relative) const { return sandbox_.Path() / relative; }

    std::vector<FileOutcome> Outcomes(const FileOperationReport& report) const {
        std::vector<FileOutcome> outcomes;
        for (const FileResult& result : report.results) {
            outcomes.push_back(result.outcome);
        }
        return outcomes;
    }

    fixture::Sandbox sandbox_;
};

using enum FileOutcome;

} // namespace

TEST_F(ShellFileOperation, CopiesEachSourceToItsOwnNameWithItsTime) {
    const fs::path a = sandbox_.Write("in/a.jpg", "first");
    const fs::path b = sandbox_.Write("in/b.jpg", "second");
    fs::last_write_time(a, fs::file_time_type(std::chrono::seconds(1000000000)));
    const std::vector<fs::path> sources{a, b};
    const std::vector<fs::path> destinations{Path("out/new/x.jpg"), Path("out/y.jpg")};
    ScriptedOperationPort port;

    const FileOperationReport report =
        ShellTransferFiles(TransferKind::Copy, sources, destinations, port);

    EXPECT_EQ(Outcomes(report), (std::vector{Done, Done}));
    EXPECT_EQ(fixture::FileBytes(Path("out/new/x.jpg")), "first");
    EXPECT_EQ(fixture::FileBytes(Path("out/y.jpg")), "second");
    EXPECT_EQ(fs::last_write_time(Path("out/new/x.jpg")), fs::last_write_time(a));
    EXPECT_EQ(fixture::FileBytes(a), "first") << "a copy leaves its source";
    EXPECT_EQ(port.progress, (std::vector<std::string>{"a.jpg", "b.jpg"}));
    EXPECT_EQ(Names(Path("out")), (std::vector<std::string>{"new", "y.jpg"}))
        << "no working file stays behind";
}

TEST_F(ShellFileOperation, AsksBeforeReplacingAndKeepsTheFileOnNo) {
    const std::vector<fs::path> sources{sandbox_.Write("in/a.jpg", "new a"),
                                        sandbox_.Write("in/b.jpg", "new b")};
    const std::vector<fs::path> destinations{sandbox_.Write("out/a.jpg", "old a"),
                                             sandbox_.Write("out/b.jpg", "old b")};
    ScriptedOperationPort port({OverwriteAnswer::No, OverwriteAnswer::Yes});

    const FileOperationReport report =
        ShellTransferFiles(TransferKind::Copy, sources, destinations, port);

    EXPECT_EQ(Outcomes(report), (std::vector{Kept, Done}));
    EXPECT_EQ(port.asked, (std::vector<std::string>{"a.jpg", "b.jpg"}));
    EXPECT_EQ(fixture::FileBytes(destinations[0]), "old a");
    EXPECT_EQ(fixture::FileBytes(destinations[1]), "new b");
}

TEST_F(ShellFileOperation, YesToAllAsksOnceAndCancelStopsAtThatFile) {
    std::vector<fs::path> sources;
    std::vector<fs::path> destinations;
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) {
        sources.push_back(sandbox_.Write(fs::path("in") / name, std::string("new ") + name));
        destinations.push_back(sandbox_.Write(fs::path("out") / name, std::string("old ") + name));
    }
    ScriptedOperationPort all({OverwriteAnswer::YesToAll});
    EXPECT_EQ(Outcomes(ShellTransferFiles(TransferKind::Copy, sources, destinations, all)),
              (std::vector{Done, Done, Done}));
    EXPECT_EQ(all.asked.size(), 1u);
    EXPECT_EQ(fixture::FileBytes(destinations[2]), "new 3.jpg");

    for (const fs::path& destination : destinations) {
        std::ofstream(destination, std::ios::binary) << "old";
    }
    ScriptedOperationPort cancel({OverwriteAnswer::Yes, OverwriteAnswer::Cancel});
    const FileOperationReport report =
        ShellTransferFiles(TransferKind::Move, sources, destinations, cancel);
    EXPECT_EQ(Outcomes(report), (std::vector{Done, Cancelled, Cancelled}));
    EXPECT_EQ(cancel.progress.size(), 2u) << "nothing after the cancelled file is touched";
    EXPECT_FALSE(fs::exists(sources[0]));
    EXPECT_EQ(fixture::FileBytes(sources[1]), "new 2.jpg");
    EXPECT_EQ(fixture::FileBytes(destinations[1]), "old");
    EXPECT_EQ(fixture::FileBytes(sources[2]), "new 3.jpg");
}

TEST_F(ShellFileOperation, MovesWithoutLosingEitherFile) {
    const fs::path a = sandbox_.Write("in/a.jpg", "a");
    const fs::path b = sandbox_.Write("in/b.jpg", "b");
    const fs::path kept = sandbox_.Write("out/b.jpg", "kept");
    const std::vector<fs::path> sources{a, b};
    const std::vector<fs::path> destinations{Path("out/a.jpg"), kept};
    ScriptedOperationPort port({OverwriteAnswer::No});

    const FileOperationReport report =
        ShellTransferFiles(TransferKind::Move, sources, destinations, port);

    EXPECT_EQ(Outcomes(report), (std::vector{Done, Kept}));
    EXPECT_FALSE(fs::exists(a));
    EXPECT_EQ(fixture::FileBytes(Path("out/a.jpg")), "a");
    EXPECT_EQ(fixture::FileBytes(b), "b") << "a move that was refused keeps its source";
    EXPECT_EQ(fixture::FileBytes(kept), "kept");
}

TEST_F(ShellFileOperation, MovesAcrossDevicesByCopyingFirst) {
    struct stat shm {};
    struct stat here {};
    if (::stat("/dev/shm", &shm) != 0 || ::stat(sandbox_.Path().c_str(), &here) != 0 ||
        shm.st_dev == here.st_dev) {
        GTEST_SKIP() << "no second device to move to (/dev/shm)";
    }
    char pattern[] = "/dev/shm/lumaro-move-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path other = pattern;
    const fs::path source = sandbox_.Write("a.jpg", "across");
    fs::last_write_time(source, fs::file_time_type(std::chrono::seconds(1200000000)));
    const auto time = fs::last_write_time(source);
    ScriptedOperationPort port;

    const FileOperationReport report = ShellTransferFiles(TransferKind::Move, std::vector{source},
                                                          std::vector{other / "a.jpg"}, port);

    EXPECT_EQ(Outcomes(report), (std::vector{Done}));
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ(fixture::FileBytes(other / "a.jpg"), "across");
    EXPECT_EQ(fs::last_write_time(other / "a.jpg"), time);
    fs::remove_all(other);
}

TEST_F(ShellFileOperation, RefusesWhatItCannotDoAndGoesOn) {
    const fs::path same = sandbox_.Write("a.jpg", "same");
    const fs::path readOnly = sandbox_.Write("out/r.jpg", "read-only");
    fs::permissions(readOnly, fs::perms::owner_read, fs::perm_options::replace);
    fs::create_directories(Path("out/folder.jpg"));
    const std::vector<fs::path> sources{same,
                                        Path("missing.jpg"),
                                        sandbox_.Write("r.jpg", "new"),
                                        sandbox_.Write("f.jpg", "f"),
                                        Path("out"),
                                        sandbox_.Write("ok.jpg", "ok")};
    const std::vector<fs::path> destinations{same,
                                             Path("out/m.jpg"),
                                             readOnly,
                                             Path("out/folder.jpg"),
                                             Path("elsewhere"),
                                             Path("out/ok.jpg")};
    ScriptedOperationPort port({OverwriteAnswer::Yes});

    const FileOperationReport report =
        ShellTransferFiles(TransferKind::Copy, sources, destinations, port);

    EXPECT_EQ(Outcomes(report), (std::vector{Failed, Failed, Failed, Failed, Failed, Done}));
    EXPECT_EQ(fixture::FileBytes(same), "same");
    EXPECT_EQ(fixture::FileBytes(readOnly), "read-only");
    EXPECT_NE(report.results[0].message.find("same file"), std::string::npos);
    EXPECT_NE(report.results[2].message.find("read-only"), std::string::npos);
    EXPECT_NE(report.Failures().find(Path("missing.jpg").string()), std::string::npos)
        << report.Failures();
    EXPECT_EQ(report.Count(Failed), 5u);
}

TEST_F(ShellFileOperation, NeedsOneDestinationPerSource) {
    ScriptedOperationPort port;
    const std::vector<fs::path> two{Path("a"), Path("b")};
    EXPECT_THROW((void)ShellTransferFiles(TransferKind::Copy, two, std::vector{Path("c")}, port),
                 std::invalid_argument);
}

TEST_F(ShellFileOperation, DeletesPermanentlyFilesButNotFolders) {
    const fs::path file = sandbox_.Write("a.jpg", "a");
    fs::create_directories(Path("folder"));
    ScriptedOperationPort port;

    const FileOperationReport report = ShellDeleteFiles(
        DeleteKind::Permanently, std::vector{file, Path("folder"), Path("gone.jpg")}, port);

    EXPECT_EQ(Outcomes(report), (std::vector{Done, Failed, Failed}));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::is_directory(Path("folder")));
    EXPECT_EQ(port.progress, (std::vector<std::string>{"a.jpg", "folder", "gone.jpg"}));
}
