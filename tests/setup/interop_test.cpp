#include "platform/codepage.h"
#include "tests/setup/install_fixture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace setup;
using setup_test::ReadBytes;

namespace {

namespace fs = std::filesystem;

// Text of some kilobytes: mscompress damages very short files (13 bytes come back with three NUL
// bytes in front, with msexpand too), so every compressed file of these tests is longer.
std::string LongText(std::string_view line) {
    std::string text;
    for (int i = 0; i < 2000; ++i) {
        text += std::string(line) + " " + std::to_string(i * 7919 % 1000) + "\r\n";
    }
    return text;
}

std::string Output(const std::string& command) {
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

// The value lnkinfo prints for a field, up to the line end; "<absent>" when it prints none.
std::string LnkField(const std::string& info, std::string_view name) {
    const std::string label(name); // held first: g++ 12 warns of "\t" + a temporary
    const std::size_t line = info.find("\t" + label);
    if (line == std::string::npos) {
        return "<absent>";
    }
    const std::size_t start = info.find(": ", line) + 2;
    return info.substr(start, info.find('\n', start) - start);
}

class Interop : public setup_test::InstallTest {
protected:
    void SetUp() override { WriteMediumFile("SETUP.EXE", "installer"); }

    // mscompress writes name + "_" beside the file, with no stored last character.
    fs::path Compress(const fs::path& file) const {
        const std::string command = "mscompress '" + file.string() + "'";
        if (std::system(command.c_str()) != 0) {
            ADD_FAILURE() << "mscompress failed on " << file;
        }
        return file.string() + "_";
    }

    // A compressed medium file named like the platform's compress tool names it ("grid.dl_"),
    // keeping the replaced character in its header.
    fs::path CompressedWithStoredCharacter(std::string_view plainName, std::string_view bytes,
                                           char stored) const {
        const fs::path plain = Root() / "plain" / fs::path(std::string(plainName));
        setup_test::WriteBytes(plain, bytes);
        std::string compressed = ReadBytes(Compress(plain));
        compressed[9] = stored;
        std::string name(plainName);
        name.back() = '_';
        return WriteMediumFile(name, compressed);
    }
};

TEST_F(Interop, ABareShortcutNameIsAProgramsLinkThatLnkinfoReads) {
    WriteScript("[CopyFile]\nFile1=(App)tool.exe\n[ShortCut]\nMake1=(App)tool.exe,/open x\n"
                "Name1=Lumaro\nMake2=(App)tool.exe\nName2=(Sta)Second.lnk\n");
    WriteMediumFile("tool.exe", "program");
    options.startMenu = true;
    ASSERT_TRUE(Install().Succeeded());
    const fs::path link = Host("C:\\WINDOWS\\Start Menu\\Programs\\Lumaro.lnk");
    ASSERT_TRUE(fs::exists(link));
    const std::string info = Output("lnkinfo -c windows-932 '" + link.string() + "' 2>&1");
    EXPECT_EQ(LnkField(info, "Local path"), "C:\\Program Files\\Test\\tool.exe") << info;
    EXPECT_EQ(LnkField(info, "Working directory"), "C:\\Program Files\\Test\\") << info;
    EXPECT_EQ(LnkField(info, "Command line arguments"), "/open x") << info;
    EXPECT_TRUE(fs::exists(Host("C:\\WINDOWS\\Start Menu\\Programs\\Second.lnk")));
    EXPECT_FALSE(fs::exists(Host("C:\\WINDOWS\\Start Menu\\Programs\\Second.lnk.lnk")));
}

TEST_F(Interop, ACompressedFileIsInstalledUnderItsStoredNameInUpperCase) {
    WriteScript("[CopyFile]\nFile1=(Sys)grid.dl_,/S\nFile2=(App)notes.txt_\n"
                "File3=(App)grid.dl_|Other.dll\n");
    CompressedWithStoredCharacter("grid.dll", LongText("library"), 'l');
    Compress(WriteMediumFile("notes.txt", LongText("notes")));
    ASSERT_TRUE(Install().Succeeded());
    EXPECT_EQ(ReadBytes(Host("C:\\WINDOWS\\SYSTEM32\\GRID.DLL")), LongText("library"));
    EXPECT_EQ(fs::directory_iterator(Host("C:\\WINDOWS\\SYSTEM32"))->path().filename(), "GRID.DLL");
    EXPECT_EQ(ReadBytes(Host("C:\\Program Files\\Test\\NOTES.TXT")), LongText("notes"));
    EXPECT_EQ(ReadBytes(Host("C:\\Program Files\\Test\\Other.dll")), LongText("library"));
    EXPECT_EQ(SharedCount("C:\\WINDOWS\\SYSTEM32\\GRID.DLL"), 1u);
    EXPECT_FALSE(fs::exists(TemporaryHost() / "EXPAND.ZST"));
    EXPECT_FALSE(fs::exists(Host(session->workFolder + "EXPAND.ZST")));
    EXPECT_EQ(SectionLines("C:\\Program Files\\Test\\UNSETUP.INI", "DeleteFile"),
              (std::vector<std::string>{"File1=C:\\WINDOWS\\SYSTEM32\\GRID.DLL,/S",
                                        "File2=C:\\Program Files\\Test\\NOTES.TXT",
                                        "File3=C:\\Program Files\\Test\\Other.dll",
                                        "File4=C:\\Program Files\\Test\\UNSETUP.INI"}));
    EXPECT_TRUE(ports.ShowedMessage("ファイルをコピーしています．．．\rCopying -> "
                                    "C:\\WINDOWS\\SYSTEM32\\GRID.DLL"));
}

TEST_F(Interop, AnOlderCompressedFileDoesNotReplaceANewerInstalledOne) {
    WriteScript("[CopyFile]\nFile1=(App)grid.dl_\n");
    const fs::path compressed = CompressedWithStoredCharacter("grid.dll", LongText("old"), 'l');
    fs::last_write_time(compressed, fs::file_time_type::clock::now() - std::chrono::hours(24));
    setup_test::WriteBytes(Host("C:\\Program Files\\Test\\GRID.DLL"), "newer library");
    ASSERT_TRUE(Install().Succeeded());
    EXPECT_EQ(ReadBytes(Host("C:\\Program Files\\Test\\GRID.DLL")), "newer library");

    fs::last_write_time(Host("C:\\Program Files\\Test\\GRID.DLL"),
                        fs::file_time_type::clock::now() - std::chrono::hours(48));
    session.reset();
    ASSERT_TRUE(Install().Succeeded());
    EXPECT_EQ(ReadBytes(Host("C:\\Program Files\\Test\\GRID.DLL")), LongText("old"));
    // The installed file carries the date of the medium, not that of the expansion.
    EXPECT_EQ(fs::last_write_time(Host("C:\\Program Files\\Test\\GRID.DLL")),
              fs::last_write_time(compressed));
}

TEST_F(Interop, ADamagedCompressedFileIsReported) {
    WriteScript("[CopyFile]\nFile1=(App)bad.dl_\n");
    std::string bytes = ReadBytes(Compress(WriteMediumFile("bad.dll", LongText("bad"))));
    bytes.resize(bytes.size() / 2);
    WriteMediumFile("bad.dl_", bytes);
    const InstallResult result = Install();
    EXPECT_EQ(result.failureCount, 1);
    EXPECT_EQ(
        platform::Cp932ToUtf8(result.errorReport).find("<File> " + MediumFolder() + "bad.dl_\r\n"),
        0u)
        << platform::Cp932ToUtf8(result.errorReport);
    EXPECT_FALSE(fs::exists(Host("C:\\Program Files\\Test\\BAD.DLL")));
}

} // namespace
