#include "exif/imaging.h"
#include "publish/album.h"
#include "publish/album_types.h"
#include "tests/publish/publish_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/tool_run.h"

#include <gtest/gtest.h>

using namespace publish;
using fixture::HaveTool;
using fixture::Quoted;
using fixture::RunTool;
using fixture::Sjis;
namespace fs = std::filesystem;

namespace {

// The templates the build writes beside the programs.
const fs::path kTemplates = fs::path(LUMARO_BIN_DIR) / "html";

class ShippedAlbums : public fixture::PublishTest, public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        for (const char* tool : {"tidy", "djpeg", "iconv"}) {
            if (!HaveTool(tool)) {
                GTEST_SKIP() << tool << " is not installed (scripts/deps installs it)";
            }
        }
        request.pictures = {Write("photos/DSCN0001.JPG",
                                  fixture::PhotoBytes(800, 600, "<b>bold</b> & \"quoted\"").bytes),
                            Write("photos/写真 2.JPG", fixture::PhotoBytes(600, 800).bytes),
                            Write("photos/plain.JPG", fixture::PhotoBytes(320, 240).bytes)};
        request.values.folder = sandbox.Path() / "album";
        request.templateFolder = kTemplates;
        request.albumType = GetParam();
        for (const char* name : {"ファイル名", "ファイルサイズ", "メーカー", "モデル", "撮影日付",
                                 "画像サイズ", "絞り値", "コメント"}) {
            request.fields.push_back(Sjis(name));
        }
        port.answers = {true, true};
    }

    // tidy's findings on the page after its conversion from CP932; exit code 2 means errors.
    static fixture::ToolRun Tidy(const fs::path& page) {
        return RunTool("iconv -f CP932 -t UTF-8 " + Quoted(page) + " | tidy -e -q -utf8 2>&1");
    }

    AlbumRequest request;
};

} // namespace

TEST(ShippedAlbumTypes, AreTheGalleryAndTheViewer) {
    EXPECT_EQ(AlbumTypes(kTemplates), (std::vector<std::string>{"gallery", "viewer"}));
}

TEST_P(ShippedAlbums, PagesPassTidyAndPicturesDecode) {
    ASSERT_EQ(RunAlbum(request, port, progress), AlbumEnd::Generated);
    const fs::path album = request.values.folder;
    std::vector<fs::path> pages{album / "index.html", album / "contents.html",
                                album / "DSCN0001.html", album / "写真 2.html",
                                album / "plain.html"};
    if (std::string(GetParam()) == "viewer") {
        pages.push_back(album / "intop.html");
    }
    for (const fs::path& page : pages) {
        ASSERT_TRUE(fs::exists(page)) << page;
        const fixture::ToolRun tidy = Tidy(page);
        EXPECT_LT(tidy.exitCode, 2) << page << ":\n" << tidy.output;
        EXPECT_EQ(tidy.output.find("Error:"), std::string::npos) << page << ":\n" << tidy.output;
    }
    for (const fs::path& picture : request.pictures) {
        for (const fs::path& made :
             {album / picture.filename(), album / "thumbnail" / picture.filename()}) {
            const fixture::ToolRun djpeg =
                RunTool("djpeg " + Quoted(made) + " > /dev/null 2>&1; echo $?");
            EXPECT_EQ(djpeg.output, "0\n") << made;
        }
    }
    const std::string detail = Bytes(album / "DSCN0001.html");
    EXPECT_NE(detail.find("&lt;b&gt;bold&lt;/b&gt; &amp; &quot;quoted&quot;"), std::string::npos)
        << "the comment is shown as text, not as markup";
    EXPECT_EQ(detail.find("<b>bold"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Types, ShippedAlbums, ::testing::Values("gallery", "viewer"));

namespace {

class PortraitAlbum : public fixture::PublishTest, public ::testing::Test {};

bool IsRed(const exif::Image& picture, std::uint32_t x, std::uint32_t y) {
    const auto pixel = picture.Row(y).subspan(std::size_t{x} * 3, 3);
    return pixel[0] > 180 && pixel[1] < 90 && pixel[2] < 90;
}

} // namespace

// A camera held upright stores the picture on its side with Orientation 6: the album's
// pictures are turned, and the EXIF data the standard image carries says so.
TEST_F(PortraitAlbum, PicturesAreUprightAndTheirExifSaysSo) {
    if (!HaveTool("exiftool")) {
        GTEST_SKIP() << "exiftool is not installed (scripts/deps installs it)";
    }
    fixture::ExifContent content;
    content.ifd0 = {fixture::Ascii(0x010F, "Canon"), fixture::Short(0x0112, {6})};
    content.exif = {fixture::Ascii(0x9003, "2001:05:03 10:20:30"), fixture::Short(0xA002, {800}),
                    fixture::Short(0xA003, {600})};
    content.ifd1 = std::vector<fixture::Entry>{};
    content.thumbnail = fixture::EncodeMarkedJpeg(160, 120);
    fixture::JpegOptions options{800, 600};
    options.markedCorner = true;
    AlbumRequest request;
    request.pictures = {Write("photos/IMG_0001.JPG", fixture::BuildJpeg(content, options).bytes)};
    request.values.folder = sandbox.Path() / "album";
    request.templateFolder = kTemplates;
    request.albumType = "gallery";
    port.answers = {true, true};
    ASSERT_EQ(RunAlbum(request, port, progress), AlbumEnd::Generated);

    struct Made {
        fs::path file;
        std::uint32_t width, height;
    };
    const fs::path album = request.values.folder;
    for (const Made& made : {Made{album / "IMG_0001.JPG", 640, 853},
                             Made{album / "thumbnail" / "IMG_0001.JPG", 200, 266}}) {
        const auto picture = exif::ExifLoadImage(made.file);
        ASSERT_TRUE(picture) << made.file;
        EXPECT_EQ(picture->Width(), made.width) << made.file;
        EXPECT_EQ(picture->Height(), made.height) << made.file;
        EXPECT_TRUE(IsRed(*picture, made.width * 5 / 6, made.height / 6)) << made.file;
        EXPECT_FALSE(IsRed(*picture, made.width / 6, made.height / 6)) << made.file;
    }
    const fixture::ToolRun tags = RunTool("exiftool -s3 -n -Orientation -ExifImageWidth "
                                          "-ExifImageHeight " + Quoted(album / "IMG_0001.JPG"));
    EXPECT_EQ(tags.output, "1\n640\n853\n");
}
