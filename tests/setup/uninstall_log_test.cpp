#include "setup/uninstall_log.h"
#include "tests/setup/install_fixture.h"

using namespace setup;
using setup_test::ReadBytes;

namespace {

using Entries = std::vector<std::string>;

TEST(SplitLogEntry, OptionsStartAtTheFirstCommaBeforeASlash) {
    LogEntryParts parts = SplitLogEntry("C:\\Tools,Inc\\x.dll,/S/R");
    EXPECT_EQ(parts.path, "C:\\Tools,Inc\\x.dll");
    EXPECT_EQ(parts.options, ",/S/R");
    parts = SplitLogEntry("C:\\x.dll,");
    EXPECT_EQ(parts.path, "C:\\x.dll");
    EXPECT_EQ(parts.options, ",");
    parts = SplitLogEntry("C:\\A,B\\");
    EXPECT_EQ(parts.path, "C:\\A,B\\");
    EXPECT_EQ(parts.options, "");
}

TEST(LogList, ADuplicateTakesTheNumberOfItsEarlierKey) {
    LogList list(LogList::Kind::Files);
    EXPECT_EQ(list.Add("C:\\A\\a.dll,/S").number, 1u);
    EXPECT_EQ(list.Add("C:\\A\\b.txt").number, 2u);
    const LogList::Added again = list.Add("c:\\a\\A.DLL");
    EXPECT_EQ(again.number, 1u);
    EXPECT_EQ(again.value, "c:\\a\\A.DLL,/S");
    EXPECT_EQ(list.Add("C:\\A\\B.TXT,/W").number, 2u);
    EXPECT_EQ(list.Add("C:\\A\\c.txt").number, 3u);
}

TEST(MergedEntries, AFolderRecordedTwiceIsWrittenOnce) {
    EXPECT_EQ(MergedEntries({"C:\\P\\html\\", "C:\\P\\doc\\", "c:\\p\\HTML\\"}),
              (Entries{"c:\\p\\HTML\\", "C:\\P\\doc\\"}));
}

TEST(MergedFileEntries, AnEarlierSharedMarkIsKeptWithinTheFiveCharactersOfOptions) {
    EXPECT_EQ(MergedFileEntries({"C:\\a.dll,/S", "c:\\A.DLL,/W/C"}), (Entries{"c:\\A.DLL,/S/W/C"}));
    EXPECT_EQ(MergedFileEntries({"C:\\a.dll,/S/R", "C:\\a.dll"}), (Entries{"C:\\a.dll,/S"}));
    EXPECT_EQ(MergedFileEntries({"C:\\a.dll", "C:\\a.dll,/S"}), (Entries{"C:\\a.dll,/S"}));
    EXPECT_EQ(MergedFileEntries({"C:\\a.dll,/W/s", "C:\\b", "C:\\A.dll,/S/C"}),
              (Entries{"C:\\A.dll,/S/C", "C:\\b"}));
}

TEST(RestoreRelateSlots, AnExtensionTakesTheFirstFreeSlotOnce) {
    RestoreRelateSlots slots;
    EXPECT_TRUE(AddRestoreRelate(slots, "html", ""));
    EXPECT_TRUE(AddRestoreRelate(slots, "htm", "htmfile"));
    EXPECT_FALSE(AddRestoreRelate(slots, "HTM", "other"));
    EXPECT_EQ(slots[0], "html,");
    EXPECT_EQ(slots[1], "htm,htmfile");
    EXPECT_TRUE(HoldsExtension(slots, "Html"));
    EXPECT_FALSE(HoldsExtension(slots, "ht"));
    for (int i = 2; i < 20; ++i) {
        const std::string number = std::to_string(i);
        EXPECT_TRUE(AddRestoreRelate(slots, "e" + number, ""));
    }
    EXPECT_FALSE(AddRestoreRelate(slots, "full", ""));
}

class LogReading : public setup_test::MachineTest {};

// The log of an install that was stopped: its lists continued in repeated sections, a later key
// replacing an earlier one, and the record of each file copied.
TEST_F(LogReading, RepeatedSectionsContinueTheListsAndRecordsFollowTheirFiles) {
    setup_test::WriteIni(Host("C:\\A\\UNSETUP.INI"),
                         "[SetupFolder]\nFolder=C:\\A\\\n[DeleteFile]\nFile1=C:\\A\\x.dll,/S\n"
                         "[InstalledFile]\nFormat=1\n\n[DeleteFolder]\nFolder1=C:\\A\\sub\\\n"
                         "\n[DeleteFile]\nFile2=C:\\A\\y.txt\nFile1=C:\\A\\x.dll,/S/R\n"
                         "[InstalledFile]\nFile2=12,345,C:\\A\\y.txt\nFile3=bad\n");
    const UninstallLog log = ReadUninstallLog("C:\\A\\UNSETUP.INI");
    EXPECT_EQ(log.lists.files.Entries(), (Entries{"C:\\A\\x.dll,/S/R", "C:\\A\\y.txt"}));
    EXPECT_EQ(log.lists.folders.Entries(), Entries{"C:\\A\\sub\\"});
    EXPECT_TRUE(log.lists.installed.kept);
    EXPECT_EQ(log.lists.installed.Find("c:\\a\\Y.TXT"), (FileRecord{12, 345}));
    EXPECT_EQ(log.lists.installed.Find("C:\\A\\x.dll"), std::nullopt);
    EXPECT_EQ(log.lists.installed.byPath.size(), 1u);
}

class Reinstall : public setup_test::InstallTest {};

TEST_F(Reinstall, KeepsWhatTheEarlierInstallRecorded) {
    WriteMediumFile("SETUP.EXE", "installer");
    WriteMediumFile("a.dll", "a");
    WriteMediumFile("b.txt", "b");
    WriteScript("[MakeFolder]\nFolder1=(App)html\n[CopyFile]\nFile1=(App)a.dll,/S\n"
                "[DeleteRegistry]\nKey1=Software\\First\n");
    ASSERT_TRUE(Install().Succeeded());
    const std::string firstLog = ReadBytes(Host("C:\\Program Files\\Test\\UNSETUP.INI"));

    WriteScript("[MakeFolder]\nFolder1=(App)HTML\nFolder2=(App)docs\n[CopyFile]\n"
                "File1=(App)a.dll\nFile2=(App)b.txt\n[DeleteRegistry]\nKey1=Software\\Second\n");
    session.reset();
    ports = {};
    ASSERT_TRUE(Install().Succeeded());
    EXPECT_EQ(session->workFolder, TemporaryFolder() + "ZSTMP2\\");
    EXPECT_EQ(ReadBytes(Host(session->workFolder + "UNSETUPZ.INI")), firstLog);
    const std::string log = "C:\\Program Files\\Test\\UNSETUP.INI";
    EXPECT_EQ(SectionLines(log, "DeleteFolder"),
              (Entries{"Folder1=C:\\Program Files\\Test\\HTML\\",
                       "Folder2=C:\\Program Files\\Test\\docs\\"}));
    EXPECT_EQ(SectionLines(log, "DeleteFile"),
              (Entries{"File1=C:\\Program Files\\Test\\a.dll,/S",
                       "File2=C:\\Program Files\\Test\\UNSETUP.INI",
                       "File3=C:\\Program Files\\Test\\b.txt"}));
    EXPECT_EQ(SectionLines(log, "DeleteRegistry"),
              (Entries{"Key1=Software\\First", "Key2=Software\\Second"}));
    EXPECT_EQ(SharedCount("C:\\Program Files\\Test\\a.dll"), 1u);
}

} // namespace
