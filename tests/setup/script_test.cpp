#include "platform/registry.h"
#include "setup/folder_proposal.h"
#include "setup/install_options.h"
#include "setup/macro_folders.h"
#include "setup/script.h"
#include "tests/setup/setup_fixture.h"

using namespace setup;
using setup_test::Sjis;

namespace {

class Script : public setup_test::MachineTest {
protected:
    SetupScript Load(std::string_view utf8Lines) {
        WriteScript(utf8Lines);
        return LoadSetupScript(MediumFolder() + "SETUP.INI");
    }
};

TEST_F(Script, AnEmptyScriptHasEveryDefault) {
    const SetupScript script = Load("");
    EXPECT_EQ(script.title.setup, "Orvik! Setup 98");
    EXPECT_EQ(script.title.unSetup, "Orvik! Setup 98");
    EXPECT_EQ(script.title.unSetupKey, "Orvik! Setup 98");
    EXPECT_EQ(script.title.unSetupDisplay, "Orvik! Setup 98");
    EXPECT_FALSE(script.title.SetupOnly());
    EXPECT_EQ(script.extend.setupSpeed, 400);
    EXPECT_TRUE(script.extend.optionsEnabled);
    EXPECT_EQ(script.extend.unSetupOption, "0,0,0,0");
    EXPECT_EQ(script.defaultFolder.folder, "(Prg)\\");
    EXPECT_EQ(script.defaultFolder.referRegistry, "");
    EXPECT_EQ(script.defaultFolder.referIniFile, "");
    EXPECT_EQ(script.programId, "");
    for (const std::string& line : script.topMessages) {
        EXPECT_EQ(line, "");
    }
    EXPECT_EQ(script.readme.file, "");
    EXPECT_EQ(script.readme.title, "");
    EXPECT_EQ(script.readme.scrollBars, "ssVertical");
    EXPECT_TRUE(script.makeFolders.empty());
    EXPECT_TRUE(script.copyFiles.empty());
    EXPECT_TRUE(script.shortcuts.empty());
    EXPECT_TRUE(script.registry.empty());
    EXPECT_TRUE(script.iniFiles.empty());
    EXPECT_TRUE(script.relate.empty());
    EXPECT_TRUE(script.deleteRegistry.empty());
    EXPECT_TRUE(script.addDeleteFiles.empty());
    EXPECT_EQ(script.executeFile.kind, ExecuteFileEntry::Kind::None);
}

TEST_F(Script, TitlesDefaultToTheOneBeforeThem) {
    const SetupScript script = Load("[title]\nsetup=ラムダ\nUnSetupKey=Key\n[Extend]\n"
                                    "Enabled=false\nUnSetupOption=DeleteAll\n");
    EXPECT_EQ(script.title.setup, Sjis("ラムダ"));
    EXPECT_EQ(script.title.unSetup, Sjis("ラムダ"));
    EXPECT_EQ(script.title.unSetupKey, "Key");
    EXPECT_EQ(script.title.unSetupDisplay, "Key");
    EXPECT_TRUE(script.extend.optionsEnabled); // only "False" exactly locks the options
    EXPECT_EQ(script.extend.unSetupOption, "DeleteAll");
    EXPECT_FALSE(Load("[Extend]\nEnabled=False\n").extend.optionsEnabled);
    EXPECT_TRUE(Load("[Title]\nUnSetup=x setup only. y\n").title.SetupOnly());
}

TEST_F(Script, SetupSpeedIsAtLeastOneAndDefaultsWhenNotANumber) {
    EXPECT_EQ(Load("[Extend]\nSetupSpeed=0\n").extend.setupSpeed, 1);
    EXPECT_EQ(Load("[Extend]\nSetupSpeed=-5\n").extend.setupSpeed, 1);
    EXPECT_EQ(Load("[Extend]\nSetupSpeed=25\n").extend.setupSpeed, 25);
    EXPECT_EQ(Load("[Extend]\nSetupSpeed=fast\n").extend.setupSpeed, 400);
    EXPECT_EQ(Load("[Extend]\nSetupSpeed=12ms\n").extend.setupSpeed, 400);
    EXPECT_EQ(Load("[Extend]\nSetupSpeed=99999999999\n").extend.setupSpeed, 400);
}

TEST_F(Script, NumberedListsStopAtTheFirstGapButRelateReadsAllTwenty) {
    const SetupScript script = Load("[CopyFile]\nFile1=(App)\\a.exe\nFile3=(App)\\c.exe\n"
                                    "[Relate]\nName3=abc\nFile3=open,(App)\\a.exe,\"%1\",0\n"
                                    "Name5=def,Def Data\nName20=xyz\nFile20=open,x.exe,1\n"
                                    "Name21=zzz\nFile21=open,z.exe,0\n");
    ASSERT_EQ(script.copyFiles.size(), 1u);
    EXPECT_EQ(script.copyFiles[0].path, "(App)\\a.exe");
    ASSERT_EQ(script.relate.size(), 2u);
    EXPECT_EQ(script.relate[0].number, 3);
    EXPECT_EQ(script.relate[0].extension, "abc");
    EXPECT_EQ(script.relate[0].description, "abc File");
    EXPECT_EQ(script.relate[0].verb, "open");
    EXPECT_EQ(script.relate[0].program, "(App)\\a.exe");
    EXPECT_EQ(script.relate[0].arguments, std::vector<std::string>{"\"%1\""});
    EXPECT_EQ(script.relate[0].iconIndex, "0");
    EXPECT_EQ(script.relate[1].number, 20);
    EXPECT_EQ(script.relate[1].iconIndex, "1");
    EXPECT_TRUE(script.relate[1].arguments.empty());
}

TEST(ScriptEntries, CopyFileEntriesSplitIntoTheirParts) {
    const CopyFileEntry plain = ParseCopyFileEntry("(App)\\bin\\a.exe");
    EXPECT_FALSE(plain.diskChange);
    EXPECT_EQ(plain.path, "(App)\\bin\\a.exe");
    EXPECT_FALSE(plain.renamed);
    EXPECT_EQ(plain.options, "");

    const CopyFileEntry full = ParseCopyFileEntry("(Dch)(Sys)\\grid.oc_|GRID.OCX,/s/R/C");
    EXPECT_TRUE(full.diskChange);
    EXPECT_EQ(full.path, "(Sys)\\grid.oc_");
    EXPECT_TRUE(full.renamed);
    EXPECT_EQ(full.newName, "GRID.OCX");
    EXPECT_EQ(full.options, ",/s/R/C");
    EXPECT_TRUE(full.HasOption("/S"));
    EXPECT_TRUE(full.HasOption("/R"));
    EXPECT_FALSE(full.HasOption("/W"));

    // "(Dch)" counts only where the entry starts; anywhere else it is part of the name.
    EXPECT_FALSE(ParseCopyFileEntry("(App)(Dch)x").diskChange);
    EXPECT_FALSE(ParseCopyFileEntry("(dch)(App)x").diskChange);
}

TEST(ScriptEntries, ShortcutRegistryIniAndExecuteEntries) {
    const ShortcutEntry bare = ParseShortcutEntry("(App)\\a.exe,/x", "");
    EXPECT_EQ(bare.target, "(App)\\a.exe");
    EXPECT_EQ(bare.arguments, "/x");
    EXPECT_EQ(bare.link, "Default");
    EXPECT_EQ(bare.workFolder, "");
    const ShortcutEntry named = ParseShortcutEntry("(App)\\a.exe", "(Dsk)\\A,(App)");
    EXPECT_EQ(named.link, "(Dsk)\\A");
    EXPECT_EQ(named.workFolder, "(App)");

    const RegistryEntry value =
        ParseRegistryEntry("(Local)\\Software\\X\\", "Path", "(Str)(pdd)(App)");
    EXPECT_EQ(value.key.root, platform::RegistryRoot::LocalMachine);
    EXPECT_EQ(value.key.path, "Software\\X");
    EXPECT_EQ(value.valueName, "Path");
    EXPECT_EQ(value.value, "(Str)(App)");
    EXPECT_TRUE(value.dropTrailingDelimiter);

    const IniFileEntry ini = ParseIniFileEntry("Sec,Key,(App),(Win)a,b.ini");
    EXPECT_EQ(ini.section, "Sec");
    EXPECT_EQ(ini.key, "Key");
    EXPECT_EQ(ini.value, "(App)");
    EXPECT_EQ(ini.file, "(Win)a,b.ini");

    EXPECT_EQ(ParseExecuteFileEntry("WINDOWS_REBOOT").kind, ExecuteFileEntry::Kind::Restart);
    EXPECT_EQ(ParseExecuteFileEntry("windows_reboot").kind, ExecuteFileEntry::Kind::Program);
    const ExecuteFileEntry program = ParseExecuteFileEntry("(App)\\a.exe,/s /t");
    EXPECT_EQ(program.program, "(App)\\a.exe");
    EXPECT_EQ(program.parameters, "/s /t");
}

TEST(RootedKey, RootTokenOnlyWhenItLooksLikeOne) {
    auto key = ParseRootedKey("(Class)\\.abc\\");
    EXPECT_EQ(key.root, platform::RegistryRoot::ClassesRoot);
    EXPECT_EQ(key.path, ".abc");
    key = ParseRootedKey("(Users)x");
    EXPECT_EQ(key.root, platform::RegistryRoot::Users);
    EXPECT_EQ(key.path, "x");
    key = ParseRootedKey("Software\\A");
    EXPECT_EQ(key.root, platform::RegistryRoot::CurrentUser);
    EXPECT_EQ(key.path, "Software\\A");
    key = ParseRootedKey("(Other)\\Software");
    EXPECT_EQ(key.root, platform::RegistryRoot::CurrentUser);
    EXPECT_EQ(key.path, "Software");
    key = ParseRootedKey("ABCDEF)Soft"); // a seventh ")" makes a token too
    EXPECT_EQ(key.root, platform::RegistryRoot::CurrentUser);
    EXPECT_EQ(key.path, "Soft");
}

TEST(InstallOptions, ShortcutBoxesFollowTheNamesOfTheScript) {
    SetupScript script;
    script.shortcuts = {ParseShortcutEntry("a", "(C_Dsk)\\A"), ParseShortcutEntry("b", ""),
                        ParseShortcutEntry("c", "(App)\\C")};
    const InstallOptions options = DefaultInstallOptions(script);
    EXPECT_TRUE(options.overwrite);
    EXPECT_TRUE(options.desktop);
    EXPECT_TRUE(options.startMenu);
    EXPECT_FALSE(options.startup);
    EXPECT_FALSE(options.sendTo);
    EXPECT_EQ(PlaceOfShortcut("(sup)\\x"), ShortcutPlace::Startup);
    EXPECT_EQ(PlaceOfShortcut("(C_Sta)\\x"), ShortcutPlace::StartMenu);
    EXPECT_EQ(PlaceOfShortcut("(Sen)x"), ShortcutPlace::SendTo);
    EXPECT_EQ(PlaceOfShortcut("default"), ShortcutPlace::Anywhere);
    EXPECT_FALSE(ShortcutSelected("(Sup)x", options));
    EXPECT_TRUE(ShortcutSelected("(App)x", options));
}

TEST_F(Script, TheFolderProposalTakesEachLaterSourceThatGivesAFolder) {
    const PathMacros macros = ResolvePathMacros(MediumFolder());
    EXPECT_EQ(ProposeInstallFolder(Load(""), macros), "C:\\Program Files\\");
    EXPECT_EQ(ProposeInstallFolder(Load("[DefaultFolder]\nFolder=(prg)\\Hestrom"), macros),
              "C:\\Program Files\\Hestrom\\");

    setup_test::WriteIni(Host("C:\\WINDOWS\\ORSET98.INI"), "[LUMARO]\nFolder=D:\\Old\\\n");
    const std::string id = "[ProgramID]\nID=Lumaro\n[DefaultFolder]\nFolder=(Prg)\\H\n";
    EXPECT_EQ(ProposeInstallFolder(Load(id), macros), "D:\\Old\\");

    auto registry = platform::Registry::OpenMachine();
    ASSERT_TRUE(registry);
    auto key = registry.Value().CreateKey(platform::RegistryRoot::CurrentUser, "Software\\H");
    ASSERT_TRUE(key);
    ASSERT_TRUE(key.Value().WriteValue("Dir", platform::RegistryValue::Sz("E:\\FromReg")));
    const std::string withRegistry = id + "ReferRegistry=\\Software\\H\\,Dir\n";
    EXPECT_EQ(ProposeInstallFolder(Load(withRegistry), macros), "E:\\FromReg\\");
    EXPECT_EQ(ProposeInstallFolder(Load(id + "ReferRegistry=Software\\H,Absent\n"), macros),
              "D:\\Old\\");

    setup_test::WriteIni(Host("C:\\WINDOWS\\OTHER.INI"), "[Paths]\nHome=(Win)Apps\n");
    EXPECT_EQ(ProposeInstallFolder(Load(withRegistry + "ReferIniFile=Paths,Home,(Win)OTHER.INI\n"),
                                   macros),
              "C:\\WINDOWS\\Apps\\");
    EXPECT_EQ(ProposeInstallFolder(
                  Load(withRegistry + "ReferIniFile=Paths,Absent,(Win)OTHER.INI\n"), macros),
              "E:\\FromReg\\");
}

} // namespace
