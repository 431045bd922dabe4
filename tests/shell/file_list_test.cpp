// The photo files of a folder, their order, and the status-bar texts of a fill.

#include "platform/file_error.h"
#include "shell/file_list.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace shell;
using namespace fixture;

namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path) {
    WriteFile(path, std::vector<std::uint8_t>{0});
}

TEST(PhotoFiles, AreJpgAndTifNamesOfAnyCaseButNoFolderOrPipe) {
    Sandbox sandbox;
    for (const char* name : {"c.Tif", "b.jpg", "A.JPG", "a.jpg", "d.tiff", "e.png", "f.jpeg",
                             "g.JPG.bak", "noextension"}) {
        Touch(sandbox.Path() / name);
    }
    fs::create_directory(sandbox.Path() / "folder.jpg");
    ASSERT_EQ(mkfifo((sandbox.Path() / "pipe.jpg").c_str(), 0600), 0);

    EXPECT_EQ(ListPhotoNames(sandbox.Path()),
              (std::vector<std::string>{"a.jpg", "A.JPG", "b.jpg", "c.Tif"}));
    EXPECT_TRUE(IsListedPhoto("x.tIf"));
    EXPECT_FALSE(IsListedPhoto("x.jpe"));
    EXPECT_FALSE(IsListedPhoto(".JPG/x"));
}

TEST(PhotoFiles, OfAMissingFolderRaiseAnErrorNamingIt) {
    Sandbox sandbox;
    const fs::path missing = sandbox.Path() / "gone";
    try {
        (void)ListPhotoNames(missing);
        FAIL() << "no error";
    } catch (const platform::FileError& error) {
        EXPECT_EQ(error.path(), missing);
    }
}

TEST(CaptionOrder, SortsWordsWithLowerCaseFirstAndDigitsAsCharacters) {
    const CaptionOrder less;
    EXPECT_TRUE(less("a.jpg", "B.jpg"));
    EXPECT_TRUE(less("B.jpg", "c.jpg"));
    EXPECT_TRUE(less("a.jpg", "A.jpg"));
    EXPECT_FALSE(less("A.jpg", "a.jpg"));
    EXPECT_TRUE(less("DSCN10.JPG", "DSCN9.JPG"));
    EXPECT_FALSE(less("same.jpg", "same.jpg"));
}

TEST(FillProgress, CountsFromTheIndexOfTheFileLastRead) {
    EXPECT_EQ(FillProgressText(), "ファイル情報読み込み中");
    EXPECT_EQ(FillProgressText(0, 12), "ファイル情報読み込み中(0/12)");
    EXPECT_EQ(FillProgressText(11, 12), "ファイル情報読み込み中(11/12)");
}

} // namespace
