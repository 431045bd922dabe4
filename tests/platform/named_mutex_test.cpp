#include "platform/named_mutex.h"
#include "tests/support/machine_sandbox.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

// A name of this test process alone, so that parallel test runs never meet.
std::string UniqueName(std::string_view base) {
    return std::string(base) + "-" + std::to_string(::getpid());
}

// Whether another process can take the lock now (flock(1) from util-linux).
bool OtherProcessCanLock(const fs::path& file) {
    const std::string command = "flock -n '" + file.string() + "' true";
    return std::system(command.c_str()) == 0;
}

} // namespace

TEST(NamedMutexTest, ASecondHolderFailsWhileTheFirstLives) {
    const fixture::MachineSandbox machine;
    const std::string name = UniqueName("ORVSETUP");
    const fs::path lockFile = NamedMutex::LockFile(name).Value();
    {
        Result<std::optional<NamedMutex>> first = NamedMutex::Acquire(name);
        ASSERT_TRUE(first) << first.Error();
        ASSERT_TRUE(first.Value().has_value());

        Result<std::optional<NamedMutex>> second = NamedMutex::Acquire(name);
        ASSERT_TRUE(second) << second.Error();
        EXPECT_FALSE(second.Value().has_value());
        EXPECT_FALSE(OtherProcessCanLock(lockFile));

        // Moving the holder keeps the mutex held.
        NamedMutex moved = std::move(*first.Value());
        first.Value().reset();
        EXPECT_FALSE(NamedMutex::Acquire(name).Value().has_value());
    }
    EXPECT_TRUE(OtherProcessCanLock(lockFile));
    EXPECT_TRUE(NamedMutex::Acquire(name).Value().has_value());
}

TEST(NamedMutexTest, NamesBecomeOneSafeFileNameInTheMachineFolder) {
    const fixture::MachineSandbox machine;
    EXPECT_EQ(NamedMutex::LockFile("ORVSETUP").Value(),
              machine.Folder() / "lumaro-mutex-ORVSETUP.lock");
    EXPECT_EQ(NamedMutex::LockFile("a/b\\c d%\x82\xA0").Value().filename(),
              "lumaro-mutex-a%2Fb%5Cc%20d%25%82%A0.lock");
    EXPECT_NE(NamedMutex::LockFile("orvsetup").Value(), NamedMutex::LockFile("ORVSETUP").Value());
}

TEST(NamedMutexTest, ALinkInThePlaceOfTheLockFileIsNotFollowed) {
    const fixture::MachineSandbox machine;
    const fs::path lockFile = NamedMutex::LockFile("linked").Value();
    const fs::path elsewhere = machine.Folder().parent_path() / "elsewhere.txt";
    fs::create_symlink(elsewhere, lockFile);
    EXPECT_FALSE(NamedMutex::Acquire("linked"));
    EXPECT_FALSE(fs::exists(elsewhere));
}
