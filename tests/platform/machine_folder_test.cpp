#include "platform/machine_folder.h"
#include "platform/registry.h"
#include "tests/support/sandbox.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Sets or clears environment variables for one test and puts the old values back.
class EnvironmentScope {
public:
    ~EnvironmentScope() {
        for (auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }

    void Set(const std::string& name, const std::optional<std::string>& value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

} // namespace

TEST(MachineFolder, TheOverrideWinsAndIsCreatedOnFirstUse) {
    fixture::Sandbox sandbox;
    EnvironmentScope environment;
    const fs::path machine = sandbox.Path() / "machine" / "inner";
    environment.Set(std::string(kMachineFolderVariable), machine.string());
    environment.Set("XDG_DATA_HOME", (sandbox.Path() / "xdg").string());

    EXPECT_EQ(MachineFolderPath().Value(), machine);
    EXPECT_FALSE(fs::exists(machine));
    EXPECT_EQ(MachineFolder().Value(), machine);
    EXPECT_TRUE(fs::is_directory(machine));

    Result<Registry> registry = Registry::OpenMachine();
    ASSERT_TRUE(registry.Ok()) << registry.Error();
    EXPECT_EQ(registry.Value().File(), machine / "registry.db");
}

TEST(MachineFolder, DefaultsFollowTheXdgRules) {
    fixture::Sandbox sandbox;
    EnvironmentScope environment;
    environment.Set(std::string(kMachineFolderVariable), std::nullopt);
    environment.Set("HOME", (sandbox.Path() / "home").string());

    environment.Set("XDG_DATA_HOME", (sandbox.Path() / "data").string());
    EXPECT_EQ(MachineFolderPath().Value(), sandbox.Path() / "data" / "lumaro");
    // Empty and relative values are ignored.
    environment.Set("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(MachineFolderPath().Value(), sandbox.Path() / "home" / ".local/share/lumaro");
    environment.Set("XDG_DATA_HOME", "");
    EXPECT_EQ(MachineFolderPath().Value(), sandbox.Path() / "home" / ".local/share/lumaro");
}

TEST(MachineFolder, AFolderThatCannotBeMadeIsReported) {
    fixture::Sandbox sandbox;
    EnvironmentScope environment;
    const fs::path blocker = sandbox.Path() / "file";
    std::ofstream(blocker) << "x";
    environment.Set(std::string(kMachineFolderVariable), (blocker / "machine").string());

    Result<fs::path> folder = MachineFolder();
    ASSERT_FALSE(folder.Ok());
    EXPECT_NE(folder.Error().find((blocker / "machine").string()), std::string::npos)
        << folder.Error();
    EXPECT_FALSE(Registry::OpenMachine().Ok());
}
