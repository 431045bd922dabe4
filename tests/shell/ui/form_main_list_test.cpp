// The main window's browsing: the start, the folder and its files, the two views, the detail
// pane, and what the window keeps in section Display.

#include "platform/codepage.h"
#include "shell/settings_records.h"
#include "shell/settings_values.h"
#include "shell/ui/file_list_model.h"
#include "shell/ui/thumbnail_icons.h"
#include "tests/shell/ui/form_main_fixture.h"
#include "tests/support/exif_fixture.h"

#include <QAction>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStackedWidget>
#include <QTest>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>

using namespace shell;
using fixture::Captions;
using fixture::WaitForList;

namespace {

namespace fs = std::filesystem;

class AMainWindow : public ::testing::Test, public fixture::MainWindowTest {};

QString Host(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QImage SmallIcon(const TFormMain& window, int row) {
    const auto icon = window.ListModel().index(row, 0).data(Qt::DecorationRole).value<QIcon>();
    return icon.pixmap(kSmallIconSize).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(AMainWindow, OfAFreshUserStartsInThumbnailViewWithNoFolder) {
    TFormMain& window = OpenWindow();
    window.show();
    EXPECT_EQ(window.windowTitle(), "Lumaroユーティリティ");
    EXPECT_TRUE(window.Action(MenuCommand::DispThumb)->isChecked());
    EXPECT_FALSE(window.Action(MenuCommand::DispList)->isChecked());
    EXPECT_EQ(window.findChild<QStackedWidget*>("FileList")->currentWidget(), &window.IconView());
    EXPECT_TRUE(window.CurrentFolder().empty());
    EXPECT_FALSE(window.IsFilling());
    EXPECT_EQ(window.ListModel().rowCount(), 0);
    EXPECT_EQ(window.findChild<QSplitter*>("LeftPanel")->width(), 145);
    EXPECT_EQ(window.FolderTree().height(), 192);
    EXPECT_EQ(window.findChild<QSplitter*>("LeftPanel")->minimumWidth(), 100);
    EXPECT_EQ(window.FolderTree().minimumHeight(), 100);
    EXPECT_EQ(window.DetailPane().minimumSize(), QSize(100, 100));
    EXPECT_EQ(window.findChild<QStackedWidget*>("FileList")->minimumSize(), QSize(100, 110));
    EXPECT_EQ(window.PopupMenu(), nullptr);
}

TEST_F(AMainWindow, ListsTheJpgAndTifFilesOfAPickedFolderInNameOrder) {
    fixture::WritePhotoFolder(photos.Path());
    TFormMain& window = OpenWindow();
    window.show();
    window.OpenFolder(photos.Path());
    EXPECT_TRUE(window.IsFilling());
    ASSERT_TRUE(WaitForList(window));

    EXPECT_EQ(window.CurrentFolder(), photos.Path());
    EXPECT_EQ(Captions(window), (QStringList{"a.jpg", "B.JPG", "c.Tif"}));
    EXPECT_EQ(window.StatusText(), Host(photos.Path()));
    EXPECT_EQ(window.FolderTree().currentIndex().data().toString(), Host(photos.Path().filename()));
    EXPECT_EQ(window.ListModel().FileOf(0), photos.Path() / "a.jpg");
}

TEST_F(AMainWindow, ShowsTheCrossedBoxForAFileWithoutThumbnail) {
    fixture::WritePhotoFolder(photos.Path());
    TFormMain& window = OpenWindow();
    window.show();
    window.OpenFolder(photos.Path());
    ASSERT_TRUE(WaitForList(window));
    ASSERT_TRUE(fixture::WaitForIcons(window));
    const FileListModel& model = window.ListModel();
    ASSERT_EQ(model.rowCount(), 3);

    const QImage placeholder =
        PlaceholderPicture(kSmallIconSize).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(model.IconOf(0), RowIcon::Thumbnail);
    EXPECT_NE(SmallIcon(window, 0), placeholder);
    EXPECT_EQ(model.IconOf(1), RowIcon::Placeholder) << "B.JPG has no EXIF data";
    EXPECT_EQ(SmallIcon(window, 1), placeholder);
    EXPECT_EQ(model.IconOf(2), RowIcon::Thumbnail) << "a bare TIFF keeps its thumbnail at offset 0";

    // The box: its corners and the crossing point are drawn, the border outside it is not.
    EXPECT_EQ(placeholder.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_EQ(placeholder.pixelColor(38, 28), QColor(Qt::black));
    EXPECT_EQ(placeholder.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(placeholder.pixelColor(39, 29), QColor(Qt::white));
    EXPECT_EQ(placeholder.pixelColor(20, 15), QColor(Qt::black));
}

TEST_F(AMainWindow, ShowsTheTickedColumnsInTheirOrderWithSmallIconsInReportView) {
    fixture::WritePhotoFolder(photos.Path());
    ColumnRows rows = DefaultColumnRows();
    std::swap(rows[0], rows[11]); // Aperture first, file name twelfth
    for (ColumnRow& row : rows) {
        row.ticked = row.field == 12 || row.field == 3 || row.field == 1;
    }
    live.setup.listColumns = rows;
    live.setup.largeThumbnails = false;
    TFormMain& window = OpenWindow();
    window.show();
    window.OpenFolder(photos.Path());
    ASSERT_TRUE(WaitForList(window));
    window.Action(MenuCommand::DispList)->trigger();

    EXPECT_EQ(window.findChild<QStackedWidget*>("FileList")->currentWidget(), &window.ReportView());
    EXPECT_TRUE(window.Action(MenuCommand::DispList)->isChecked());
    EXPECT_FALSE(window.Action(MenuCommand::DispThumb)->isChecked());
    EXPECT_EQ(window.ListModel().Columns(),
              (QStringList{"ファイル名", "絞り値", "メーカー", "ファイル名"}));
    const QModelIndex a = window.ListModel().index(0, 1);
    EXPECT_EQ(a.data().toString(), "F2.8");
    EXPECT_EQ(window.ListModel().index(0, 2).data().toString(), "Maker");
    EXPECT_EQ(window.ListModel().index(1, 2).data().toString(), "");
    EXPECT_EQ(window.ReportView().iconSize(), QSize(40, 30));
    EXPECT_EQ(window.IconView().iconSize(), QSize(160, 120));

    const QFontMetrics metrics(window.ReportView().font());
    EXPECT_EQ(window.ReportView().columnWidth(0),
              std::max(metrics.horizontalAdvance("ファイル名") + 16,
                       metrics.horizontalAdvance("B.JPG") + 61));
    EXPECT_EQ(window.ReportView().columnWidth(1), std::max(metrics.horizontalAdvance("絞り値") + 16,
                                                           metrics.horizontalAdvance("F2.8") + 16));
}

TEST_F(AMainWindow, SharesOneSelectionBetweenItsViewsAndDragsTheSelectedFiles) {
    fixture::WritePhotoFolder(photos.Path());
    TFormMain& window = OpenWindow();
    window.show();
    window.OpenFolder(photos.Path());
    ASSERT_TRUE(WaitForList(window));
    EXPECT_EQ(window.IconView().selectionModel(), window.ReportView().selectionModel());

    window.IconView().selectionModel()->select(
        window.ListModel().index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window.ReportView().selectionModel()->select(
        window.ListModel().index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(window.SelectedFiles(),
              (std::vector<fs::path>{photos.Path() / "a.jpg", photos.Path() / "c.Tif"}));

    const QModelIndexList selected = window.ReportView().selectionModel()->selectedIndexes();
    const std::unique_ptr<QMimeData> drag(window.ListModel().mimeData(selected));
    EXPECT_EQ(drag->urls(), (QList<QUrl>{QUrl::fromLocalFile(Host(photos.Path() / "a.jpg")),
                                         QUrl::fromLocalFile(Host(photos.Path() / "c.Tif"))}));
    EXPECT_EQ(window.ListModel().supportedDragActions(),
              Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);

    window.Action(MenuCommand::RevSelect)->trigger();
    EXPECT_EQ(window.SelectedFiles(), (std::vector<fs::path>{photos.Path() / "B.JPG"}));
    window.Action(MenuCommand::SelectAll)->trigger();
    EXPECT_EQ(window.SelectedFiles().size(), 3u);
}

TEST_F(AMainWindow, ShowsTheDetailOfTheClickedFileAndFollowsTheArrowKeys) {
    fixture::WritePhotoFolder(photos.Path());
    TFormMain& window = OpenWindow();
    window.show();
    window.OpenFolder(photos.Path());
    ASSERT_TRUE(WaitForList(window));
    QListView& view = window.IconView();
    view.setFocus();
    const QModelIndex first = window.ListModel().index(0, 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(first).center());
    const QString detail = window.DetailPane().toPlainText();
    EXPECT_TRUE(detail.startsWith("ファイル名　　　：a.jpg\n")) << detail.toStdString();
    EXPECT_TRUE(detail.contains("メーカー　　　　：Maker")) << detail.toStdString();

    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_TRUE(window.DetailPane().toPlainText().startsWith("ファイル名　　　：B.JPG\n"));

    live.setup.detailExif = true;
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_TRUE(window.DetailPane().toPlainText().contains("Model C"));
    EXPECT_TRUE(window.DetailPane().toPlainText().contains("JPEGInterchangeFormat"));
}

TEST_F(AMainWindow, TakesItsFontsFromTheFontRecordsOrElseTheDesignedOnes) {
    FontInfo list;
    list.height = -16;
    list.color = 0x000000FF; // red, as 0x00BBGGRR
    list.faceName = "IPAPGothic";
    list.style.bold = true;
    ASSERT_TRUE(WriteFontInfo(store, settings::kFontInfoList, list).Ok());
    TFormMain& window = OpenWindow();

    const QFont listFont = window.ReportView().font();
    EXPECT_EQ(listFont.family(), "IPAPGothic");
    EXPECT_EQ(listFont.pixelSize(), 16);
    EXPECT_TRUE(listFont.bold());
    EXPECT_EQ(window.IconView().font(), listFont);
    EXPECT_EQ(window.IconView().palette().color(QPalette::Text), QColor(255, 0, 0));

    const QFont detailFont = window.DetailPane().font();
    EXPECT_EQ(detailFont.family(), "ＭＳ ゴシック");
    EXPECT_EQ(detailFont.pixelSize(), 12);
    EXPECT_TRUE(detailFont.fixedPitch());
}

TEST_F(AMainWindow, RestoresTheReportViewSavedInDisplay) {
    ASSERT_TRUE(store.Write(settings::kDisplayList, true).Ok());
    ASSERT_TRUE(store.Write(settings::kDisplayThumb, false).Ok());
    TFormMain& window = OpenWindow();
    EXPECT_TRUE(window.Action(MenuCommand::DispList)->isChecked());
    EXPECT_FALSE(window.Action(MenuCommand::DispThumb)->isChecked());
    EXPECT_EQ(window.findChild<QStackedWidget*>("FileList")->currentWidget(), &window.ReportView());
}

TEST_F(AMainWindow, StartsInTheFolderOfTheLastExitAndKeepsItsStateAtExit) {
    fixture::WritePhotoFolder(photos.Path());
    TFormMain& first = OpenWindow();
    first.show();
    first.OpenFolder(photos.Path());
    ASSERT_TRUE(WaitForList(first));
    first.Action(MenuCommand::DispList)->trigger();
    first.setGeometry(120, 80, 700, 500);
    CloseWindow();

    EXPECT_EQ(store.StoredText("Display", "CurDirectory"), platform::PathToCp932(photos.Path()));
    EXPECT_EQ(store.StoredText("Display", "List"), "1");
    EXPECT_EQ(store.StoredText("Display", "Thumb"), "0");
    EXPECT_EQ(store.StoredText("Display", "LeftW"), "145");
    EXPECT_EQ(store.StoredText("Display", "FolderH"), "192");
    const auto placement = ReadWindowPlacement(store);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->normalPosition, (WindowRect{120, 80, 820, 580}));

    TFormMain& second = OpenWindow();
    EXPECT_EQ(second.geometry(), QRect(120, 80, 700, 500));
    second.show();
    EXPECT_EQ(second.CurrentFolder(), photos.Path());
    ASSERT_TRUE(WaitForList(second));
    EXPECT_EQ(Captions(second), (QStringList{"a.jpg", "B.JPG", "c.Tif"}));
}

TEST_F(AMainWindow, StartsInTheHomeFolderOrWithNoneWhenTheFolderIsGone) {
    fixture::WritePhotoFolder(photos.Path());
    ASSERT_TRUE(store.WriteString("Display", "CurDirectory", "/no/such/folder").Ok());
    TFormMain& last = OpenWindow();
    last.show();
    EXPECT_TRUE(last.CurrentFolder().empty());
    EXPECT_EQ(last.ListModel().rowCount(), 0);
    CloseWindow();

    live.setup.startInLastFolder = false;
    live.setup.homeFolder = platform::PathToCp932(photos.Path());
    TFormMain& home = OpenWindow();
    home.show();
    EXPECT_EQ(home.CurrentFolder(), photos.Path());
    ASSERT_TRUE(WaitForList(home));
    EXPECT_EQ(home.ListModel().rowCount(), 3);
}

TEST_F(AMainWindow, StartsInAFolderGivenToItAndEndsOnExit) {
    fixture::WritePhotoFolder(photos.Path());
    live.setup.startInLastFolder = false;
    TFormMain& window = OpenWindow();
    window.SetStartFolder(photos.Path());
    window.show();
    EXPECT_EQ(window.CurrentFolder(), photos.Path());
    ASSERT_TRUE(WaitForList(window));
    window.Action(MenuCommand::Exit)->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.ListModel().rowCount(), 0) << "closing clears the list first";
    EXPECT_EQ(window.CurrentFolder(), photos.Path());
}

TEST_F(AMainWindow, RefillsOnEnterInTheTreeAndOnRefresh) {
    fixture::WritePhotoFolder(photos.Path());
    TFormMain& window = OpenWindow();
    window.show();
    window.OpenFolder(photos.Path());
    ASSERT_TRUE(WaitForList(window));

    fixture::WriteFile(photos.Path() / "0.JPG", std::vector<std::uint8_t>{0xFF, 0xD8});
    QTest::keyClick(&window.FolderTree(), Qt::Key_Return);
    ASSERT_TRUE(WaitForList(window));
    EXPECT_EQ(Captions(window), (QStringList{"0.JPG", "a.jpg", "B.JPG", "c.Tif"}));

    fs::remove(photos.Path() / "a.jpg");
    window.Action(MenuCommand::Refresh)->trigger();
    EXPECT_EQ(window.CurrentFolder(), photos.Path());
    ASSERT_TRUE(WaitForList(window));
    EXPECT_EQ(Captions(window), (QStringList{"0.JPG", "B.JPG", "c.Tif"}));

    // A folder that is gone leaves no current folder and none of its files.
    const fs::path folder = photos.Path() / "sub";
    fs::create_directory(folder);
    fixture::WritePhotoFolder(folder);
    window.OpenFolder(folder);
    ASSERT_TRUE(WaitForList(window));
    ASSERT_EQ(window.ListModel().rowCount(), 3);
    fs::remove_all(folder);
    window.Action(MenuCommand::Refresh)->trigger();
    EXPECT_TRUE(window.CurrentFolder().empty());
    EXPECT_EQ(window.ListModel().rowCount(), 0);
}

} // namespace

namespace {

// The folder the tree shows as current is `folder`, every folder above it is open, and it can
// be seen in the tree once the tree has read the folders around it.
void ExpectTreeAt(TFormMain& window, const fs::path& folder) {
    QTreeView& tree = window.FolderTree();
    const QModelIndex current = tree.currentIndex();
    ASSERT_TRUE(current.isValid());
    EXPECT_EQ(current.data(QFileSystemModel::FilePathRole).toString(), Host(folder));
    for (QModelIndex above = current.parent(); above.isValid(); above = above.parent()) {
        EXPECT_TRUE(tree.isExpanded(above)) << above.data().toString().toStdString();
    }
    const auto inSight = [&tree] {
        const QRect row = tree.visualRect(tree.currentIndex());
        return row.top() >= 0 && row.bottom() < tree.viewport()->height();
    };
    EXPECT_TRUE(QTest::qWaitFor(inSight, 20000));
}

TEST_F(AMainWindow, OpensItsTreeDownToTheCurrentFolderAtStartAndWhenItChanges) {
    const fs::path deep = photos.Path() / "one" / "two" / "three";
    fs::create_directories(deep);
    fs::create_directories(photos.Path() / "other" / "folder");
    live.setup.startInLastFolder = false;
    TFormMain& window = OpenWindow();
    window.SetStartFolder(deep);
    window.show();
    ASSERT_TRUE(WaitForList(window));
    ExpectTreeAt(window, deep);

    window.OpenFolder(photos.Path() / "other" / "folder");
    ASSERT_TRUE(WaitForList(window));
    ExpectTreeAt(window, photos.Path() / "other" / "folder");
}

} // namespace
