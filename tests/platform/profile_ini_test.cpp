#include "platform/profile_ini.h"
#include "tests/support/sandbox.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class ProfileIni : public ::testing::Test {
protected:
    fs::path File() const { return sandbox_.Path() / "SETUP.INI"; }

    void WriteBytes(const std::string& bytes) const {
        std::ofstream(File(), std::ios::binary) << bytes;
    }

    std::string Bytes() const { return fixture::FileBytes(File()); }

    std::string Read(std::string_view section, std::string_view key) const {
        return ReadProfileString(section, key, "<default>", File());
    }

    fixture::Sandbox sandbox_;
};

// Double-byte characters whose second byte is an ASCII letter or a bracket.
const std::string kKatakanaSmallA = "\x83\x40"; // second byte 0x40
const std::string kTrailLowerA = "\x83\x61";    // second byte 'a'
const std::string kTrailUpperA = "\x83\x41";    // second byte 'A'
const std::string kTrailBracket = "\x83\x5D";   // second byte ']'

} // namespace

TEST_F(ProfileIni, SectionsAndKeysMatchWithoutRegardToAsciiCase) {
    WriteBytes("[Title]\r\nSetup=Orvik\r\n[" + kTrailLowerA + "x]\r\nk=double\r\n");
    EXPECT_EQ(Read("TITLE", "setup"), "Orvik");
    EXPECT_EQ(Read(kTrailLowerA + "X", "K"), "double");
    // Folding the second byte of a double-byte character would make these two names equal.
    EXPECT_EQ(Read(kTrailUpperA + "x", "k"), "<default>");
}

TEST_F(ProfileIni, AbsentFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(Read("Title", "Setup"), "<default>");
    EXPECT_FALSE(fs::exists(File()));
    WriteBytes("[Title]\r\nSetup=x\r\n;Other=commented\r\nNoEquals\r\n");
    EXPECT_EQ(Read("Other", "Setup"), "<default>");
    EXPECT_EQ(Read("Title", "UnSetup"), "<default>");
    EXPECT_EQ(Read("Title", ";Other"), "<default>");
    EXPECT_EQ(Read("Title", "NoEquals"), "<default>");
    EXPECT_TRUE(ReadProfileKeys("Other", File()).empty());
}

TEST_F(ProfileIni, ValuesLoseSurroundingBlanksAndOnePairOfQuotes) {
    WriteBytes("  [ CopyFile ]  \r\n"
               " File1 = (App)\\A.DLL,/S  \r\n"
               "File2=\"quoted, with blanks \"\r\n"
               "File3='single'\r\n"
               "File4=\"unbalanced\r\n"
               "File5=a=b;c\r\n"
               "File6=\r\n");
    EXPECT_EQ(Read("CopyFile", "File1"), "(App)\\A.DLL,/S");
    EXPECT_EQ(Read("CopyFile", "File2"), "quoted, with blanks ");
    EXPECT_EQ(Read("CopyFile", "File3"), "single");
    EXPECT_EQ(Read("CopyFile", "File4"), "\"unbalanced");
    EXPECT_EQ(Read("CopyFile", "File5"), "a=b;c");
    EXPECT_EQ(Read("CopyFile", "File6"), "");
}

TEST_F(ProfileIni, OnlyTheFirstOfDuplicateSectionsAndKeysCounts) {
    WriteBytes("[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\nj=4\r\n");
    EXPECT_EQ(Read("A", "k"), "1");
    EXPECT_EQ(Read("A", "j"), "<default>");
}

TEST_F(ProfileIni, AWholeSectionIsReadOnceAndARepeatedOneContinuesItOnlyWhenAsked) {
    WriteBytes("[A]\r\nk=1\r\nk=2\r\n [ list ] \r\nItem1= \"x\" \r\n[B]\r\nItem1=no\r\n[a]\r\n"
               "k=3\r\nj=4\r\n[LIST]\r\nitem2=y\r\n");
    using Values = std::unordered_map<std::string, std::string>;
    EXPECT_EQ(ReadProfileSection("a", File(), SectionRepeats::FirstOnly), (Values{{"K", "1"}}));
    EXPECT_EQ(ReadProfileSection("a", File(), SectionRepeats::Continue),
              (Values{{"K", "3"}, {"J", "4"}}));
    EXPECT_EQ(ReadProfileSection("List", File(), SectionRepeats::Continue),
              (Values{{"ITEM1", "x"}, {"ITEM2", "y"}}));
    EXPECT_EQ(ReadProfileSection("none", File(), SectionRepeats::Continue), Values{});
}

TEST_F(ProfileIni, DoubleByteNamesWithBracketOrLetterTrailBytesParse) {
    WriteBytes("[" + kTrailBracket + "]\r\n" + kKatakanaSmallA + "=" + kTrailLowerA + "\r\n");
    EXPECT_EQ(Read(kTrailBracket, kKatakanaSmallA), kTrailLowerA);
    EXPECT_EQ(ReadProfileSections(File()), std::vector<std::string>{kTrailBracket});
}

TEST_F(ProfileIni, ListsKeysAndSectionsInFileOrderAsWritten) {
    WriteBytes("[Relate]\r\nName3=jpg\r\n; note\r\nfile3 = x\r\n\r\n[ShortCut]\nMake1=a\n");
    EXPECT_EQ(ReadProfileKeys("RELATE", File()), (std::vector<std::string>{"Name3", "file3"}));
    EXPECT_EQ(ReadProfileSections(File()), (std::vector<std::string>{"Relate", "ShortCut"}));
    EXPECT_EQ(Read("shortcut", "make1"), "a");
}

TEST_F(ProfileIni, WriteCreatesTheFileAndSectionsWithCrLf) {
    ASSERT_TRUE(WriteProfileString("Prog", "Folder", "C:\\Program Files\\X\\", File()));
    ASSERT_TRUE(WriteProfileString("Other", "Key", "v", File()));
    EXPECT_EQ(Bytes(), "[Prog]\r\nFolder=C:\\Program Files\\X\\\r\n\r\n[Other]\r\nKey=v\r\n");
}

TEST_F(ProfileIni, WriteKeepsEveryOtherLineByteForByte) {
    const std::string before = "; leading comment\n"
                               "[Title]\r\n"
                               "  Setup  =  old value  \r\n"
                               "odd line\r\n"
                               "\r\n"
                               "[Extend]\n"
                               "SetupSpeed=400"; // no line end at the very end
    WriteBytes(before);

    ASSERT_TRUE(WriteProfileString("title", "SETUP", "new", File()));
    ASSERT_TRUE(WriteProfileString("Title", "UnSetup", "added", File()));
    ASSERT_TRUE(WriteProfileString("Extend", "Enabled", "False", File()));

    EXPECT_EQ(Bytes(), "; leading comment\n"
                       "[Title]\r\n"
                       "Setup=new\r\n"
                       "odd line\r\n"
                       "UnSetup=added\r\n"
                       "\r\n"
                       "[Extend]\n"
                       "SetupSpeed=400\r\n"
                       "Enabled=False\r\n");
}

TEST_F(ProfileIni, DeletingAKeyOrSectionRemovesOnlyItsLines) {
    WriteBytes("[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n; b's comment\r\nz=3\r\n[C]\r\nw=4\r\n");
    ASSERT_TRUE(DeleteProfileKey("a", "X", File()));
    ASSERT_TRUE(DeleteProfileSection("b", File()));
    EXPECT_EQ(Bytes(), "[A]\r\ny=2\r\n\r\n[C]\r\nw=4\r\n");

    ASSERT_TRUE(DeleteProfileKey("A", "absent", File()));
    ASSERT_TRUE(DeleteProfileSection("absent", File()));
    EXPECT_EQ(Bytes(), "[A]\r\ny=2\r\n\r\n[C]\r\nw=4\r\n");
}

TEST_F(ProfileIni, DeletingFromAMissingFileCreatesNothing) {
    ASSERT_TRUE(DeleteProfileKey("A", "x", File()));
    ASSERT_TRUE(DeleteProfileSection("A", File()));
    EXPECT_FALSE(fs::exists(File()));
}

TEST_F(ProfileIni, WriteIntoAMissingFolderFailsNamingTheFile) {
    const fs::path file = sandbox_.Path() / "missing" / "ORSET98.INI";
    const Status status = WriteProfileString("A", "x", "1", file);
    ASSERT_FALSE(status);
    EXPECT_NE(status.Error().find(file.string()), std::string::npos) << status.Error();
    EXPECT_FALSE(fs::exists(file.parent_path()));
}
