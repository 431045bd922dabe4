#include "platform/named_mutex.h"

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
    const std::string name = UniqueName("ORVSETUP");
    {
        Result<std::optional<NamedMutex>> first = NamedMutex::Acquire(name);
        ASSERT_TRUE(first) << first.Error();
        ASSERT_TRUE(first.Value().has_value());

        Result<std::optional<NamedMutex>> second = NamedMutex::Acquire(name);
        ASSERT_TRUE(second) << second.Error();
        EXPECT_FALSE(second.Value().has_value());
        EXPECT_FALSE(OtherProcessCanLock(NamedMutex::LockFile(name)));

        // Moving the holder keeps the mutex held.
        NamedMutex moved = std::move(*first.Value());
        first.Value().reset();
        EXPECT_FALSE(NamedMutex::Acquire(name).Value().has_value());
    }
    EXPECT_TRUE(OtherProcessCanLock(NamedMutex::LockFile(name)));
    EXPECT_TRUE(NamedMutex::Acquire(name).Value().has_value());
    fs::remove(NamedMutex::LockFile(name));
}

TEST(NamedMutexTest, NamesBecomeOneSafeFileNameInTheTemporaryFolder) {
    EXPECT_EQ(NamedMutex::LockFile("ORVSETUP"),
              fs::temp_directory_path() / "lumaro-mutex-ORVSETUP.lock");
    EXPECT_EQ(NamedMutex::LockFile("a/b\\c d%\x82\xA0").filename(),
              "lumaro-mutex-a%2Fb%5Cc%20d%25%82%A0.lock");
    EXPECT_NE(NamedMutex::LockFile("orvsetup"), NamedMutex::LockFile("ORVSETUP"));
}
