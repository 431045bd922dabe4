// The fill of the file list between the window's events: its progress texts, the busy cursor,
// and a fill dropped for another.

#include "shell/ui/list_fill.h"
#include "tests/shell/ui/form_main_fixture.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace shell;

namespace {

const QSize kLarge(80, 60);

TEST(AListFill, ReadsNothingBeforeTheWindowsEventsRunAndReportsEachStep) {
    fixture::Sandbox photos;
    fixture::WritePhotoFolder(photos.Path());
    ListFill fill;
    QSignalSpy progress(&fill, &ListFill::Progressed);
    QSignalSpy finished(&fill, &ListFill::Finished);
    fill.Start(photos.Path(), {exif::SummaryFieldId::Make}, kLarge);

    EXPECT_TRUE(fill.Running());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    ASSERT_EQ(progress.size(), 2);
    EXPECT_EQ(progress[0][0].toString(), "ファイル情報読み込み中");
    EXPECT_EQ(progress[1][0].toString(), "ファイル情報読み込み中(0/3)");

    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(fill.Running());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(progress.last()[0].toString(), "ファイル情報読み込み中(2/3)");
    EXPECT_TRUE(fill.Error().isEmpty());
    const std::vector<FileListItem> items = fill.TakeItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].values, QStringList{"Maker"});
    EXPECT_EQ(items[1].values, QStringList{""});
    EXPECT_TRUE(fill.TakeItems().empty());
}

TEST(AListFill, DroppedForAnotherEndsOnceWithTheOtherFolder) {
    fixture::Sandbox first;
    fixture::Sandbox second;
    fixture::WritePhotoFolder(first.Path());
    ListFill fill;
    QSignalSpy finished(&fill, &ListFill::Finished);
    fill.Start(first.Path(), {}, kLarge);
    fill.Start(second.Path(), {}, kLarge);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(fill.TakeItems().empty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // A timer of the dropped fill still running would fire here.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.size(), 1) << "the dropped fill never finishes";

    fill.Start(first.Path(), {}, kLarge);
    fill.Cancel();
    EXPECT_FALSE(fill.Running());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(AListFill, OfAFolderThatCannotBeReadSaysWhichFolder) {
    fixture::Sandbox photos;
    const std::filesystem::path gone = photos.Path() / "gone";
    ListFill fill;
    QSignalSpy finished(&fill, &ListFill::Finished);
    fill.Start(gone, {}, kLarge);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(fill.TakeItems().empty());
    EXPECT_TRUE(fill.Error().contains(QFile::decodeName(gone.c_str())))
        << fill.Error().toStdString();
}

} // namespace
