// The detail pane: which chosen fields a file shows, and the 16-byte name column.

#include "exif/detail_pane.h"
#include "exif/detail_report.h"
#include "exif/summary_fields.h"
#include "platform/codepage.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/sandbox.h"

#include <gtest/gtest.h>
#include <numeric>

using namespace exif;
using namespace fixture;

namespace {

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kFNumber = 0x829D;

std::vector<std::string> AllFieldNames() {
    std::vector<std::string> names;
    for (const SummaryField& field : SummaryFields()) {
        names.push_back(field.name);
    }
    return names;
}

std::vector<std::string> Cp932Names(std::initializer_list<std::string_view> utf8) {
    std::vector<std::string> names;
    for (std::string_view name : utf8) {
        names.push_back(platform::Utf8ToCp932(name));
    }
    return names;
}

// The field numbers of the pane's lines, read back from their names (CP932 bytes up to the
// name column).
std::vector<int> ShownFields(const std::string& pane) {
    std::vector<int> shown;
    std::size_t start = 0;
    while (start < pane.size()) {
        const std::size_t end = pane.find("\r\n", start);
        const std::string line = pane.substr(start, end - start);
        std::string name = line.substr(0, 16);
        while (name.size() >= 2 && name.ends_with(platform::Utf8ToCp932("　"))) {
            name.resize(name.size() - 2);
        }
        shown.push_back(SummaryFieldIndex(name));
        start = end + 2;
    }
    return shown;
}

class ADetailPane : public ::testing::Test {
protected:
    std::filesystem::path Write(const ExifContent& content) {
        const auto path = sandbox.Path() / "photo.jpg";
        WriteFile(path, BuildJpeg(content).bytes);
        return path;
    }
    Sandbox sandbox;
};

ExifContent Camera(std::string_view make, std::string_view model) {
    ExifContent content;
    content.ifd0 = {Ascii(kMake, make), Ascii(kModel, model)};
    content.exif = std::vector<Entry>{Rational(kFNumber, 28, 10)};
    return content;
}

} // namespace

TEST_F(ADetailPane, ShowsOnlyTheFieldsOfFilesWithoutExifIfd) {
    ExifContent content = Camera("NIKON", "E990");
    content.exif.reset();
    EXPECT_EQ(ShownFields(BuildDetailPaneText(Write(content), AllFieldNames(), false)),
              (std::vector<int>{1, 2, 6, 7}))
        << "a decoded camera without an Exif IFD is still a file without one";
}

TEST_F(ADetailPane, ShowsOnlyTheFieldsOfFilesWithExifButNoDecodedMakerNote) {
    EXPECT_EQ(
        ShownFields(BuildDetailPaneText(Write(Camera("Canon", "S40")), AllFieldNames(), false)),
        (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 11, 12, 16}));
}

TEST_F(ADetailPane, ShowsEveryChosenFieldOfADecodedMakerNoteInTheUsersOrder) {
    ExifContent content = Camera("NIKON", "E950");
    content.makerNote = MakerNote{MakerNoteLayout::NikonHeader, {Short(0x0007, {2})}};
    const auto path = Write(content);
    std::vector<int> all(25);
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(ShownFields(BuildDetailPaneText(path, AllFieldNames(), false)), all);
    const auto chosen = Cp932Names({"ホワイトバランス", "未知の項目", "ファイル名", "画質モード"});
    EXPECT_EQ(ShownFields(BuildDetailPaneText(path, chosen, false)), (std::vector<int>{15, 1, 8}))
        << "names outside the table are left out";
}

TEST_F(ADetailPane, PadsNamesToSixteenBytesWithFullWidthBlanks) {
    ExifContent content = Camera("NIKON", "E950");
    content.makerNote = MakerNote{MakerNoteLayout::NikonHeader, {Short(0x0007, {2})}};
    const auto chosen = Cp932Names({"絞り値", "メーカー", "ホワイトバランス", "ファイル名"});
    const std::string pane = BuildDetailPaneText(Write(content), chosen, false);
    EXPECT_EQ(platform::Cp932ToUtf8(pane), "絞り値　　　　　：F2.8\r\n"
                                           "メーカー　　　　：NIKON\r\n"
                                           "ホワイトバランス：太陽光\r\n"
                                           "ファイル名　　　：photo.jpg\r\n");
}

TEST_F(ADetailPane, AppendsTheDetailReportOnRequest) {
    const auto path = Write(Camera("Canon", "S40"));
    const auto chosen = Cp932Names({"絞り値"});
    const std::string pane = BuildDetailPaneText(path, chosen, true);
    const std::string report = BuildDetailReport(LoadExifBlock(path));
    ASSERT_NE(report.find("== Exif =="), std::string::npos);
    EXPECT_EQ(pane, platform::Utf8ToCp932("絞り値　　　　　：F2.8\r\n") + report);
    EXPECT_EQ(BuildDetailPaneText(path, {}, false), "");
}
