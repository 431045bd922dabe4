#include "platform/file_error.h"
#include "publish/csv_listing.h"
#include "tests/publish/publish_fixture.h"
#include "tests/support/jpeg_pictures.h"

#include <gtest/gtest.h>

using namespace publish;
using fixture::Sjis;
namespace fs = std::filesystem;

namespace {

class CsvListingTest : public fixture::PublishTest, public ::testing::Test {
protected:
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    fs::path output = sandbox.Path() / "list.csv";
};

} // namespace

TEST_F(CsvListingTest, TheExampleOfOneFileWithTwoFieldsByteForByte) {
    const fs::path photo = Write("DSCN0001.JPG", fixture::PhotoBytes(64, 48).bytes);
    const std::vector<std::string> fields{Sjis("ファイル名"), Sjis("絞り値")};

    EXPECT_EQ(CsvDialogOk(output, std::vector{photo}, fields, store, port), DialogEnd::Close);

    EXPECT_EQ(Bytes(output), Sjis("\"ファイル名\",\"絞り値\"\r\n\"DSCN0001.JPG\",\"F2.8\"\r\n"));
    EXPECT_EQ(LoadCsvDialog(store), output);
}

TEST_F(CsvListingTest, NoFieldGivesEmptyLinesAndEveryValueIsQuoted) {
    const fs::path photo = Write("a.JPG", fixture::PhotoBytes(64, 48).bytes);
    EXPECT_EQ(CsvListing(std::vector{photo, photo}, {}), "\r\n\r\n\r\n");
    const std::vector<std::string> fields{Sjis("ソフトウェア"), Sjis("モデル")};
    EXPECT_EQ(CsvListing(std::vector{photo}, fields),
              Sjis("\"ソフトウェア\",\"モデル\"\r\n\"\",\"PowerShot A5\"\r\n"));
}

TEST_F(CsvListingTest, ADoubleQuoteInAValueIsDoubled) {
    EXPECT_EQ(CsvLine(std::vector<std::string>{"say \"hi\"", "a,b", "\"\""}),
              "\"say \"\"hi\"\"\",\"a,b\",\"\"\"\"\"\"\r\n");
    const fs::path quoted = Write("q\"1.JPG", fixture::PhotoBytes(64, 48).bytes);
    const std::vector<std::string> fields{Sjis("ファイル名")};
    EXPECT_EQ(CsvListing(std::vector{quoted}, fields),
              Sjis("\"ファイル名\"\r\n\"q\"\"1.JPG\"\r\n"));
}

TEST_F(CsvListingTest, AFileWithoutExifGetsItsRowAndTheListingGoesOn) {
    const fs::path first = Write("1.JPG", fixture::PhotoBytes(64, 48).bytes);
    const fs::path plain = Write("2.JPG", fixture::EncodeJpeg(80, 60));
    const fs::path third = Write("3.JPG", fixture::PhotoBytes(64, 48).bytes);
    const std::vector<std::string> fields{Sjis("ファイル名"), Sjis("メーカー"), Sjis("画像サイズ")};

    EXPECT_EQ(CsvDialogOk(output, std::vector{first, plain, third}, fields, store, port),
              DialogEnd::Close);

    EXPECT_EQ(Bytes(output), Sjis("\"ファイル名\",\"メーカー\",\"画像サイズ\"\r\n"
                                  "\"1.JPG\",\"Canon\",\"64 × 48\"\r\n"
                                  "\"2.JPG\",\"\",\"80 × 60\"\r\n"
                                  "\"3.JPG\",\"Canon\",\"64 × 48\"\r\n"));
    EXPECT_TRUE(port.told.empty());
}

TEST_F(CsvListingTest, AnEmptyNameOrAnUnwritablePathKeepsTheDialogOpenAndSavesNothing) {
    const fs::path photo = Write("a.JPG", fixture::PhotoBytes(64, 48).bytes);
    ASSERT_TRUE(store.WriteString("CSV", "EditFile", "previous.csv").Ok());

    EXPECT_EQ(CsvDialogOk("", std::vector{photo}, {}, store, port), DialogEnd::StayOpen);
    fs::create_directories(sandbox.Path() / "folder.csv/in the way");
    EXPECT_EQ(CsvDialogOk(sandbox.Path() / "folder.csv", std::vector{photo}, {}, store, port),
              DialogEnd::StayOpen);
    const std::vector<std::string> fields{Sjis("ファイル名")};
    EXPECT_EQ(
        CsvDialogOk(output, std::vector{photo, sandbox.Path() / "gone.JPG"}, fields, store, port),
        DialogEnd::StayOpen);

    ASSERT_EQ(port.told.size(), 3u);
    EXPECT_EQ(port.told[0], "出力先ファイル名を指定してください");
    EXPECT_NE(port.told[1].find("folder.csv"), std::string::npos) << port.told[1];
    EXPECT_NE(port.told[2].find("gone.JPG"), std::string::npos) << port.told[2];
    EXPECT_FALSE(fs::exists(output)) << "a listing that failed leaves no half file";
    EXPECT_EQ(LoadCsvDialog(store), "previous.csv");
}

TEST_F(CsvListingTest, ALongListingKeepsTheListOrderAndReportsTheFirstBadFile) {
    std::vector<fs::path> files;
    const std::vector<std::uint8_t> photo = fixture::PhotoBytes(64, 48).bytes;
    for (int i = 0; i < 300; ++i) {
        files.push_back(Write("many/" + std::to_string(i) + ".JPG", photo));
    }
    const std::vector<std::string> fields{Sjis("ファイル名"), Sjis("撮影日付")};
    std::string expected = CsvLine(fields);
    for (int i = 0; i < 300; ++i) {
        expected += '"';
        expected += std::to_string(i) + ".JPG\",\"2001:05:03 10:20:30\"\r\n";
    }
    EXPECT_EQ(CsvListing(files, fields), expected);

    files[250] = sandbox.Path() / "many/second gone.JPG";
    files[150] = sandbox.Path() / "many/first gone.JPG";
    try {
        (void)CsvListing(files, fields);
        ADD_FAILURE() << "a missing file was listed";
    } catch (const platform::FileError& error) {
        EXPECT_NE(std::string(error.what()).find("first gone"), std::string::npos) << error.what();
    }
}
