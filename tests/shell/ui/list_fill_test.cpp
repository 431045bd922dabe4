// The fill of the file list between the window's events: its progress texts, the busy cursor,
// the rows and their values as they come, and a fill dropped for another.

#include "shell/ui/file_list_model.h"
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

struct FilledModel {
    FilledModel() { model.Reset({"ファイル名", "メーカー"}, kLarge, 10); }
    FileListModel model;
    ListFill fill{model};
};

TEST(AListFill, ListsInTheBackgroundThenFillsTheRowsAndReportsEachStep) {
    fixture::Sandbox photos;
    fixture::WritePhotoFolder(photos.Path());
    FilledModel list;
    QSignalSpy progress(&list.fill, &ListFill::Progressed);
    QSignalSpy read(&list.fill, &ListFill::RowsRead);
    QSignalSpy finished(&list.fill, &ListFill::Finished);
    list.fill.Start(photos.Path(), {exif::SummaryFieldId::Make});

    EXPECT_TRUE(list.fill.Running());
    EXPECT_EQ(list.model.rowCount(), 0) << "nothing before the window's events run";
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    ASSERT_EQ(progress.size(), 1);
    EXPECT_EQ(progress[0][0].toString(), "ファイル情報読み込み中");

    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(list.fill.Running());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_GE(progress.size(), 3);
    EXPECT_EQ(progress[1][0].toString(), "ファイル情報読み込み中(0/3)");
    EXPECT_EQ(progress.last()[0].toString(), "ファイル情報読み込み中(2/3)");
    EXPECT_TRUE(list.fill.Error().isEmpty());
    ASSERT_EQ(list.model.rowCount(), 3);
    EXPECT_EQ(list.model.Columns(), (QStringList{"ファイル名", "メーカー"}));
    EXPECT_EQ(list.model.index(0, 1).data().toString(), "Maker");
    EXPECT_EQ(list.model.index(1, 1).data().toString(), "");
    EXPECT_EQ(read.first()[0].toInt(), 0);
    EXPECT_EQ(read.last()[1].toInt(), 2);
}

TEST(AListFill, DroppedForAnotherEndsOnceWithTheOtherFolder) {
    fixture::Sandbox first;
    fixture::Sandbox second;
    fixture::WritePhotoFolder(first.Path());
    FilledModel list;
    QSignalSpy finished(&list.fill, &ListFill::Finished);
    list.fill.Start(first.Path(), {});
    list.fill.Start(second.Path(), {});
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(list.model.rowCount(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // A timer of the dropped fill still running would fire here.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.size(), 1) << "the dropped fill never finishes";

    list.fill.Start(first.Path(), {});
    list.fill.Cancel();
    EXPECT_FALSE(list.fill.Running());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(AListFill, OfAFolderThatCannotBeReadSaysWhichFolder) {
    fixture::Sandbox photos;
    const std::filesystem::path gone = photos.Path() / "gone";
    FilledModel list;
    QSignalSpy finished(&list.fill, &ListFill::Finished);
    list.fill.Start(gone, {});
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(list.model.rowCount(), 0);
    EXPECT_TRUE(list.fill.Error().contains(QFile::decodeName(gone.c_str())))
        << list.fill.Error().toStdString();
}

} // namespace
