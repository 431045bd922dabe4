#include "platform/registry.h"
#include "setup/macro_folders.h"
#include "setup/path_macros.h"
#include "tests/setup/setup_fixture.h"

using namespace setup;
using setup_test::Sjis;

namespace {

TEST(ReplaceMacro, ExpandsAnyLetterCaseWithoutDoublingTheDelimiter) {
    EXPECT_EQ(ReplaceMacro("(app)\\bin\\x.exe", "(App)", "C:\\P\\"), "C:\\P\\bin\\x.exe");
    EXPECT_EQ(ReplaceMacro("(APP)x.exe|(App)\\y", "(App)", "C:\\P\\"), "C:\\P\\x.exe|C:\\P\\y");
    EXPECT_EQ(ReplaceMacro("(App)\\\\x", "(App)", "C:\\P\\"), "C:\\P\\\\x");
    EXPECT_EQ(ReplaceMacro("(Set)x", "(Set)", ""), "x");
}

TEST(ReplaceMacro, LeavesTheAllUsersDesktopAloneWhenReplacingTheDesktop) {
    EXPECT_EQ(ReplaceMacro("(C_Dsk)\\a.lnk", "(Dsk)", "D:\\"), "(C_Dsk)\\a.lnk");
    EXPECT_EQ(ReplaceMacro("(c_dsk)(dsk)", "(Dsk)", "D:\\"), "(c_dsk)D:\\");
}

TEST(ReplaceMacro, StopsWhenTheValueHoldsTheMacroItself) {
    // Before the install folder is fixed (App) stands for its own text.
    EXPECT_EQ(ReplaceMacro("(App)a(app)b", "(App)", "(App)"), "(App)a(App)b");
    EXPECT_EQ(ReplaceMacro("(App)", "(App)", "C:\\(app)\\"), "C:\\(app)\\");
}

TEST(ExpandPathMacros, PassesOtherParenthesisedTextAndWaitsForTheInstallFolder) {
    PathMacros macros;
    macros.Set(Macro::Win, "C:\\WINDOWS");
    EXPECT_EQ(macros.Value(Macro::App), "(App)");
    EXPECT_EQ(macros.Value(Macro::Set), "");
    EXPECT_EQ(macros.Value(Macro::Sen), "\\");
    EXPECT_EQ(ExpandPathMacros("(Dch)(App)x|(Str)(Pdd)(win)ini", macros),
              "(Dch)(App)x|(Str)(Pdd)C:\\WINDOWS\\ini");
    macros.SetInstallFolder("D:\\Prog");
    EXPECT_EQ(ExpandPathMacros("(App)\\a;(Set)b", macros), "D:\\Prog\\a;D:\\b");
}

class MachineMacros : public setup_test::MachineTest {};

TEST_F(MachineMacros, AllUsersFoldersAreTheUsersOnesOutsideNt) {
    UsePlatform("9x");
    const PathMacros macros = ResolvePathMacros(MediumFolder());
    EXPECT_EQ(macros.Value(Macro::Dsk), "C:\\WINDOWS\\Desktop\\");
    EXPECT_EQ(macros.Value(Macro::CDsk), "C:\\WINDOWS\\Desktop\\");
    EXPECT_EQ(macros.Value(Macro::CSta), "C:\\WINDOWS\\Start Menu\\Programs\\");
    EXPECT_EQ(macros.Value(Macro::Sys), "C:\\WINDOWS\\SYSTEM\\");
    EXPECT_EQ(ExpandPathMacros("(C_Dsk)\\a.lnk", macros), "C:\\WINDOWS\\Desktop\\a.lnk");
}

TEST_F(MachineMacros, EveryFolderOfAnNtMachine) {
    const PathMacros macros = ResolvePathMacros(MediumFolder());
    EXPECT_EQ(macros.Value(Macro::App), "(App)");
    EXPECT_EQ(macros.Value(Macro::Prg), "C:\\Program Files\\");
    EXPECT_EQ(macros.Value(Macro::Win), "C:\\WINDOWS\\");
    EXPECT_EQ(macros.Value(Macro::Sys), "C:\\WINDOWS\\SYSTEM32\\");
    EXPECT_EQ(macros.Value(Macro::Tmp), TemporaryFolder());
    EXPECT_EQ(macros.Value(Macro::Boo), "C:\\");
    EXPECT_EQ(macros.Value(Macro::Set), "");
    EXPECT_EQ(macros.Value(Macro::Edr), "Z:\\");
    EXPECT_EQ(macros.Value(Macro::Smn), "C:\\WINDOWS\\Start Menu\\");
    EXPECT_EQ(macros.Value(Macro::Sta), "C:\\WINDOWS\\Start Menu\\Programs\\");
    EXPECT_EQ(macros.Value(Macro::Dsk), "C:\\WINDOWS\\Desktop\\");
    EXPECT_EQ(macros.Value(Macro::Sup), "C:\\WINDOWS\\Start Menu\\Programs\\StartUp\\");
    EXPECT_EQ(macros.Value(Macro::Sen), "C:\\WINDOWS\\SendTo\\");
    EXPECT_EQ(macros.Value(Macro::CSmn), "C:\\WINDOWS\\All Users\\Start Menu\\");
    EXPECT_EQ(macros.Value(Macro::CSta), "C:\\WINDOWS\\All Users\\Start Menu\\Programs\\");
    EXPECT_EQ(macros.Value(Macro::CDsk), "C:\\WINDOWS\\All Users\\Desktop\\");
    EXPECT_EQ(macros.Value(Macro::CSup), "C:\\WINDOWS\\All Users\\Start Menu\\Programs\\StartUp\\");
    EXPECT_EQ(ExpandPathMacros("(C_DSK)(dsk)", macros),
              "C:\\WINDOWS\\All Users\\Desktop\\C:\\WINDOWS\\Desktop\\");
}

TEST_F(MachineMacros, ProgramFilesFromTheRegistryOnlyWhenTheFolderExists) {
    auto registry = platform::Registry::OpenMachine();
    ASSERT_TRUE(registry) << registry.Error();
    auto key = registry.Value().CreateKey(platform::RegistryRoot::LocalMachine,
                                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    ASSERT_TRUE(key) << key.Error();
    ASSERT_TRUE(
        key.Value().WriteValue("ProgramFilesDir", platform::RegistryValue::Sz("C:\\Programme")));
    EXPECT_EQ(ResolvePathMacros(MediumFolder()).Value(Macro::Prg), "C:\\Program Files\\");
    std::filesystem::create_directories(Host("C:\\Programme"));
    EXPECT_EQ(ResolvePathMacros(MediumFolder()).Value(Macro::Prg), "C:\\Programme\\");
}

} // namespace
