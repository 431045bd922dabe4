#include "exif/file_probes.h"
#include "exif/summary_reading.h"
#include "publish/album.h"
#include "publish/album_types.h"
#include "tests/publish/publish_fixture.h"
#include "tests/support/jpeg_pictures.h"

#include <gtest/gtest.h>

using namespace publish;
using fixture::Sjis;
namespace fs = std::filesystem;

namespace {

class Album : public fixture::PublishTest, public ::testing::Test {
protected:
    // Pictures c, a, b in that (list) order, 64 x 48, with EXIF.
    void SetUp() override {
        for (const char* name : {"c.JPG", "a.JPG", "b.JPG"}) {
            request.pictures.push_back(
                Write(fs::path("photos") / name, fixture::PhotoBytes(64, 48).bytes));
        }
        request.values.folder = out;
        request.templateFolder = templates;
        request.albumType = "t";
        request.fields = {Sjis("ファイル名"), Sjis("メーカー")};
        port.answers = {true, true};
    }

    void Template(const std::string& name, const std::string& text) const {
        WriteText(fs::path("templates") / name, text);
    }

    AlbumEnd Run() { return RunAlbum(request, port, progress); }

    fs::path out = sandbox.Path() / "album";
    fs::path templates = sandbox.Path() / "templates";
    AlbumRequest request;
};

exif::ImageSize SizeOf(const fs::path& file) {
    return exif::JpegImageSize(file).value_or(exif::ImageSize{});
}

} // namespace

TEST_F(Album, TopBodyAndBottomGiveTheExactBytes) {
    Template("t_index_top.html", "<top @image@>\nsecond line\n");
    Template("t_index_body.html", "<b>@image@</b>\r\n<i>@html@</i>\n");
    Template("t_index_bottom.html", "bottom @data@");

    ASSERT_EQ(Run(), AlbumEnd::Generated);

    EXPECT_EQ(Bytes(out / "index.html"), "<top @image@>\r\nsecond line\r\n"
                                         "<b>c.JPG</b>\r\n<i>c.html</i>\r\n"
                                         "<b>a.JPG</b>\r\n<i>a.html</i>\r\n"
                                         "<b>b.JPG</b>\r\n<i>b.html</i>\r\n"
                                         "bottom @data@\r\n")
        << "placeholders stay untouched in the top and the bottom";
    EXPECT_FALSE(fs::exists(out / "contents.html"));
    EXPECT_FALSE(fs::exists(out / "intop.html"));
    EXPECT_FALSE(fs::exists(out / "a.html")) << "no detail template, no detail pages";
}

TEST_F(Album, WholePageTemplatesAreCopiedByteForByteWithIntop) {
    const std::string whole = "<html>\n" + Sjis("写真") + " @image@\r\n</html>";
    Template("t_index.html", whole);
    Template("t_index_top.html", "ignored top\n");
    Template("t_index_body.html", "ignored @image@\n");
    Template("t_intop.html", "intop\n");
    Template("t_contents_body.html", "@image_s@\n");

    ASSERT_EQ(Run(), AlbumEnd::Generated);

    EXPECT_EQ(Bytes(out / "index.html"), whole);
    EXPECT_EQ(Bytes(out / "intop.html"), "intop\n");
    EXPECT_EQ(Bytes(out / "contents.html"),
              "thumbnail/c.JPG\r\nthumbnail/a.JPG\r\nthumbnail/b.JPG\r\n");
}

TEST_F(Album, DetailPagesAndEveryPhaseInOrder) {
    Template("t_index_body.html", "@image@\n");
    Template("t_contents_body.html", "@image@\n");
    Template("t_detail.html", "<h1>@image@</h1>\n<p>@data@</p>\n");
    WriteText("album/a.html", "an old page that is much longer than the new one\n");

    ASSERT_EQ(Run(), AlbumEnd::Generated);

    EXPECT_EQ(Bytes(out / "a.html"), "<h1>a.JPG</h1>\r\n<p>" + Sjis("ファイル名　　　：") +
                                         "a.JPG<BR>" + Sjis("メーカー　　　　：") +
                                         "Canon<BR></p>\r\n");
    EXPECT_TRUE(fs::exists(out / "b.html") && fs::exists(out / "c.html"));
    EXPECT_EQ(progress.phases,
              (std::vector<std::string>{"標準画像作成", "サムネイル画像作成", "index.html 作成",
                                        "contents.html 作成", "detail 作成"}));
    EXPECT_EQ(progress.starts, 5);
    EXPECT_EQ(progress.steps, 15);
    EXPECT_EQ(progress.finishes, 1);
}

TEST_F(Album, StandardImagesCarryTheExifDataAndThumbnailsLieInTheirFolder) {
    ASSERT_EQ(Run(), AlbumEnd::Generated);
    for (const char* name : {"a.JPG", "b.JPG", "c.JPG"}) {
        const auto block = exif::LoadExifBlock(out / name);
        ASSERT_TRUE(block) << name;
        EXPECT_EQ(
            exif::ReadText(*block, exif::TagDictionary::Standard, "Make", exif::ValuePart::First),
            "Canon");
        EXPECT_EQ(SizeOf(out / name), (exif::ImageSize{640, 480}));
        EXPECT_EQ(SizeOf(out / "thumbnail" / name), (exif::ImageSize{200, 150}));
        EXPECT_FALSE(exif::LoadExifBlock(out / "thumbnail" / name)) << "thumbnails get no EXIF";
    }
    EXPECT_TRUE(port.told.empty());
}

TEST_F(Album, WidthsThatAreNotNumbersGiveTheDefaults) {
    request.pictures = {Write("photos/big.JPG", fixture::PhotoBytes(1600, 1200).bytes),
                        Write("photos/mid.JPG", fixture::PhotoBytes(1280, 960).bytes)};
    request.values.width = "abc";
    request.values.thumbnailWidth = "200";
    ASSERT_EQ(Run(), AlbumEnd::Generated);
    EXPECT_EQ(SizeOf(out / "big.JPG"), (exif::ImageSize{640, 480}));
    EXPECT_EQ(SizeOf(out / "thumbnail/mid.JPG"), (exif::ImageSize{200, 150}));
    EXPECT_EQ(WidthOf("abc", 640), 640);
    EXPECT_EQ(WidthOf("320", 640), 320);
}

TEST_F(Album, LeaveExistingImagesAloneButRebuildTheDetailPage) {
    Template("t_detail.html", "@image@\n");
    const std::string kept = "not touched";
    WriteText("album/a.JPG", kept);
    WriteText("album/thumbnail/a.JPG", kept);
    WriteText("album/a.html", "old page");
    request.values.existing = ExistingImages::Keep;

    ASSERT_EQ(Run(), AlbumEnd::Generated);

    EXPECT_EQ(Bytes(out / "a.JPG"), kept);
    EXPECT_EQ(Bytes(out / "thumbnail/a.JPG"), kept);
    EXPECT_EQ(Bytes(out / "a.html"), "a.JPG\r\n");
    EXPECT_EQ(SizeOf(out / "b.JPG"), (exif::ImageSize{640, 480})) << "missing ones are made";
}

TEST_F(Album, CopyExifOnlyPutsTheExifDataOntoAnExistingImage) {
    const std::vector<std::uint8_t> plain = fixture::EncodeJpeg(320, 240);
    Write("album/a.JPG", plain);
    request.values.existing = ExistingImages::CopyExif;

    ASSERT_EQ(Run(), AlbumEnd::Generated);

    EXPECT_EQ(SizeOf(out / "a.JPG"), (exif::ImageSize{320, 240})) << "the image itself stays";
    EXPECT_TRUE(exif::LoadExifBlock(out / "a.JPG"));
    EXPECT_EQ(SizeOf(out / "thumbnail/a.JPG"), (exif::ImageSize{200, 150}));
}

TEST_F(Album, APictureWithoutExifKeepsItsStandardImageAndIsNamedAtTheEnd) {
    Template("t_index_body.html", "@image@\n");
    request.pictures.insert(request.pictures.begin() + 1,
                            Write("photos/jfif.JPG", fixture::EncodeJpeg(80, 60)));
    request.pictures.push_back(WriteText("photos/text.JPG", "not a picture"));

    ASSERT_EQ(Run(), AlbumEnd::Generated);

    EXPECT_EQ(SizeOf(out / "jfif.JPG"), (exif::ImageSize{640, 480}));
    EXPECT_FALSE(exif::LoadExifBlock(out / "jfif.JPG"));
    EXPECT_TRUE(exif::LoadExifBlock(out / "b.JPG")) << "the pictures after it are done too";
    EXPECT_EQ(Bytes(out / "index.html"), "c.JPG\r\njfif.JPG\r\na.JPG\r\nb.JPG\r\ntext.JPG\r\n");
    ASSERT_EQ(port.told.size(), 1u);
    EXPECT_NE(port.told[0].find("Exif情報がない"), std::string::npos) << port.told[0];
    EXPECT_NE(port.told[0].find("\njfif.JPG"), std::string::npos);
    EXPECT_NE(port.told[0].find("\ntext.JPG"), std::string::npos);
    EXPECT_FALSE(fs::exists(out / "text.JPG"));
}

TEST_F(Album, FolderQuestionsAndAnEmptyFolder) {
    port.answers = {false};
    EXPECT_EQ(Run(), AlbumEnd::StayOpen);
    EXPECT_EQ(port.asked, std::vector<std::string>{"フォルダ " + out.string() +
                                                   "/ がありません。作成しますか？"});
    EXPECT_FALSE(fs::exists(out));

    port.answers = {true, false};
    EXPECT_EQ(Run(), AlbumEnd::StayOpen);
    EXPECT_TRUE(fs::is_directory(out)) << "the folder made before the No stays";
    EXPECT_FALSE(fs::exists(out / "thumbnail"));
    EXPECT_EQ(port.asked.back(),
              "フォルダ " + (out / "thumbnail").string() + "/ がありません。作成しますか？");
    EXPECT_EQ(progress.starts, 0);

    request.values.folder.clear();
    EXPECT_EQ(Run(), AlbumEnd::StayOpen);
    EXPECT_EQ(port.told, std::vector<std::string>{"コピー先フォルダを指定してください"});
}

TEST_F(Album, TheSectionIsWrittenOnlyAfterACompletedGeneration) {
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    request.values.width = "320";
    request.values.existing = ExistingImages::Keep;
    port.answers = {false};
    EXPECT_EQ(AlbumDialogOk(request, store, port, progress), DialogEnd::StayOpen);
    EXPECT_EQ(LoadAlbumDialog(store), AlbumDialogValues{});

    Template("t_index_body.html", "@image@\n");
    fs::create_directories(out / "index.html/in the way");
    port.answers = {true, true};
    EXPECT_EQ(AlbumDialogOk(request, store, port, progress), DialogEnd::StayOpen);
    EXPECT_EQ(LoadAlbumDialog(store), AlbumDialogValues{}) << "a file error saves nothing";
    fs::remove_all(out / "index.html");

    EXPECT_EQ(AlbumDialogOk(request, store, port, progress), DialogEnd::Close);
    EXPECT_EQ(LoadAlbumDialog(store), request.values);
    EXPECT_EQ(store.ReadString("HTML", "RBImage3", ""), "1");
    EXPECT_EQ(store.ReadString("HTML", "EditWidth", ""), "320");
}

TEST_F(Album, AFileErrorEndsTheGenerationAndIsTold) {
    Template("t_index_body.html", "@image@\n");
    fs::create_directories(out / "index.html/in the way"); // the page cannot take its place
    ASSERT_EQ(Run(), AlbumEnd::Failed);
    ASSERT_EQ(port.told.size(), 1u);
    EXPECT_NE(port.told[0].find("index.html"), std::string::npos) << port.told[0];
    EXPECT_TRUE(fs::exists(out / "thumbnail/a.JPG")) << "what was written stays";
    EXPECT_EQ(progress.finishes, 1) << "the progress window is closed";
}

TEST(AlbumTypes, ArePrefixesOfTheTemplateNamesEachOnceAndSorted) {
    fixture::Sandbox folder;
    for (const char* name : {"viewer_index.html", "Gallery_detail.html", "viewer_intop.html",
                             "gallery_index_top.html", "readme.txt", "a_b_c", "_odd.html"}) {
        fixture::WriteFile(folder.Path() / name, std::vector<std::uint8_t>{'x'});
    }
    fs::create_directories(folder.Path() / "folder_x");
    EXPECT_EQ(AlbumTypes(folder.Path()),
              (std::vector<std::string>{"", "a", "Gallery", "gallery", "viewer"}));
    EXPECT_TRUE(AlbumTypes(folder.Path() / "missing").empty());
}
