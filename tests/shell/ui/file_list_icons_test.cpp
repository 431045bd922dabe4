// The file list's icons on demand, driven through its model: read for the rows shown and as
// many rows ahead, at most a budget of them held, the least recently shown dropped first, and
// read again for a row shown again after it was dropped.

#include "shell/ui/file_list_model.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>

using namespace shell;

namespace {

constexpr std::size_t kBudget = 4;

class AFileListModel : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::ExifContent content;
        content.ifd0 = {fixture::Ascii(0x010F, "Maker")};
        content.ifd1 = std::vector<fixture::Entry>{};
        content.thumbnail = fixture::EncodeJpeg(160, 120);
        const std::vector<std::uint8_t> photo = fixture::BuildJpeg(content).bytes;
        std::vector<FileListItem> items;
        for (int i = 0; i < 12; ++i) {
            const std::string number = std::to_string(10 + i);
            const std::string name = "P" + number + ".JPG";
            fixture::WriteFile(photos.Path() / name, photo);
            items.push_back({name, {}});
        }
        model.Reset({"ファイル名"}, QSize(80, 60), kBudget);
        model.SetItems(photos.Path(), std::move(items));
    }

    // Waits until the model holds the icons of the rows.
    [[nodiscard]] bool Read(std::initializer_list<int> rows) const {
        return QTest::qWaitFor(
            [&] {
                return std::all_of(rows.begin(), rows.end(),
                                   [this](int row) { return model.IconOf(row).has_value(); });
            },
            20000);
    }

    fixture::Sandbox photos;
    FileListModel model;
};

TEST_F(AFileListModel, ReadsTheIconsOfTheRowsShownAndAsManyAhead) {
    EXPECT_FALSE(model.IconOf(0));
    EXPECT_FALSE(model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull())
        << "the placeholder until the icon is read";
    QSignalSpy shown(&model, &FileListModel::ShownIconsReady);
    model.ShowRows(0, 1);
    ASSERT_TRUE(shown.wait(20000));
    EXPECT_EQ(model.IconOf(0), RowIcon::Thumbnail);
    EXPECT_EQ(model.IconOf(1), RowIcon::Thumbnail);
    ASSERT_TRUE(Read({2, 3})) << "the screen ahead";
    EXPECT_EQ(model.IconsHeld(), kBudget);
    EXPECT_FALSE(model.IconOf(4));
    EXPECT_EQ(model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().availableSizes(),
              (QList<QSize>{QSize(40, 30), QSize(80, 60)}));
}

TEST_F(AFileListModel, DropsTheLeastRecentlyShownAndReadsARowShownAgain) {
    model.ShowRows(0, 0); // row 1 ahead
    ASSERT_TRUE(Read({0, 1}));
    model.ShowRows(5, 5); // row 6 ahead
    ASSERT_TRUE(Read({5, 6}));
    model.ShowRows(0, 0); // back up: nothing to read, row 0 shown last
    model.ShowRows(9, 9); // row 10 ahead
    ASSERT_TRUE(Read({9, 10}));
    EXPECT_EQ(model.IconsHeld(), kBudget);
    EXPECT_TRUE(model.IconOf(0)) << "shown again, so kept";
    EXPECT_TRUE(model.IconOf(5));
    EXPECT_FALSE(model.IconOf(1)) << "only read ahead, longest ago";
    EXPECT_FALSE(model.IconOf(6)) << "only read ahead";

    model.ShowRows(1, 1);
    ASSERT_TRUE(Read({1}));
    EXPECT_EQ(model.IconOf(1), RowIcon::Thumbnail);
    EXPECT_EQ(model.IconsHeld(), kBudget);
}

} // namespace
