#include "platform/shell_file_operation.h"
#include "platform/trash.h"
#include "tests/support/sandbox.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <string>
#include <sys/stat.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the life of the object.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~EnvironmentValue() {
        if (saved_) {
            setenv(name_, saved_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

class Trash : public ::testing::Test {
protected:
    fixture::Sandbox sandbox_;
    EnvironmentValue home_{"HOME", (sandbox_.Path() / "home").string()};
    EnvironmentValue dataHome_{"XDG_DATA_HOME", (sandbox_.Path() / "data").string()};
    fs::path trash_ = sandbox_.Path() / "data" / "Trash";
};

class NoQuestions : public FileOperationPort {
public:
    OverwriteAnswer AskOverwrite(const fs::path&, const fs::path&) override {
        ADD_FAILURE() << "a delete asked an overwrite question";
        return OverwriteAnswer::Cancel;
    }
    void Progress(const fs::path&, const fs::path&) override {}
};

} // namespace

TEST_F(Trash, LiesInTheDataHomeOrElseUnderHome) {
    EXPECT_EQ(HomeTrashFolder().Value(), trash_);
    {
        const EnvironmentValue relative("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(HomeTrashFolder().Value(), sandbox_.Path() / "home/.local/share/Trash")
            << "a relative XDG_DATA_HOME is ignored";
    }
    const EnvironmentValue none("XDG_DATA_HOME", std::nullopt);
    const EnvironmentValue noHome("HOME", std::nullopt);
    EXPECT_FALSE(HomeTrashFolder().Ok());
}

TEST_F(Trash, DeleteToTrashMovesTheFileAndWritesItsRecord) {
    const fs::path file = sandbox_.Write("photos 2024/写真 #1.jpg", "picture");
    NoQuestions port;

    const FileOperationReport report =
        ShellDeleteFiles(DeleteKind::ToTrash, std::vector{file}, port);

    ASSERT_EQ(report.Count(FileOutcome::Done), 1u) << report.Failures();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(fixture::FileBytes(trash_ / "files" / "写真 #1.jpg"), "picture");
    const std::string record = fixture::FileBytes(trash_ / "info" / "写真 #1.jpg.trashinfo");
    const std::string escapedFolder = sandbox_.Path().string() + "/photos%202024/";
    EXPECT_EQ(record.substr(0, record.find("DeletionDate")),
              "[Trash Info]\nPath=" + escapedFolder + "%E5%86%99%E7%9C%9F%20%231.jpg\n");
    EXPECT_TRUE(std::regex_search(
        record, std::regex("\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$")))
        << record;
    EXPECT_EQ(fs::status(trash_).permissions() & fs::perms::all, fs::perms::owner_all);
}

TEST_F(Trash, ASecondFileOfTheSameNameGetsANameOfItsOwn) {
    NoQuestions port;
    const fs::path first = sandbox_.Write("a/DSCN0001.JPG", "first");
    const fs::path second = sandbox_.Write("b/DSCN0001.JPG", "second");

    const FileOperationReport report =
        ShellDeleteFiles(DeleteKind::ToTrash, std::vector{first, second}, port);

    ASSERT_EQ(report.Count(FileOutcome::Done), 2u) << report.Failures();
    EXPECT_EQ(fixture::FileBytes(trash_ / "files" / "DSCN0001.JPG"), "first");
    EXPECT_EQ(fixture::FileBytes(trash_ / "files" / "DSCN0001.2.JPG"), "second");
    EXPECT_NE(
        fixture::FileBytes(trash_ / "info" / "DSCN0001.2.JPG.trashinfo").find("/b/DSCN0001.JPG"),
        std::string::npos);
}

TEST_F(Trash, AFileThatCannotGoLeavesNoRecord) {
    const fs::path missing = sandbox_.Path() / "missing.jpg";
    EXPECT_FALSE(MoveToTrash(missing).Ok());
    fs::create_directories(sandbox_.Path() / "folder");
    const auto folder = MoveToTrash(sandbox_.Path() / "folder");
    EXPECT_NE(folder.Error().find("folder"), std::string::npos) << folder.Error();
    EXPECT_TRUE(!fs::exists(trash_ / "info") || fs::is_empty(trash_ / "info"));
}

TEST_F(Trash, AFileOnAnotherDeviceIsCopiedIntoTheTrashThenRemoved) {
    struct stat shm {};
    struct stat here {};
    if (::stat("/dev/shm", &shm) != 0 || ::stat(sandbox_.Path().c_str(), &here) != 0 ||
        shm.st_dev == here.st_dev) {
        GTEST_SKIP() << "no second device for the trash (/dev/shm)";
    }
    char pattern[] = "/dev/shm/lumaro-trash-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path otherData = pattern;
    const EnvironmentValue dataHome("XDG_DATA_HOME", otherData.string());
    const fs::path file = sandbox_.Write("far/a.jpg", "far away");

    const Result<fs::path> trashed = MoveToTrash(file);

    ASSERT_TRUE(trashed.Ok()) << trashed.Error();
    EXPECT_EQ(trashed.Value(), otherData / "Trash/files/a.jpg");
    EXPECT_EQ(fixture::FileBytes(trashed.Value()), "far away");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(otherData / "Trash/info/a.jpg.trashinfo"));
    fs::remove_all(otherData);
}
