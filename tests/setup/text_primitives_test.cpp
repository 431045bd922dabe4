#include "platform/codepage.h"
#include "setup/text_primitives.h"

#include <gtest/gtest.h>

using namespace setup;

namespace {

std::string Sjis(std::string_view utf8) {
    return platform::Utf8ToCp932(utf8);
}

TEST(PosNoCase, FindsTokensInAnyLetterCase) {
    EXPECT_EQ(PosNoCase("/S", "abc,/s/w"), 5u);
    EXPECT_EQ(PosNoCase(".OCX", "C:\\x\\Grid.ocx"), 10u);
    EXPECT_EQ(PosNoCase("(App)", "(aPP)\\bin"), 1u);
    EXPECT_EQ(PosNoCase("x", ""), 0u);
    EXPECT_EQ(PosNoCase("", "abc"), 0u);
    EXPECT_EQ(PosNoCase("abcd", "abc"), 0u);
}

TEST(PosNoCase, NeverMatchesTheSecondByteOfADoubleByteCharacter) {
    // "ポ" is 83 7C and "ソ" 83 5C: their second bytes are "|" and "\".
    EXPECT_EQ(PosNoCase("|", Sjis("ポート")), 0u);
    EXPECT_EQ(PosNoCase("\\", Sjis("ソフト")), 0u);
    EXPECT_EQ(PosNoCase("|", Sjis("ポ|")), 3u);
    // "ａ" is 82 81; the letter "a" stands for 0x61, a valid second byte.
    EXPECT_EQ(PosNoCase("a", Sjis("ヂa")), 3u);
}

TEST(PosNoCase, ComparesFullWidthAndGreekLettersWithoutCase) {
    EXPECT_EQ(PosNoCase(Sjis("ＡＢＣ"), Sjis("xｘａｂｃ")), 4u);
    EXPECT_EQ(PosNoCase(Sjis("α"), Sjis("Ω Α")), 4u);
    EXPECT_EQ(UpperCp932(Sjis("ｚабвяё")), Sjis("ＺАБВЯЁ"));
}

TEST(GetField, SplitsAtTheDelimiterAndGivesEmptyForMissingFields) {
    EXPECT_EQ(GetField("a,b,,d", ',', 1), "a");
    EXPECT_EQ(GetField("a,b,,d", ',', 2), "b");
    EXPECT_EQ(GetField("a,b,,d", ',', 3), "");
    EXPECT_EQ(GetField("a,b,,d", ',', 4), "d");
    EXPECT_EQ(GetField("a,b,,d", ',', 5), "");
    EXPECT_EQ(GetField("a", ',', 0), "");
    EXPECT_EQ(GetField(Sjis("ポ|x"), '|', 1), Sjis("ポ"));
}

TEST(PathDelimiters, AddAndRemoveOneDelimiterAtEitherEnd) {
    EXPECT_EQ(AddPathDelimiter("", PathSide::Bottom), "\\");
    EXPECT_EQ(AddPathDelimiter("", PathSide::Top), "\\");
    EXPECT_EQ(AddPathDelimiter("C:\\A", PathSide::Bottom), "C:\\A\\");
    EXPECT_EQ(AddPathDelimiter("C:\\A\\", PathSide::Bottom), "C:\\A\\");
    EXPECT_EQ(AddPathDelimiter("A\\B", PathSide::Top), "\\A\\B");
    EXPECT_EQ(RemovePathDelimiter("\\A\\", PathSide::Top), "A\\");
    EXPECT_EQ(RemovePathDelimiter("\\A\\", PathSide::Bottom), "\\A");
    EXPECT_EQ(RemovePathDelimiter("A", PathSide::Bottom), "A");
    // The last byte of "ソ" is 5C but no delimiter.
    EXPECT_EQ(AddPathDelimiter(Sjis("C:\\ソ"), PathSide::Bottom), Sjis("C:\\ソ\\"));
    EXPECT_EQ(RemovePathDelimiter(Sjis("C:\\ソ"), PathSide::Bottom), Sjis("C:\\ソ"));
}

TEST(PathParts, SplitAtTheLastDelimiterOrColon) {
    EXPECT_EQ(FileNamePart("C:\\A\\b.txt"), "b.txt");
    EXPECT_EQ(FolderPart("C:\\A\\b.txt"), "C:\\A\\");
    EXPECT_EQ(FileNamePart("C:b.txt"), "b.txt");
    EXPECT_EQ(FileNamePart("(App)b.txt"), "(App)b.txt");
    EXPECT_EQ(FileNamePart(Sjis("C:\\表示.txt")), Sjis("表示.txt"));
    EXPECT_EQ(ChangeFileExtension("C:\\A.B\\prog.lnk", ".pif"), "C:\\A.B\\prog.pif");
    EXPECT_EQ(ChangeFileExtension("C:\\A.B\\prog", ".pif"), "C:\\A.B\\prog.pif");
}

TEST(SystemErrorText, IsEmptyForSuccessAndFullWidthWithALineEndOtherwise) {
    EXPECT_EQ(SystemErrorText(0), "");
    EXPECT_EQ(SystemErrorText(2), Sjis("指定されたファイルが見つかりません。\r\n"));
    EXPECT_EQ(SystemErrorText(1234), Sjis("エラー　１２３４　が発生しました。\r\n"));
    EXPECT_EQ(FullWidthCp932(Sjis("A b-9ｶﾞ")), Sjis("Ａ　ｂ－９カ゛"));
}

} // namespace
