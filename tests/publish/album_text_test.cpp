#include "exif/summary_fields.h"
#include "publish/album_text.h"
#include "tests/publish/publish_fixture.h"

#include <gtest/gtest.h>

using namespace publish;
using fixture::Sjis;
namespace fs = std::filesystem;

namespace {

class AlbumText : public fixture::PublishTest, public ::testing::Test {
protected:
    fs::path photo = Write("DSCN0001.JPG", fixture::PhotoBytes(64, 48).bytes);
    std::vector<std::string> fields{Sjis("ファイル名"), Sjis("メーカー"), Sjis("絞り値"),
                                    Sjis("画質モード")};
};

} // namespace

TEST(HtmlEscape, EscapesTheFourMarkupCharactersAndNothingElse) {
    EXPECT_EQ(EscapeHtml(R"(<a href="x">Tom & Jerry</a>)"),
              "&lt;a href=&quot;x&quot;&gt;Tom &amp; Jerry&lt;/a&gt;");
    const std::string japanese = Sjis("ソフト　表示");
    EXPECT_EQ(EscapeHtml(japanese), japanese) << "double-byte text passes as it is";
    EXPECT_EQ(EscapeHtml("it's @image@"), "it's @image@");
}

TEST(HtmlEscape, PlaceholdersAreFoundOnCharacterBoundariesOnly) {
    // A full-width blank is 0x81 0x40: its second byte is an "@" that begins no placeholder.
    const std::string text = Sjis("　") + "image@ and @image@";
    EXPECT_EQ(ReplaceAll(text, "@image@", "X"), Sjis("　") + "image@ and X");
    EXPECT_EQ(ReplaceAll("@a@@a@", "@a@", "@a@"), "@a@@a@")
        << "what is put in is not searched again";
}

TEST_F(AlbumText, EveryNamePlaceholderAndAForwardSlashForTheThumbnail) {
    PictureText text(photo, fields);
    EXPECT_EQ(
        text.Fill(R"(<a href="@html@"><img src="@image_s@" alt="@image@"></a>)"),
        R"(<a href="DSCN0001.html"><img src="thumbnail/DSCN0001.JPG" alt="DSCN0001.JPG"></a>)");
    EXPECT_EQ(text.Fill("@image@@image_s@@image@"),
              "DSCN0001.JPGthumbnail/DSCN0001.JPGDSCN0001.JPG");
    EXPECT_EQ(text.Fill("no placeholder"), "no placeholder");
}

TEST_F(AlbumText, EveryFieldPlaceholderInTableOrder) {
    std::string line;
    for (const exif::SummaryField& field : exif::SummaryFields()) {
        line += "[@" + field.name + "@]";
    }
    PictureText text(photo, fields);
    const std::string filled = text.Fill(line);
    const std::string expectedStart =
        "[DSCN0001.JPG][" + std::to_string(fs::file_size(photo) / 1024) +
        " KB][Canon][PowerShot A5][][2001:05:03 10:20:30][" + Sjis("64 × 48") + "]";
    EXPECT_EQ(filled.substr(0, expectedStart.size()), expectedStart) << filled;
    EXPECT_NE(filled.find("][F2.8]["), std::string::npos) << filled;
    EXPECT_EQ(filled.find('@'), std::string::npos) << "all 25 were replaced: " << filled;
}

TEST_F(AlbumText, DataOfAFileWithoutAnExifIfdShowsOnlyItsFields) {
    fixture::ExifContent withoutExifIfd;
    withoutExifIfd.ifd0 = {fixture::Ascii(0x010F, "Maker")};
    const fs::path plain = Write("plain.JPG", fixture::BuildJpeg(withoutExifIfd).bytes);
    const std::vector<std::string> nameAndMake{Sjis("ファイル名"), Sjis("メーカー")};
    PictureText text(plain, nameAndMake);
    EXPECT_EQ(text.Fill("<p>@data@</p>"), "<p>" + Sjis("ファイル名　　　：") + "plain.JPG<BR></p>");
}

TEST_F(AlbumText, DataOfAFileWithExifShowsTheFieldsFlaggedForIt) {
    EXPECT_EQ(DataBlock(exif::LoadExifBlock(photo), photo, fields),
              Sjis("ファイル名　　　：") + "DSCN0001.JPG<BR>" + Sjis("メーカー　　　　：") +
                  "Canon<BR>" + Sjis("絞り値　　　　　：") + "F2.8<BR>")
        << "画質モード is not shown for a file without a maker note";
}

TEST_F(AlbumText, ACommentCannotBringMarkupIntoThePage) {
    const fs::path hostile =
        Write("x&y.JPG", fixture::PhotoBytes(64, 48, "<script>alert(\"1\")</script>").bytes);
    const std::vector<std::string> commentAndName{Sjis("コメント"), Sjis("ファイル名")};
    PictureText text(hostile, commentAndName);
    const std::string expected = "&lt;script&gt;alert(&quot;1&quot;)&lt;/script&gt;";
    EXPECT_EQ(text.Fill(Sjis("@コメント@")), expected);
    EXPECT_EQ(text.Fill("@image@|@html@"), "x&amp;y.JPG|x&amp;y.html");
    EXPECT_EQ(text.Fill("@data@"), Sjis("ファイル名　　　：") + "x&amp;y.JPG<BR>")
        << "values in the data are escaped, its <BR> stays markup";
}

TEST_F(AlbumText, ANameInALinkIsPercentEncodedAndStaysReadableInText) {
    const fs::path odd = Write("a #1?%表.JPG", fixture::PhotoBytes(64, 48).bytes);
    PictureText text(odd, fields);
    // 表 is 0x95 0x5C in the page's encoding: its trail byte is no backslash to encode.
    const std::string name = Sjis("a #1?%表");
    const std::string link = Sjis("a%20%231%3F%25表");
    EXPECT_EQ(text.Fill(R"(<a href="@html@"><img src="@image_s@" alt="@image@"></a>@image@)"),
              "<a href=\"" + link + ".html\"><img src=\"thumbnail/" + link + ".JPG\" alt=\"" +
                  name + ".JPG\"></a>" + name + ".JPG");
}
