#include "commands/file_delete_command.h"
#include "commands/file_rename_command.h"
#include "commands/file_transfer_command.h"
#include "tests/commands/file_command_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace commands;
using fixture::Sjis;
using platform::OverwriteAnswer;
using platform::TransferKind;
namespace fs = std::filesystem;

namespace {

// Date, "_", hours and minutes, "_", three digits: 20001231_0905_001.jpg.
exif::NameTemplateSettings DateNames() {
    return {exif::DatePatternChoices()[0], "_", exif::TimePatternChoices()[4], "_", 3};
}

class FileCommands : public fixture::FileCommandTest, public ::testing::Test {
protected:
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    fs::path in = sandbox.Path() / "in";
    fs::path out = sandbox.Path() / "out";
};

std::vector<std::string> NewColumn(const ConfirmationList& list) {
    std::vector<std::string> values;
    for (const PlannedRow& row : list.Rows()) {
        values.push_back(row.newValue);
    }
    return values;
}

} // namespace

TEST_F(FileCommands, TwoFilesShotInTheSameSecondGetDifferentRunningNumbers) {
    const fs::path a = WritePhoto("in/DSCN0002.JPG", "2000:12:31 09:05:07");
    const fs::path b = WritePhoto("in/DSCN0001.JPG", "2000:12:31 09:05:07");
    WriteFile("out/20001231_0905_004.jpg", "older");
    const TransferDialogValues values{out, "DSCN", "$F", NamingChoice::ShotDate};

    const FileCommandResult result =
        RunTransferCommand(TransferKind::Copy, values, DateNames(), Context({a, b}), ports);

    EXPECT_EQ(result.processed, 2u);
    ASSERT_TRUE(confirm.shown);
    EXPECT_EQ(confirm.shown->OldCaption(), Sjis("コピー元"));
    EXPECT_EQ(confirm.shown->NewCaption(), Sjis("コピー先"));
    ASSERT_EQ(confirm.shown->Rows().size(), 2u);
    const PlannedRow& first = confirm.shown->Rows()[0];
    EXPECT_EQ(first.fileName, "DSCN0001.JPG") << "rows are sorted by file name";
    EXPECT_EQ(first.action, Sjis("コピー"));
    EXPECT_EQ(first.oldValue, b.string());
    EXPECT_EQ(NewColumn(*confirm.shown),
              (std::vector<std::string>{(out / "20001231_0905_006.jpg").string(),
                                        (out / "20001231_0905_005.jpg").string()}))
        << "numbers follow the selection and go on after the folder's highest";
    EXPECT_EQ(Bytes(out / "20001231_0905_005.jpg"), Bytes(a));
    EXPECT_EQ(Bytes(out / "20001231_0905_006.jpg"), Bytes(b));
    EXPECT_TRUE(fs::exists(a) && fs::exists(b)) << "a copy keeps its sources";
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(progress.texts.size(), 2u);
    EXPECT_EQ(progress.texts[0].action, Sjis("コピー"));
    EXPECT_EQ(progress.finishes, 1);
}

TEST_F(FileCommands, ACancelledCopyStillStoresTheDialogsSettings) {
    const fs::path a = WritePhoto("in/a.jpg", "2001:01:01 00:00:00");
    confirm.answer = Confirmation::Cancel;
    const TransferDialogValues values{out / "写真", "IMG_", "$F", NamingChoice::Dcf};

    EXPECT_EQ(
        TransferDialogOk(TransferKind::Copy, values, store, DateNames(), Context({a}), ports).end,
        DialogEnd::Close);

    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(LoadTransferDialog(store, TransferKind::Copy), values);
    EXPECT_EQ(store.ReadString("FileCopy", "EditFolder", ""), Sjis((out / "写真").string()));
    EXPECT_EQ(store.ReadString("FileCopy", "RadioButton3", ""), "1");
    EXPECT_EQ(store.ReadString("FileCopy", "RadioButton1", ""), "0");
    EXPECT_EQ(store.ReadString("FileCopy", "RadioButton4", ""), "0");
    EXPECT_EQ(LoadTransferDialog(store, TransferKind::Move),
              (TransferDialogValues{"", "DSCN", "$F"}))
        << "the move dialog keeps its own section";
}

TEST_F(FileCommands, UntickingEveryRowCopiesNothingAndDoesNotRefresh) {
    const fs::path a = WritePhoto("in/a.jpg", "2001:01:01 00:00:00");
    confirm.edit = [](ConfirmationList& list) { list.CheckAll(false); };

    const FileCommandResult result =
        RunTransferCommand(TransferKind::Move, {out, "DSCN", "$F", NamingChoice::Keep}, DateNames(),
                           Context({a}), ports);

    EXPECT_TRUE(result.confirmed);
    EXPECT_EQ(result.processed, 0u);
    EXPECT_TRUE(fs::exists(a));
    EXPECT_FALSE(fs::exists(out / "a.jpg"));
    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(progress.starts.empty()) << "no progress window for nothing";
}

TEST_F(FileCommands, AnEmptyFolderIsToldAndKeepsTheDialogOpenWithoutSaving) {
    const fs::path a = WritePhoto("in/a.jpg", "2001:01:01 00:00:00");
    for (const TransferKind kind : {TransferKind::Copy, TransferKind::Move}) {
        EXPECT_EQ(TransferDialogOk(kind, {"", "X", "$F", NamingChoice::Dcf}, store, DateNames(),
                                   Context({a}), ports)
                      .end,
                  DialogEnd::StayOpen);
    }
    EXPECT_EQ(messages.told, (std::vector<std::string>{"出力先フォルダを指定してください",
                                                       "移動先フォルダを指定してください"}));
    EXPECT_FALSE(confirm.shown);
    EXPECT_FALSE(store.StoredText("FileCopy", "EditDCF"));
}

TEST_F(FileCommands, CopyAsksBeforeReplacingAndKeepsTheFileOnNo) {
    const fs::path a = WriteFile("in/a.jpg", "new a");
    const fs::path b = WriteFile("in/b.jpg", "new b");
    WriteFile("out/a.jpg", "old a");
    WriteFile("out/b.jpg", "old b");
    overwrite.answers = {OverwriteAnswer::No, OverwriteAnswer::Yes};

    const FileCommandResult result =
        RunTransferCommand(TransferKind::Copy, {out, "", "$F", NamingChoice::Keep}, DateNames(),
                           Context({a, b}), ports);

    EXPECT_EQ(overwrite.asked, (std::vector{out / "a.jpg", out / "b.jpg"}));
    EXPECT_EQ(Bytes(out / "a.jpg"), "old a");
    EXPECT_EQ(Bytes(out / "b.jpg"), "new b");
    EXPECT_EQ(result.processed, 1u);
    EXPECT_TRUE(messages.told.empty());
}

TEST_F(FileCommands, MoveGivesDcfNamesAfterTheHighestAndRemovesOnlyWhatArrived) {
    const fs::path a = WritePhoto("in/a.jpg", "2001:01:01 00:00:00");
    const fs::path b = WritePhoto("in/b.jpg", "2001:01:01 00:00:00");
    const fs::path gone = sandbox.Path() / "in/c.jpg";
    WriteFile("out/DSCN0041.JPG", "41");

    const FileCommandResult result =
        RunTransferCommand(TransferKind::Move, {out, "DSCN", "$F", NamingChoice::Dcf}, DateNames(),
                           Context({a, b, gone}), ports);

    EXPECT_EQ(Names(out),
              (std::vector<std::string>{"DSCN0041.JPG", "DSCN0042.JPG", "DSCN0043.JPG"}));
    EXPECT_EQ(Names(in), std::vector<std::string>{});
    EXPECT_EQ(result.processed, 2u);
    EXPECT_EQ(result.failed, 1u);
    ASSERT_EQ(messages.told.size(), 1u);
    EXPECT_NE(messages.told[0].find(gone.string()), std::string::npos) << messages.told[0];
    EXPECT_EQ(refreshes, 1);
}

TEST_F(FileCommands, AFileThatCannotBeNamedEndsThePlanWithItsName) {
    const fs::path missing = sandbox.Path() / "in/missing.jpg";
    const FileCommandResult result =
        RunTransferCommand(TransferKind::Copy, {out, "", "$F", NamingChoice::ShotDate}, DateNames(),
                           Context({missing}), ports);
    EXPECT_FALSE(result.confirmed);
    ASSERT_EQ(messages.told.size(), 1u);
    EXPECT_NE(messages.told[0].find("missing.jpg"), std::string::npos);
    EXPECT_FALSE(confirm.shown);
}

TEST_F(FileCommands, RenameInPlaceByDateWithTheProgressWindow) {
    const fs::path a = WritePhoto("in/DSCN0001.JPG", "2000:12:31 09:05:07");
    const fs::path b = WritePhoto("in/DSCN0002.JPG", "2000:12:31 09:05:07");
    const RenameDialogValues values{"DSCN", "$F", NamingChoice::ShotDate};

    EXPECT_EQ(RenameDialogOk(values, store, DateNames(), Context({a, b}), ports).end,
              DialogEnd::Close);

    EXPECT_EQ(Names(in),
              (std::vector<std::string>{"20001231_0905_001.jpg", "20001231_0905_002.jpg"}));
    ASSERT_TRUE(confirm.shown);
    EXPECT_EQ(confirm.shown->OldCaption(), Sjis("変名前"));
    EXPECT_EQ(confirm.shown->NewCaption(), Sjis("変名後"));
    EXPECT_EQ(confirm.shown->Rows()[1].action, Sjis("変名"));
    EXPECT_EQ(progress.starts, std::vector<int>{2});
    ASSERT_EQ(progress.texts.size(), 2u);
    EXPECT_EQ(progress.texts[1].action, Sjis("変名処理"));
    EXPECT_EQ(progress.texts[1].source, b.string());
    EXPECT_EQ(progress.texts[1].destination, (in / "20001231_0905_002.jpg").string());
    EXPECT_EQ(progress.steps, 2);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(LoadRenameDialog(store), values);
    EXPECT_EQ(store.ReadString("FileRename", "RadioButton2", ""), "1");
}

TEST_F(FileCommands, RenameNeverReplacesAFileThatHasTheNewName) {
    const fs::path a = WritePhoto("in/a.jpg", "2000:12:31 09:05:07");
    const fs::path b = WritePhoto("in/b.jpg", "2000:12:31 09:05:07");
    exif::NameTemplateSettings noNumber = DateNames();
    noNumber.digits = 0;

    const FileCommandResult result =
        RunRenameCommand({"", "$F", NamingChoice::ShotDate}, noNumber, Context({a, b}), ports);

    EXPECT_EQ(Names(in), (std::vector<std::string>{"20001231_0905_.jpg", "b.jpg"}));
    EXPECT_EQ(result.processed, 1u);
    EXPECT_EQ(result.failed, 1u);
    ASSERT_EQ(messages.told.size(), 1u);
    EXPECT_NE(messages.told[0].find("a file of that name exists"), std::string::npos);
}

TEST_F(FileCommands, DialogSectionsStartFromTheirDefaults) {
    EXPECT_EQ(LoadTransferDialog(store, TransferKind::Copy),
              (TransferDialogValues{"", "DSCN", "$F", NamingChoice::Keep}));
    EXPECT_EQ(LoadRenameDialog(store), (RenameDialogValues{"DSCN", "$F", NamingChoice::Dcf}));
    ASSERT_TRUE(store.WriteString("FileMove", "RadioButton2", "1").Ok());
    EXPECT_EQ(LoadTransferDialog(store, TransferKind::Move).naming, NamingChoice::ShotDate);
    ASSERT_TRUE(store.WriteString("FileMove", "RadioButton4", "1").Ok());
    ASSERT_TRUE(store.WriteString("FileMove", "RadioButton2", "0").Ok());
    EXPECT_EQ(LoadTransferDialog(store, TransferKind::Move).naming, NamingChoice::Keep)
        << "the hidden fourth choice is never read";
}

class DeleteCommands : public FileCommands {
protected:
    void SetUp() override { setenv("XDG_DATA_HOME", (sandbox.Path() / "data").c_str(), 1); }
    fs::path trash = sandbox.Path() / "data/Trash";
};

TEST_F(DeleteCommands, DeleteGoesToTheTrashFolderOfTheFreedesktopLayout) {
    const fs::path a = WriteFile("in/a.jpg", "a");
    const fs::path b = WriteFile("in/b.jpg", "b");
    confirm.edit = [](ConfirmationList& list) { list.Rows()[1].checked = false; };

    const FileCommandResult result =
        RunDeleteCommand(platform::DeleteKind::ToTrash, Context({b, a}), ports);

    ASSERT_TRUE(confirm.shown);
    EXPECT_EQ(confirm.shown->OldCaption(), Sjis("削除ファイル"));
    EXPECT_EQ(confirm.shown->NewCaption(), Sjis("待避場所"));
    EXPECT_EQ(confirm.shown->Rows()[0].action, Sjis("削除"));
    EXPECT_EQ(confirm.shown->Rows()[0].oldValue, a.string());
    EXPECT_EQ(confirm.shown->Rows()[0].newValue, Sjis("ごみ箱"));
    EXPECT_EQ(result.processed, 1u);
    EXPECT_FALSE(fs::exists(a));
    EXPECT_TRUE(fs::exists(b)) << "its row was unticked";
    EXPECT_EQ(Bytes(trash / "files/a.jpg"), "a");
    EXPECT_TRUE(fs::exists(trash / "info/a.jpg.trashinfo"));
    EXPECT_EQ(refreshes, 1);
}

TEST_F(DeleteCommands, ThePermanentDeleteRemovesTheFile) {
    const fs::path a = WriteFile("in/a.jpg", "a");

    const FileCommandResult result =
        RunDeleteCommand(platform::DeleteKind::Permanently, Context({a}), ports);

    EXPECT_EQ(confirm.shown->Rows()[0].newValue, "");
    EXPECT_EQ(result.processed, 1u);
    EXPECT_FALSE(fs::exists(a));
    EXPECT_FALSE(fs::exists(trash));
    EXPECT_EQ(refreshes, 1);
}

TEST_F(DeleteCommands, ACancelledDeleteTouchesNothing) {
    const fs::path a = WriteFile("in/a.jpg", "a");
    confirm.answer = Confirmation::Cancel;
    EXPECT_FALSE(
        RunDeleteCommand(platform::DeleteKind::Permanently, Context({a}), ports).confirmed);
    EXPECT_TRUE(fs::exists(a));
    EXPECT_EQ(refreshes, 0);
}
