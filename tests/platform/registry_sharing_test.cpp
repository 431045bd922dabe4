// The registry shared between processes, and databases that cannot be used.

#include "platform/registry.h"
#include "tests/support/sandbox.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

constexpr int kValuesPerProcess = 150;

// The child's whole life: its own connection, one transaction per value, exit status 0 when
// every write succeeded. It never returns into the test framework.
[[noreturn]] void WriteValuesAndExit(const fs::path& file, const std::string& prefix) {
    int failures = 0;
    for (int i = 0; i < kValuesPerProcess; ++i) {
        Result<Registry> registry = Registry::Open(file);
        if (!registry) {
            ++failures;
            continue;
        }
        Result<RegistryKey> key =
            registry.Value().CreateKey(RegistryRoot::CurrentUser, "Software\\Shared");
        if (!key ||
            !key.Value().WriteValue(prefix + std::to_string(i), RegistryValue::Sz(prefix)).Ok()) {
            ++failures;
        }
    }
    _exit(failures == 0 ? 0 : 1);
}

void WriteFile(const fs::path& path, const std::string& bytes, std::streamoff at = 0) {
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!out) {
        std::ofstream(path, std::ios::binary) << bytes;
        return;
    }
    out.seekp(at);
    out << bytes;
}

} // namespace

TEST(RegistrySharing, TwoProcessesWritingOneKeyAtOnceBothLand) {
    fixture::Sandbox sandbox;
    const fs::path file = sandbox.Path() / "registry.db";
    // Both start on a database that does not exist yet, so they also race to create it.
    std::vector<pid_t> children;
    for (const std::string prefix : {"First", "Second"}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteValuesAndExit(file, prefix);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a writer failed";
    }

    Result<Registry> registry = Registry::Open(file);
    ASSERT_TRUE(registry.Ok()) << registry.Error();
    Result<std::optional<RegistryKey>> key =
        registry.Value().OpenKey(RegistryRoot::CurrentUser, "Software\\Shared");
    ASSERT_TRUE(key.Ok() && key.Value().has_value());
    Result<std::vector<NamedRegistryValue>> values = key.Value()->Values();
    ASSERT_TRUE(values.Ok());
    std::set<std::string> names;
    for (const NamedRegistryValue& value : values.Value()) {
        names.insert(value.name);
        EXPECT_EQ(value.name.rfind(*value.value.Text(), 0), 0u) << value.name;
    }
    for (const std::string prefix : {"First", "Second"}) {
        for (int i = 0; i < kValuesPerProcess; ++i) {
            EXPECT_TRUE(names.count(prefix + std::to_string(i))) << prefix << i << " is missing";
        }
    }
    EXPECT_EQ(names.size(), 2u * kValuesPerProcess);
    EXPECT_EQ(values.Value().size(), 2u * kValuesPerProcess);
    EXPECT_TRUE(names.count("First0") && names.count("Second149"));
    // One key, not one per process.
    Result<std::optional<RegistryKey>> software =
        registry.Value().OpenKey(RegistryRoot::CurrentUser, "Software");
    EXPECT_EQ(software.Value()->SubKeyNames().Value().size(), 1u);
}

TEST(RegistryDamage, AFileThatIsNoDatabaseIsReportedAndLeftAlone) {
    fixture::Sandbox sandbox;
    const fs::path file = sandbox.Path() / "registry.db";
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "This is a settings file from somewhere else.\n";
    }
    WriteFile(file, text);

    Result<Registry> registry = Registry::Open(file);
    ASSERT_FALSE(registry.Ok());
    EXPECT_NE(registry.Error().find("cannot open registry " + file.string()), std::string::npos)
        << registry.Error();
    EXPECT_NE(registry.Error().find("not a database"), std::string::npos) << registry.Error();
    EXPECT_EQ(fixture::FileBytes(file), text);
}

TEST(RegistryDamage, ADatabaseWithOverwrittenPagesIsReported) {
    fixture::Sandbox sandbox;
    const fs::path file = sandbox.Path() / "registry.db";
    {
        Result<Registry> registry = Registry::Open(file);
        ASSERT_TRUE(registry.Ok());
        Result<RegistryKey> key = registry.Value().CreateKey(RegistryRoot::CurrentUser, "Big");
        ASSERT_TRUE(key.Ok());
        for (int i = 0; i < 300; ++i) {
            ASSERT_TRUE(key.Value()
                            .WriteValue("Value" + std::to_string(i),
                                        RegistryValue::Binary(std::string(100, 'x')))
                            .Ok());
        }
    }
    ASSERT_GT(fs::file_size(file), 8u * 4096u);
    WriteFile(file, std::string(4096 * 3, '\xA5'), 4096);

    Result<Registry> registry = Registry::Open(file);
    ASSERT_FALSE(registry.Ok());
    EXPECT_NE(registry.Error().find(file.string()), std::string::npos) << registry.Error();
}

TEST(RegistryDamage, AnUnopenablePlaceIsReported) {
    fixture::Sandbox sandbox;
    const fs::path folder = sandbox.Path() / "registry.db";
    fs::create_directory(folder);
    Result<Registry> asFolder = Registry::Open(folder);
    ASSERT_FALSE(asFolder.Ok());
    EXPECT_NE(asFolder.Error().find(folder.string()), std::string::npos) << asFolder.Error();

    Result<Registry> missingParent = Registry::Open(sandbox.Path() / "no" / "such" / "x.db");
    ASSERT_FALSE(missingParent.Ok());
    EXPECT_NE(missingParent.Error().find("no/such/x.db"), std::string::npos);
}
