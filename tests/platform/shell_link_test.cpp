#include "platform/codepage.h"
#include "platform/drives.h"
#include "platform/machine_folder.h"
#include "platform/pif_file.h"
#include "platform/shell_link.h"
#include "platform/shell_link_format.h"
#include "tests/support/sandbox.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class ShellLinks : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv(std::string(kMachineFolderVariable).c_str(), (sandbox_.Path() / "m").c_str(), 1);
    }

    fs::path Path(const fs::path& name) const { return sandbox_.Path() / name; }

    // What lnkinfo prints for the file, reading ANSI strings as CP932, converted to UTF-8.
    static std::string LnkInfo(const fs::path& file) {
        const std::string command = "lnkinfo -c windows-932 '" + file.string() + "' 2>&1";
        struct Closer {
            void operator()(std::FILE* f) const { pclose(f); }
        };
        std::unique_ptr<std::FILE, Closer> pipe(popen(command.c_str(), "r"));
        std::string output;
        char buffer[4096];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
            output += buffer;
        }
        return output;
    }

    fixture::Sandbox sandbox_;
};

// The value lnkinfo prints after "<name>" and the colon, up to the line end.
std::string Field(const std::string& info, std::string_view name) {
    const std::string label(name); // held first: g++ 12 warns of "\t" + a temporary
    const std::size_t line = info.find("\t" + label);
    if (line == std::string::npos) {
        return "<absent>";
    }
    const std::size_t start = info.find(": ", line) + 2;
    return info.substr(start, info.find('\n', start) - start);
}

std::string U16(unsigned value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string U32(unsigned value) {
    return U16(value & 0xFFFF) + U16(value >> 16);
}

// The sum the basic section's checksum byte holds.
unsigned char PifChecksum(const std::string& bytes) {
    unsigned sum = 0;
    for (std::size_t i = 2; i < 0x171; ++i) {
        sum += static_cast<unsigned char>(bytes[i]);
    }
    return static_cast<unsigned char>(sum & 0xFF);
}

const ShellLink kProgramLink{"C:\\Program Files\\Hestrom\\LumaroUty.exe",
                             "C:\\Program Files\\Hestrom\\",
                             "/S \"C:\\My Photos\"",
                             "LumaroUty",
                             "C:\\Program Files\\Hestrom\\LumaroUty.exe",
                             2};

} // namespace

TEST_F(ShellLinks, LnkinfoReadsTargetWorkingFolderArgumentsAndStrings) {
    const Result<fs::path> saved = SaveShellLink(kProgramLink, Path("LumaroUty.lnk"));
    ASSERT_TRUE(saved) << saved.Error();
    EXPECT_EQ(saved.Value(), Path("LumaroUty.lnk"));
    const std::string info = LnkInfo(saved.Value());
    EXPECT_EQ(Field(info, "Local path"), "C:\\Program Files\\Hestrom\\LumaroUty.exe") << info;
    EXPECT_EQ(Field(info, "Working directory"), "C:\\Program Files\\Hestrom\\");
    EXPECT_EQ(Field(info, "Command line arguments"), "/S \"C:\\My Photos\"");
    EXPECT_EQ(Field(info, "Description"), "LumaroUty");
    EXPECT_EQ(Field(info, "Icon location"), "C:\\Program Files\\Hestrom\\LumaroUty.exe");
    EXPECT_EQ(Field(info, "Icon index"), "2");
    EXPECT_EQ(Field(info, "Drive type"), "Fixed (3)");
}

TEST_F(ShellLinks, OnlyTheStringsGivenAreWritten) {
    const ShellLink bare{"C:\\APP\\RUN.EXE", "", "", "", "", 0};
    const Result<fs::path> saved = SaveShellLink(bare, Path("bare.lnk"));
    ASSERT_TRUE(saved) << saved.Error();
    const std::string info = LnkInfo(saved.Value());
    EXPECT_EQ(Field(info, "Local path"), "C:\\APP\\RUN.EXE") << info;
    EXPECT_EQ(Field(info, "Working directory"), "<absent>");
    EXPECT_EQ(Field(info, "Command line arguments"), "<absent>");
    EXPECT_EQ(Field(info, "Description"), "<absent>");
}

TEST_F(ShellLinks, DoubleByteTextIsStoredAsCp932) {
    const ShellLink link{Utf8ToCp932("C:\\ソフト\\表示.exe"),
                         Utf8ToCp932("C:\\ソフト\\"),
                         Utf8ToCp932("写真"),
                         "",
                         "",
                         0};
    const Result<fs::path> saved = SaveShellLink(link, Path("kana.lnk"));
    ASSERT_TRUE(saved) << saved.Error();
    const std::string info = LnkInfo(saved.Value());
    EXPECT_EQ(Field(info, "Local path"), "C:\\ソフト\\表示.exe") << info;
    EXPECT_EQ(Field(info, "Working directory"), "C:\\ソフト\\");
    EXPECT_EQ(Field(info, "Command line arguments"), "写真");
    EXPECT_EQ(LoadShellLink(saved.Value()).Value(), link);
}

TEST_F(ShellLinks, TheHeaderCarriesTheTargetsSizeAttributesAndDate) {
    const fs::path target = sandbox_.Path() / "m" / "drive_c" / "APP" / "RUN.EXE";
    fs::create_directories(target.parent_path());
    std::ofstream(target) << "twelve bytes";
    const std::chrono::sys_seconds date(std::chrono::seconds(981173106)); // 2001-02-03 04:05:06
    fs::last_write_time(target, std::chrono::file_clock::from_sys(date));
    fs::permissions(target,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const Result<fs::path> saved =
        SaveShellLink({"c:\\app\\run.exe", "", "", "", "", 0}, Path("facts.lnk"));
    ASSERT_TRUE(saved) << saved.Error();
    const std::string info = LnkInfo(saved.Value());
    EXPECT_EQ(Field(info, "File size"), "12 bytes") << info;
    EXPECT_EQ(Field(info, "File attribute flags"), "0x00000021");
    EXPECT_EQ(Field(info, "Modification time"), "Feb 03, 2001 04:05:06.000000000 UTC");

    const Result<fs::path> folder =
        SaveShellLink({"C:\\APP", "", "", "", "", 0}, Path("folder.lnk"));
    ASSERT_TRUE(folder) << folder.Error();
    EXPECT_EQ(Field(LnkInfo(folder.Value()), "File attribute flags"), "0x00000010");
}

TEST_F(ShellLinks, SavedLinksReadBackWhole) {
    const Result<fs::path> saved = SaveShellLink(kProgramLink, Path("LumaroUty.lnk"));
    ASSERT_TRUE(saved) << saved.Error();
    const Result<ShellLink> loaded = LoadShellLink(saved.Value());
    ASSERT_TRUE(loaded) << loaded.Error();
    EXPECT_EQ(loaded.Value(), kProgramLink);
}

TEST_F(ShellLinks, UnicodeLinksWithoutLinkInfoUseTheirRelativePath) {
    // Header flags: relative path, working folder, arguments, Unicode strings.
    std::string bytes =
        U32(0x4C) +
        std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16) +
        U32(0x08 | 0x10 | 0x20 | 0x80) + std::string(0x4C - 24, '\0');
    auto utf16 = [](std::initializer_list<unsigned> units) {
        std::string text = U16(static_cast<unsigned>(units.size()));
        for (const unsigned unit : units) {
            text += U16(unit);
        }
        return text;
    };
    bytes += utf16({'.', '\\', 'A', '.', 'E', 'X', 'E'});
    bytes += utf16({'C', ':', '\\', 0x8868, 0x793A});   // C:\表示
    bytes += utf16({'x', 0xD83D, 0xDE00, 'y', 0xDC00}); // an emoji, then a lone low surrogate
    bytes += U32(0);
    std::ofstream(Path("unicode.lnk"), std::ios::binary) << bytes;

    const Result<ShellLink> loaded = LoadShellLink(Path("unicode.lnk"));
    ASSERT_TRUE(loaded) << loaded.Error();
    EXPECT_EQ(loaded.Value().target, ".\\A.EXE");
    EXPECT_EQ(loaded.Value().workingFolder, Utf8ToCp932("C:\\表示"));
    EXPECT_EQ(loaded.Value().arguments, "x?y?");
}

TEST_F(ShellLinks, DamagedLinksFailWithoutReadingPastTheirEnd) {
    const std::string whole = EncodeShellLink(kProgramLink, {}).Value();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Result<ShellLink> cut = DecodeShellLink(std::string_view(whole).substr(0, size));
        if (size < whole.size() - 4) { // only the terminal block may be missing
            EXPECT_FALSE(cut) << "cut at " << size;
        }
    }
    std::string badOffset = whole;
    badOffset.replace(0x4C + 16, 4, U32(0xFFFFFFF0)); // local base path offset
    EXPECT_FALSE(DecodeShellLink(badOffset));

    std::ofstream(Path("text.lnk")) << "not a link";
    const Result<ShellLink> text = LoadShellLink(Path("text.lnk"));
    ASSERT_FALSE(text);
    EXPECT_NE(text.Error().find(Path("text.lnk").string()), std::string::npos) << text.Error();
}

TEST_F(ShellLinks, DosProgramsGetAProgramInformationFileInstead) {
    EXPECT_TRUE(IsDosProgram("C:\\DOS\\EDIT.COM"));
    EXPECT_TRUE(IsDosProgram("c:\\tools\\go.bat"));
    EXPECT_FALSE(IsDosProgram("C:\\DOS\\EDIT.COMX"));
    EXPECT_FALSE(IsDosProgram("C:\\APP\\RUN.EXE"));

    const ShellLink link{"C:\\TOOLS\\GO.BAT", "C:\\TOOLS\\", "/Q", "", "", 0};
    const Result<fs::path> saved = SaveShellLink(link, Path("Go Tool.lnk"));
    ASSERT_TRUE(saved) << saved.Error();
    EXPECT_EQ(saved.Value(), Path("Go Tool.pif"));
    EXPECT_FALSE(fs::exists(Path("Go Tool.lnk")));

    const std::string bytes = fixture::FileBytes(saved.Value());
    ASSERT_EQ(bytes.size(), 391u);
    EXPECT_EQ(bytes.substr(0x171, 16), std::string("MICROSOFT PIFEX\0", 16));
    EXPECT_EQ(bytes.substr(0x02, 30), "Go Tool" + std::string(23, ' '));
    EXPECT_EQ(bytes.substr(0x24, 16), std::string("C:\\TOOLS\\GO.BAT\0", 16));
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), PifChecksum(bytes));

    const Result<ShellLink> loaded = LoadShellLink(saved.Value());
    ASSERT_TRUE(loaded) << loaded.Error();
    EXPECT_EQ(loaded.Value().target, "C:\\TOOLS\\GO.BAT");
    EXPECT_EQ(loaded.Value().workingFolder, "C:\\TOOLS\\");
    EXPECT_EQ(loaded.Value().arguments, "/Q");
    EXPECT_EQ(loaded.Value().description, "Go Tool");
}

TEST_F(ShellLinks, ProgramInformationFieldsHaveFixedSizes) {
    const std::string longest = "C:\\" + std::string(53, 'D') + "\\A.COM"; // 62 bytes
    ASSERT_EQ(longest.size(), 62u);
    EXPECT_TRUE(EncodePif({longest, "", "", "", "", 0}, "t"));
    const Result<std::string> tooLong = EncodePif({longest + "X", "", "", "", "", 0}, "t");
    ASSERT_FALSE(tooLong);
    EXPECT_NE(tooLong.Error().find("62 bytes"), std::string::npos) << tooLong.Error();
    EXPECT_FALSE(EncodePif({"A.COM", std::string(64, 'w'), "", "", "", 0}, "t"));
    EXPECT_FALSE(EncodePif({"A.COM", "", std::string(64, 'p'), "", "", 0}, "t"));

    // A title is cut before a double-byte character that would not fit whole.
    const std::string title = std::string(29, 'T') + "\x95\x5C";
    const std::string bytes = EncodePif({"A.COM", "", "", "", "", 0}, title).Value();
    EXPECT_EQ(bytes.substr(0x02, 30), std::string(29, 'T') + " ");
}
