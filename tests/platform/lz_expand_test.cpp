#include "platform/codepage.h"
#include "platform/lz_expand.h"
#include "tests/support/sandbox.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class LzExpand : public ::testing::Test {
protected:
    // Compresses the file with mscompress, which writes name + "_" beside it.
    static fs::path Compress(const fs::path& file) {
        fs::remove(file.string() + "_"); // mscompress keeps an existing output
        const std::string command = "mscompress '" + file.string() + "'";
        if (std::system(command.c_str()) != 0) {
            throw std::runtime_error("mscompress failed on " + file.string());
        }
        return file.string() + "_";
    }

    // A compressed file under another name, with the header's stored character set.
    fs::path CompressedAs(const fs::path& name, char stored) const {
        std::string bytes =
            fixture::FileBytes(Compress(sandbox_.Write("plain", "MZ program bytes")));
        bytes[9] = stored;
        return sandbox_.Write(name, bytes);
    }

    fixture::Sandbox sandbox_;
};

// While alive, no write of this process takes a file beyond `bytes`: the write fails as on a
// full disk (the signal such a write raises is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// Repetitive text with some variety, so that the LZ window is exercised across its 4 KiB size.
std::string SampleText() {
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        text += "line " + std::to_string(i * 7919 % 1000) + " \x93\xFA\x96\x7B\r\n";
    }
    return text;
}

} // namespace

TEST_F(LzExpand, FilesFromMscompressExpandUnderTheirOriginalName) {
    const std::string text = SampleText();
    const fs::path compressed = Compress(sandbox_.Write("Readme.txt", text));
    ASSERT_EQ(compressed.filename(), "Readme.txt_");
    ASSERT_LT(fs::file_size(compressed), text.size());

    EXPECT_EQ(IsLzCompressed(compressed).Value(), true);
    EXPECT_EQ(ExpandedFileName(compressed).Value(), "Readme.txt");
    const fs::path target = sandbox_.Path() / "out.txt";
    ASSERT_TRUE(LzCopy(compressed, target));
    EXPECT_EQ(fixture::FileBytes(target), text);
}

TEST_F(LzExpand, StoredCharacterTakesTheCaseOfTheName) {
    EXPECT_EQ(ExpandedFileName(CompressedAs("SETUP.EX_", 'e')).Value(), "SETUP.EXE");
    EXPECT_EQ(ExpandedFileName(CompressedAs("vbrun.dl_", 'L')).Value(), "vbrun.dll");
    EXPECT_EQ(ExpandedFileName(CompressedAs("DATA.00_", '1')).Value(), "DATA.001");
}

TEST_F(LzExpand, NamesAreLeftAloneUnlessACompressedNameEndsInAnUnderscore) {
    EXPECT_EQ(ExpandedFileName(CompressedAs("NOTMARKED.DLL", 'x')).Value(), "NOTMARKED.DLL");
    EXPECT_EQ(ExpandedFileName(sandbox_.Write("PLAIN.DL_", "not compressed")).Value(), "PLAIN.DL_");
    // 0x835F is one double-byte character whose second byte looks like "_".
    const std::string doubleByte = "A\x83\x5F";
    const fs::path name = Cp932ToPath(doubleByte);
    EXPECT_EQ(ExpandedFileName(CompressedAs(name, 'x')).Value(), doubleByte);
}

TEST_F(LzExpand, AFileThatIsNotCompressedIsCopiedAsItIs) {
    const std::string bytes("SZD\0short", 9);
    const fs::path source = sandbox_.Write("PLAIN.DL_", bytes);
    EXPECT_EQ(IsLzCompressed(source).Value(), false);
    const fs::path target = sandbox_.Write("existing", "older and longer contents");
    ASSERT_TRUE(LzCopy(source, target));
    EXPECT_EQ(fixture::FileBytes(target), bytes);
}

TEST_F(LzExpand, FailuresNameTheFileAndLeaveNoTarget) {
    const fs::path missing = sandbox_.Path() / "MISSING.EX_";
    const fs::path target = sandbox_.Path() / "target";
    const Status copy = LzCopy(missing, target);
    ASSERT_FALSE(copy);
    EXPECT_NE(copy.Error().find(missing.string()), std::string::npos) << copy.Error();
    EXPECT_FALSE(ExpandedFileName(missing));
    EXPECT_FALSE(fs::exists(target));

    const std::string compressed =
        fixture::FileBytes(Compress(sandbox_.Write("cut", SampleText())));
    const fs::path truncated = sandbox_.Write("CUT.EX_", compressed.substr(0, 11));
    const Status expand = LzCopy(truncated, target);
    ASSERT_FALSE(expand);
    EXPECT_NE(expand.Error().find(truncated.string()), std::string::npos) << expand.Error();
    EXPECT_FALSE(fs::exists(target));

    // Cut inside the compressed data: libmspack pads the rest, the promised size tells.
    const fs::path halved = sandbox_.Write("HALF.EX_", compressed.substr(0, compressed.size() / 2));
    const Status half = LzCopy(halved, target);
    ASSERT_FALSE(half);
    EXPECT_NE(half.Error().find("damaged"), std::string::npos) << half.Error();
    EXPECT_NE(half.Error().find(halved.string()), std::string::npos) << half.Error();
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(LzExpand, AWriteThatFailsHalfWayLeavesNoTarget) {
    const std::string text = SampleText();
    ASSERT_GT(text.size(), 16384u);
    const fs::path plain = sandbox_.Write("BIG.TXT", text);
    const fs::path compressed = Compress(sandbox_.Write("big", text));
    const fs::path target = sandbox_.Path() / "target";
    for (const fs::path& source : {plain, compressed}) {
        SCOPED_TRACE(source.string());
        const Status copied = [&] {
            const FileSizeLimit limit(4096);
            return LzCopy(source, target);
        }();
        ASSERT_FALSE(copied);
        EXPECT_NE(copied.Error().find(source.string()), std::string::npos) << copied.Error();
        EXPECT_FALSE(fs::exists(target));
    }
}
