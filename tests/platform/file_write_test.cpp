#include "platform/file_times.h"
#include "platform/file_write_lock.h"
#include "platform/input_file.h"
#include "platform/patch_file.h"
#include "platform/safe_replace.h"
#include "platform/temp_names.h"
#include "platform/writable_file.h"
#include "tests/support/sandbox.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <thread>

using namespace platform;
namespace fs = std::filesystem;

namespace {

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

TEST(FileReplacement, ReplacesTheTargetKeepingItsPermissions) {
    const fixture::Sandbox box;
    const fs::path target = box.Path() / "photo.jpg";
    WriteText(target, "old");
    ::chmod(target.c_str(), 0640);
    {
        FileReplacement replacement(target);
        replacement.Write(Bytes("new content"));
        EXPECT_EQ(fixture::FileBytes(target), "old") << "the target changed before the commit";
        replacement.Commit(std::nullopt);
    }
    EXPECT_EQ(fixture::FileBytes(target), "new content");
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(box.Path()), fs::directory_iterator()), 1);
}

TEST(FileReplacement, LeavesNothingBehindWithoutACommit) {
    const fixture::Sandbox box;
    const fs::path target = box.Path() / "photo.jpg";
    WriteText(target, "old");
    {
        FileReplacement replacement(target);
        replacement.Write(Bytes("half"));
    }
    EXPECT_EQ(fixture::FileBytes(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(box.Path()), fs::directory_iterator()), 1);
}

TEST(FileReplacement, GivesTheNewFileTheLastWriteTime) {
    const fixture::Sandbox box;
    const fs::path target = box.Path() / "new.jpg";
    const auto time = FileTimeFromLocal({2001, 2, 3, 4, 5, 6});
    ASSERT_TRUE(time);
    FileReplacement replacement(target);
    replacement.Write(Bytes("x"));
    replacement.Commit(time);
    EXPECT_EQ(fs::last_write_time(target), *time);
}

TEST(FileReplacement, ReplacesTheFileBehindASymbolicLink) {
    const fixture::Sandbox box;
    const fs::path real = box.Path() / "real.jpg";
    const fs::path link = box.Path() / "link.jpg";
    WriteText(real, "old");
    fs::create_symlink(real, link);
    FileReplacement replacement(link);
    replacement.Write(Bytes("new"));
    replacement.Commit(std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fixture::FileBytes(real), "new");
}

TEST(FileReplacement, RefusesReadOnlyTargetsAndFolders) {
    const fixture::Sandbox box;
    const fs::path target = box.Path() / "locked.jpg";
    WriteText(target, "old");
    ::chmod(target.c_str(), 0444);
    EXPECT_THROW(FileReplacement{target}, FileError);
    EXPECT_THROW(FileReplacement{box.Path()}, FileError);
    EXPECT_THROW(FileReplacement{box.Path() / "missing" / "a.jpg"}, FileError);
    EXPECT_THROW(WritableFile{target}, FileError);
    EXPECT_THROW(PatchFile{box.Path()}, FileError);
    try {
        PatchFile{target};
        ADD_FAILURE() << "a read-only file opened for patching";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("the file is read-only"), std::string::npos);
    }
    EXPECT_EQ(fixture::FileBytes(target), "old");
}

TEST(WritableFile, PatchesInPlaceAndPutsTheTimeBack) {
    const fixture::Sandbox box;
    const fs::path path = box.Path() / "a.jpg";
    WriteText(path, "abcdef");
    const auto time = FileTimeFromLocal({1999, 12, 31, 23, 59, 58});
    ASSERT_TRUE(time);
    fs::last_write_time(path, *time);
    WritableFile file(path);
    EXPECT_EQ(file.LastWriteTime(), *time);
    file.WriteAt(2, Bytes("XY"));
    file.SetLastWriteTime(*time);
    file.Close();
    EXPECT_EQ(fixture::FileBytes(path), "abXYef");
    EXPECT_EQ(fs::last_write_time(path), *time);
}

TEST(PatchFile, ReadsPatchesAndPutsTheTimeBack) {
    const fixture::Sandbox box;
    const fs::path path = box.Path() / "a.jpg";
    WriteText(path, "abcdef");
    const auto time = FileTimeFromLocal({1999, 12, 31, 23, 59, 58});
    ASSERT_TRUE(time);
    fs::last_write_time(path, *time);
    PatchFile file(path);
    EXPECT_EQ(file.LastWriteTime(), *time);
    EXPECT_EQ(file.ReadAt(1, 3), std::vector<std::uint8_t>({'b', 'c', 'd'}));
    file.WriteAt(2, Bytes("XY"));
    file.SetLastWriteTime(file.LastWriteTime());
    file.Close();
    EXPECT_EQ(fixture::FileBytes(path), "abXYef");
    EXPECT_EQ(fs::last_write_time(path), *time);
}

TEST(PatchFile, WaitsForTheLockAndPatchesTheFileThatReplacedTheFirst) {
    const fixture::Sandbox box;
    const fs::path photo = box.Path() / "photo.jpg";
    WriteText(photo, "old");
    std::thread second;
    {
        const FileWriteLock first(photo);
        second = std::thread([&] {
            PatchFile file(photo);
            file.WriteAt(0, Bytes("N"));
            file.Close();
        });
        FileReplacement replacement(photo);
        replacement.Write(Bytes("new"));
        replacement.Commit(std::nullopt);
    }
    second.join();
    EXPECT_EQ(fixture::FileBytes(photo), "New");
}

TEST(FileTimeFromLocal, RefusesDatesThatNameNoMoment) {
    EXPECT_TRUE(FileTimeFromLocal({2000, 2, 29, 23, 59, 59}));
    EXPECT_FALSE(FileTimeFromLocal({0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(FileTimeFromLocal({2001, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(FileTimeFromLocal({2001, 13, 1, 0, 0, 0}));
    EXPECT_FALSE(FileTimeFromLocal({2001, 1, 1, 24, 0, 0}));
    const auto earlier = FileTimeFromLocal({2001, 1, 1, 0, 0, 0});
    const auto later = FileTimeFromLocal({2001, 1, 1, 0, 0, 1});
    EXPECT_EQ(*later - *earlier, std::chrono::seconds(1));
}

TEST(TemporaryFileName, UsesThePrefixAndTheProcessIdInHexadecimal) {
    const fs::path name = TemporaryFileName("_Lumaro");
    EXPECT_EQ(name.parent_path(), fs::temp_directory_path());
    EXPECT_TRUE(std::regex_match(name.filename().string(), std::regex("_Lumaro[0-9a-f]{8}\\.jpg")));
    char expected[16];
    std::snprintf(expected, sizeof expected, "%08x", static_cast<unsigned>(::getpid()));
    EXPECT_EQ(name.filename().string().substr(7, 8), expected);
}

TEST(FileWriteLock, MakesASecondWriterWaitAndLockTheFileThatReplacedTheFirst) {
    const fixture::Sandbox box;
    const fs::path photo = box.Path() / "photo.jpg";
    WriteText(photo, "old");
    std::string seen;
    std::thread second;
    {
        const FileWriteLock first(photo);
        second = std::thread([&] {
            const FileWriteLock lock(photo);
            std::ifstream(photo) >> seen;
        });
        // Replaced by a rename while the second writer waits: it must see the new file.
        FileReplacement replacement(photo);
        replacement.Write(Bytes("new"));
        replacement.Commit(std::nullopt);
    }
    second.join();
    EXPECT_EQ(seen, "new");
}

TEST(OddFiles, APipeNamedLikeAPhotoIsRefusedAtOnce) {
    const fixture::Sandbox box;
    const fs::path pipe = box.Path() / "DSCN0001.JPG";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Without the refusal each of these would wait for a writer that never comes.
    EXPECT_THROW(InputFile{pipe}, FileError);
    EXPECT_THROW(WritableFile{pipe}, FileError);
    EXPECT_THROW(PatchFile{pipe}, FileError);
    const FileWriteLock lock(pipe);
}
