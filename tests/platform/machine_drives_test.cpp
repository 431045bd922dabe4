#include "platform/codepage.h"
#include "platform/drives.h"
#include "platform/machine_folder.h"
#include "platform/registry.h"
#include "platform/special_folders.h"
#include "platform/windows_folders.h"
#include "tests/support/sandbox.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Every test gets a machine of its own and the default platform.
class MachineDrives : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv(std::string(kMachineFolderVariable).c_str(), Machine().c_str(), 1);
        ::unsetenv(std::string(kPlatformVariable).c_str());
    }
    void TearDown() override { ::unsetenv(std::string(kPlatformVariable).c_str()); }

    fs::path Machine() const { return sandbox_.Path() / "machine"; }
    fs::path DriveC() const { return Machine() / "drive_c"; }

    static fs::path Host(std::string_view windowsPath) {
        Result<fs::path> path = HostPath(windowsPath);
        if (!path) {
            throw std::runtime_error(path.Error());
        }
        return path.Value();
    }

    static std::string Windows(const fs::path& hostPath) {
        Result<std::string> path = WindowsPath(hostPath);
        if (!path) {
            throw std::runtime_error(path.Error());
        }
        return path.Value();
    }

    fixture::Sandbox sandbox_;
};

} // namespace

TEST_F(MachineDrives, DriveCIsTheMachineFoldersDriveAndZIsTheHostRoot) {
    EXPECT_EQ(Host("C:\\WINDOWS\\SYSTEM"), DriveC() / "WINDOWS" / "SYSTEM");
    EXPECT_TRUE(fs::is_directory(DriveC()));
    EXPECT_EQ(Host("c:/Program Files/App/"), DriveC() / "Program Files" / "App");
    EXPECT_EQ(Host("C:\\"), DriveC());
    EXPECT_EQ(Host("C:"), DriveC());
    EXPECT_EQ(Host("Z:\\usr\\bin\\env"), fs::path("/usr/bin/env"));
    EXPECT_EQ(Host("z:\\"), fs::path("/"));
}

TEST_F(MachineDrives, ExistingNamesAreFoundInAnyLetterCase) {
    fs::create_directories(DriveC() / "Program Files" / "Hestrom");
    std::ofstream(DriveC() / "Program Files" / "Hestrom" / "LumaroUty.exe") << "x";
    EXPECT_EQ(Host("C:\\PROGRAM FILES\\hestrom\\LUMAROUTY.EXE"),
              DriveC() / "Program Files" / "Hestrom" / "LumaroUty.exe");
    // Names that exist in no case are kept as written, below an existing one found by case.
    EXPECT_EQ(Host("C:\\program files\\HESTROM\\New\\a.Dll"),
              DriveC() / "Program Files" / "Hestrom" / "New" / "a.Dll");
}

TEST_F(MachineDrives, DotsAreResolvedWithoutLeavingTheDrive) {
    EXPECT_EQ(Host("C:\\..\\..\\etc\\.\\passwd"), DriveC() / "etc" / "passwd");
    EXPECT_EQ(Host("Z:\\tmp\\..\\etc"), fs::path("/etc"));
    EXPECT_EQ(Host("C:\\WINDOWS\\\\SYSTEM\\"), DriveC() / "WINDOWS" / "SYSTEM");
}

TEST_F(MachineDrives, DoubleByteNamesWithABackslashSecondByteStayWhole) {
    // "ソフト\表示": ソ (83 5C) and 表 (95 5C) end in the byte of "\".
    const std::string folder = Utf8ToCp932("ソフト");
    const std::string file = Utf8ToCp932("表示.txt");
    ASSERT_EQ(folder.substr(0, 2), "\x83\x5C");
    EXPECT_EQ(Host("C:\\" + folder + "\\" + file), DriveC() / "ソフト" / "表示.txt");
    EXPECT_EQ(Windows(DriveC() / "ソフト" / "表示.txt"), "C:\\" + folder + "\\" + file);
}

TEST_F(MachineDrives, PathsWithoutAKnownDriveFail) {
    for (const char* path : {"D:\\DATA", "\\\\server\\share", "relative\\x", "", "C"}) {
        const Result<fs::path> host = HostPath(path);
        EXPECT_FALSE(host) << path;
    }
    EXPECT_NE(HostPath("D:\\DATA").Error().find("D:\\DATA"), std::string::npos);
}

TEST_F(MachineDrives, HostPathsGetWindowsSpellings) {
    EXPECT_EQ(Windows(DriveC() / "WINDOWS" / "SYSTEM"), "C:\\WINDOWS\\SYSTEM");
    EXPECT_EQ(Windows(DriveC()), "C:\\");
    EXPECT_EQ(Windows(DriveC() / ""), "C:\\");
    EXPECT_EQ(Windows(DriveC() / "WINDOWS" / ""), "C:\\WINDOWS\\");
    EXPECT_EQ(Windows(DriveC() / "WINDOWS" / ".." / "TEMP"), "C:\\TEMP");
    EXPECT_EQ(Windows("/usr/bin"), "Z:\\usr\\bin");
    EXPECT_EQ(Windows("/"), "Z:\\");
    EXPECT_EQ(Windows("/tmp/"), "Z:\\tmp\\");
    // A neighbour whose name merely starts like drive_c is not on C:.
    EXPECT_EQ(Windows(Machine() / "drive_c_old" / "x").substr(0, 3), "Z:\\");
}

TEST_F(MachineDrives, ALinkToTheMachineFolderStillLeadsToDriveC) {
    ASSERT_TRUE(DriveCFolder());
    fs::create_directory_symlink(Machine(), sandbox_.Path() / "link");
    EXPECT_EQ(Windows(sandbox_.Path() / "link" / "drive_c" / "A"), "C:\\A");
}

TEST_F(MachineDrives, SpellingsRoundTripForExistingPaths) {
    fs::create_directories(DriveC() / "Program Files" / "Mixed Case");
    for (const fs::path& host :
         {DriveC() / "Program Files" / "Mixed Case", sandbox_.Path(), fs::path("/usr/bin")}) {
        EXPECT_EQ(Host(Windows(host)), host);
    }
}

TEST_F(MachineDrives, WindowsAndSystemFoldersFollowThePlatform) {
    EXPECT_EQ(CurrentPlatform(), PlatformId::WindowsNt);
    EXPECT_EQ(WindowsFolder().Value(), "C:\\WINDOWS");
    EXPECT_EQ(SystemFolder().Value(), "C:\\WINDOWS\\SYSTEM32");
    EXPECT_TRUE(fs::is_directory(DriveC() / "WINDOWS" / "SYSTEM32"));

    ::setenv(std::string(kPlatformVariable).c_str(), "9X", 1);
    EXPECT_EQ(CurrentPlatform(), PlatformId::Windows);
    EXPECT_EQ(SystemFolder().Value(), "C:\\WINDOWS\\SYSTEM");
    EXPECT_TRUE(fs::is_directory(DriveC() / "WINDOWS" / "SYSTEM"));

    ::setenv(std::string(kPlatformVariable).c_str(), "nt", 1);
    EXPECT_EQ(CurrentPlatform(), PlatformId::WindowsNt);
}

TEST_F(MachineDrives, TheTemporaryFolderIsTheHostsOnZWithATrailingBackslash) {
    const char* saved = std::getenv("TMPDIR");
    const std::string previous = saved != nullptr ? saved : "";
    fs::create_directories(sandbox_.Path() / "tmp");
    ::setenv("TMPDIR", (sandbox_.Path() / "tmp").c_str(), 1);
    const Result<std::string> temporary = TemporaryFolder();
    saved != nullptr ? ::setenv("TMPDIR", previous.c_str(), 1) : ::unsetenv("TMPDIR");
    ASSERT_TRUE(temporary) << temporary.Error();
    EXPECT_EQ(temporary.Value(), Windows(sandbox_.Path() / "tmp") + "\\");
    EXPECT_EQ(temporary.Value().substr(0, 3), "Z:\\");
}

TEST_F(MachineDrives, ProgramFilesComesFromTheRegistryWithADefault) {
    EXPECT_EQ(ProgramFilesFolder().Value(), "C:\\Program Files");
    EXPECT_TRUE(fs::is_directory(DriveC() / "Program Files"));

    Result<Registry> registry = Registry::OpenMachine();
    ASSERT_TRUE(registry) << registry.Error();
    Result<RegistryKey> key = registry.Value().CreateKey(
        RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    ASSERT_TRUE(key) << key.Error();
    ASSERT_TRUE(key.Value().WriteValue("ProgramFilesDir", RegistryValue::Sz("")));
    EXPECT_EQ(ProgramFilesFolder().Value(), "C:\\Program Files");
    ASSERT_TRUE(key.Value().WriteValue("ProgramFilesDir", RegistryValue::Sz("C:\\Apps")));
    EXPECT_EQ(ProgramFilesFolder().Value(), "C:\\Apps");
}

TEST_F(MachineDrives, SpecialFoldersAreFixedFoldersMadeOnFirstUse) {
    const std::pair<SpecialFolder, const char*> expected[] = {
        {SpecialFolder::Programs, "C:\\WINDOWS\\Start Menu\\Programs"},
        {SpecialFolder::Startup, "C:\\WINDOWS\\Start Menu\\Programs\\StartUp"},
        {SpecialFolder::SendTo, "C:\\WINDOWS\\SendTo"},
        {SpecialFolder::StartMenu, "C:\\WINDOWS\\Start Menu"},
        {SpecialFolder::DesktopDirectory, "C:\\WINDOWS\\Desktop"},
        {SpecialFolder::CommonStartMenu, "C:\\WINDOWS\\All Users\\Start Menu"},
        {SpecialFolder::CommonPrograms, "C:\\WINDOWS\\All Users\\Start Menu\\Programs"},
        {SpecialFolder::CommonStartup, "C:\\WINDOWS\\All Users\\Start Menu\\Programs\\StartUp"},
        {SpecialFolder::CommonDesktopDirectory, "C:\\WINDOWS\\All Users\\Desktop"},
    };
    for (const auto& [folder, path] : expected) {
        const Result<std::string> found = SpecialFolderPath(folder);
        ASSERT_TRUE(found) << found.Error();
        EXPECT_EQ(found.Value(), path);
        EXPECT_TRUE(fs::is_directory(Host(path))) << path;
    }
}

TEST_F(MachineDrives, AllUsersFoldersExistOnlyOnNt) {
    ::setenv(std::string(kPlatformVariable).c_str(), "9x", 1);
    for (const SpecialFolder folder :
         {SpecialFolder::CommonStartMenu, SpecialFolder::CommonPrograms,
          SpecialFolder::CommonStartup, SpecialFolder::CommonDesktopDirectory}) {
        EXPECT_FALSE(SpecialFolderPath(folder)) << static_cast<int>(folder);
    }
    EXPECT_EQ(SpecialFolderPath(SpecialFolder::DesktopDirectory).Value(), "C:\\WINDOWS\\Desktop");
    EXPECT_FALSE(fs::exists(DriveC() / "WINDOWS" / "All Users"));
}
