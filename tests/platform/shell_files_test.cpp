#include "platform/disk_space.h"
#include "platform/shell_files.h"
#include "tests/support/sandbox.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class ShellFiles : public ::testing::Test {
protected:
    fixture::Sandbox sandbox_;
};

struct WildcardCase {
    const char* pattern;
    const char* name;
    bool matches;
};

} // namespace

TEST(Wildcards, MatchLikeThePlatformsFileSearch) {
    const WildcardCase cases[] = {
        {"*.INI", "setup.ini", true},
        {"*.ini", "SETUP.INI.BAK", false},
        {"*.*", "README", true},
        {"*.*", "a.b.c", true},
        {"README.*", "readme", true},
        {"READ*.TXT", "READ.TXT", true},
        {"?.TXT", "AB.TXT", false},
        {"A?C", "abc", true},
        {"*", "", true},
        {"?", "", false},
        {"*X*Y", "aXbXcY", true},
        {"*X*Y", "aXbYc", false},
        // "?" takes one double-byte character, and a letter pattern never matches a second byte.
        {"A?C",
         "A\x83\x41"
         "C",
         true},
        {"A??C",
         "A\x83\x41"
         "C",
         false},
        {"*A", "\x83\x61", false},
        {"*a", "\x83\x41", false},
        {"\x83\x61*", "\x83\x61\x2E\x69\x6E\x69", true},
        {"\x83\x61*", "\x83\x41", false},
    };
    for (const WildcardCase& c : cases) {
        EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches)
            << "pattern " << c.pattern << " name " << c.name;
    }
}

TEST_F(ShellFiles, WildcardDeleteTakesMatchingFilesAndFolders) {
    sandbox_.Write("app/a.ini", "1");
    sandbox_.Write("app/B.INI", "2");
    sandbox_.Write("app/cache.ini/inner/deep.txt", "3");
    sandbox_.Write("app/keep.txt", "4");
    sandbox_.Write("app/sub/c.ini", "not in this folder");

    EXPECT_EQ(DeletePathWithWildcards(sandbox_.Path() / "app" / "*.ini"), kErrorSuccess);
    EXPECT_FALSE(fs::exists(sandbox_.Path() / "app/a.ini"));
    EXPECT_FALSE(fs::exists(sandbox_.Path() / "app/B.INI"));
    EXPECT_FALSE(fs::exists(sandbox_.Path() / "app/cache.ini"));
    EXPECT_TRUE(fs::exists(sandbox_.Path() / "app/keep.txt"));
    EXPECT_TRUE(fs::exists(sandbox_.Path() / "app/sub/c.ini"));

    EXPECT_EQ(DeletePathWithWildcards(sandbox_.Path() / "app" / "*.GID"), kErrorSuccess);
    EXPECT_EQ(DeletePathWithWildcards(sandbox_.Path() / "app" / "*.*"), kErrorSuccess);
    EXPECT_TRUE(fs::is_empty(sandbox_.Path() / "app"));
}

TEST_F(ShellFiles, PlainDeleteTakesFilesAndWholeFoldersAndNamesWhatIsMissing) {
    sandbox_.Write("folder/inner/file.txt", "x");
    const fs::path file = sandbox_.Write("single.dll", "x");
    EXPECT_EQ(DeletePathWithWildcards(sandbox_.Path() / "folder"), kErrorSuccess);
    EXPECT_EQ(DeletePathWithWildcards(file), kErrorSuccess);
    EXPECT_FALSE(fs::exists(sandbox_.Path() / "folder"));
    EXPECT_FALSE(fs::exists(file));

    EXPECT_EQ(DeletePathWithWildcards(file), kErrorFileNotFound);
    EXPECT_EQ(DeletePathWithWildcards(sandbox_.Path() / "none" / "x.dll"), kErrorPathNotFound);
    EXPECT_EQ(DeletePathWithWildcards(sandbox_.Path() / "none" / "*.dll"), kErrorPathNotFound);
}

TEST_F(ShellFiles, CopyCarriesContentsDateAndReadOnly) {
    const fs::path source = sandbox_.Write("SOURCE.DLL", "new contents");
    const auto date = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(source, date);
    ASSERT_EQ(SetFileReadOnly(source, true), kErrorSuccess);
    const fs::path target = sandbox_.Write("dest/TARGET.DLL", "older, longer contents");

    EXPECT_EQ(CopyFileOver(source, target), kErrorSuccess);
    EXPECT_EQ(fixture::FileBytes(target), "new contents");
    EXPECT_EQ(fs::last_write_time(target), date);
    EXPECT_EQ(IsFileReadOnly(target).Value(), true);
    EXPECT_EQ(CompareFileDates(source, target).Value(), 0);
}

TEST_F(ShellFiles, CopyRefusesReadOnlyTargetsFoldersAndMissingSources) {
    const fs::path source = sandbox_.Write("A.DLL", "new");
    const fs::path target = sandbox_.Write("B.DLL", "kept");
    ASSERT_EQ(SetFileReadOnly(target, true), kErrorSuccess);
    EXPECT_EQ(CopyFileOver(source, target), kErrorAccessDenied);
    EXPECT_EQ(fixture::FileBytes(target), "kept");

    ASSERT_EQ(SetFileReadOnly(target, false), kErrorSuccess);
    EXPECT_EQ(IsFileReadOnly(target).Value(), false);
    EXPECT_EQ(CopyFileOver(source, target), kErrorSuccess);
    EXPECT_EQ(fixture::FileBytes(target), "new");

    EXPECT_EQ(CopyFileOver(sandbox_.Path() / "MISSING", target), kErrorFileNotFound);
    EXPECT_EQ(CopyFileOver(source, sandbox_.Path()), kErrorAccessDenied);
    EXPECT_EQ(CopyFileOver(source, sandbox_.Path() / "no" / "such" / "folder"), kErrorPathNotFound);
}

TEST_F(ShellFiles, DatesCompareInStepsOf100Nanoseconds) {
    const fs::path a = sandbox_.Write("a", "");
    const fs::path b = sandbox_.Write("b", "");
    const fs::file_time_type base = fs::file_time_type::clock::now();
    using Tick = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;
    const Tick tick(1);
    const fs::file_time_type stepStart = std::chrono::floor<Tick>(base);
    fs::last_write_time(a, stepStart + std::chrono::nanoseconds(10));
    fs::last_write_time(b, stepStart + std::chrono::nanoseconds(90));
    EXPECT_EQ(CompareFileDates(a, b).Value(), 0);
    fs::last_write_time(b, stepStart + tick);
    EXPECT_EQ(CompareFileDates(a, b).Value(), -1);
    EXPECT_EQ(CompareFileDates(b, a).Value(), 1);

    const Result<int> missing = CompareFileDates(a, sandbox_.Path() / "missing");
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.Error().find("missing"), std::string::npos) << missing.Error();
}

TEST_F(ShellFiles, FreeSpaceAgreesWithStatAndMeasuresFoldersNotYetMade) {
    // GNU stat: blocks available to non-superusers and the fundamental block size.
    const std::string command = "stat -f -c '%a %S' '" + sandbox_.Path().string() + "'";
    struct Closer {
        void operator()(std::FILE* f) const { pclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> pipe(popen(command.c_str(), "r"));
    ASSERT_TRUE(pipe);
    unsigned long long blocks = 0;
    unsigned long long blockSize = 0;
    ASSERT_EQ(std::fscanf(pipe.get(), "%llu %llu", &blocks, &blockSize), 2);

    const Result<std::uint64_t> free = FreeDiskBytes(sandbox_.Path() / "not" / "yet" / "made");
    ASSERT_TRUE(free) << free.Error();
    const double expected = static_cast<double>(blocks * blockSize);
    // Other processes write meanwhile; the two readings are a moment apart.
    EXPECT_NEAR(static_cast<double>(free.Value()), expected, 64.0 * 1024 * 1024);
}
