// The photo files of a folder, their order, and the row each gives the list.

#include "exif/summary_fields.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "shell/file_list.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace shell;
using namespace fixture;
using exif::SummaryFieldId;

namespace {

namespace fs = std::filesystem;

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kFNumber = 0x829D;

std::vector<std::string> Names(const std::vector<fs::path>& files) {
    std::vector<std::string> names;
    for (const fs::path& file : files) {
        names.push_back(file.filename().string());
    }
    return names;
}

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

    EXPECT_EQ(Names(ListPhotoFiles(sandbox.Path())),
              (std::vector<std::string>{"a.jpg", "A.JPG", "b.jpg", "c.Tif"}));
    EXPECT_TRUE(IsListedPhoto("x.tIf"));
    EXPECT_FALSE(IsListedPhoto("x.jpe"));
    EXPECT_FALSE(IsListedPhoto(".JPG/x"));
}

TEST(PhotoFiles, OfAMissingFolderRaiseAnErrorNamingIt) {
    Sandbox sandbox;
    const fs::path missing = sandbox.Path() / "gone";
    try {
        (void)ListPhotoFiles(missing);
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
    EXPECT_TRUE(less("/z/first.jpg", "/a/second.jpg")) << "only the file name counts";
    EXPECT_FALSE(less("same.jpg", "same.jpg"));
}

TEST(TickedFields, KeepTheChoiceOrderAndSkipUntickedRows) {
    ColumnRows rows = DefaultColumnRows();
    std::swap(rows[0], rows[11]);
    for (std::size_t i = 3; i < rows.size(); ++i) {
        rows[i].ticked = false;
    }
    rows[1].ticked = false;
    EXPECT_EQ(TickedFields(rows),
              (std::vector<SummaryFieldId>{SummaryFieldId::Aperture, SummaryFieldId::Make}));
}

TEST(PhotoRow, HoldsTheChosenValuesInOrderAndTheThumbnail) {
    Sandbox sandbox;
    ExifContent content;
    content.ifd0 = {Ascii(kMake, "Maker"), Ascii(kModel, "Model 1")};
    content.exif = std::vector<Entry>{Rational(kFNumber, 28, 10)};
    content.ifd1 = std::vector<Entry>{};
    content.thumbnail = EncodeJpeg(16, 12);
    const fs::path file = sandbox.Path() / "DSCN0001.JPG";
    WriteFile(file, BuildJpeg(content).bytes);

    const std::vector columns{SummaryFieldId::Aperture, SummaryFieldId::FileName,
                              SummaryFieldId::Model, SummaryFieldId::ImageTitle};
    const PhotoRow row = ReadPhotoRow(file, columns);
    EXPECT_EQ(row.file, file);
    EXPECT_EQ(row.values, (std::vector<std::string>{"F2.8", "DSCN0001.JPG", "Model 1", ""}));
    EXPECT_EQ(row.thumbnail, content.thumbnail);
}

TEST(PhotoRow, OfAFileWithoutExifOrThatCannotBeReadHasNoThumbnail) {
    Sandbox sandbox;
    const fs::path plain = sandbox.Path() / "plain.jpg";
    WriteFile(plain, EncodeJpeg(64, 48));
    const std::vector columns{SummaryFieldId::FileName, SummaryFieldId::ImageSize};
    const PhotoRow row = ReadPhotoRow(plain, columns);
    EXPECT_EQ(row.values[0], "plain.jpg");
    EXPECT_EQ(platform::Cp932ToUtf8(row.values[1]), "64 × 48");
    EXPECT_EQ(row.thumbnail, std::nullopt);

    const PhotoRow gone = ReadPhotoRow(sandbox.Path() / "gone.jpg", columns);
    EXPECT_EQ(gone.values, (std::vector<std::string>{"gone.jpg", ""}));
    EXPECT_EQ(gone.thumbnail, std::nullopt);
}

TEST(FillProgress, CountsFromTheIndexOfTheFileLastRead) {
    EXPECT_EQ(FillProgressText(), "ファイル情報読み込み中");
    EXPECT_EQ(FillProgressText(0, 12), "ファイル情報読み込み中(0/12)");
    EXPECT_EQ(FillProgressText(11, 12), "ファイル情報読み込み中(11/12)");
}

} // namespace
