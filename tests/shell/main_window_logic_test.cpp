// The main window's decisions that need no window: the menu table, the command guard, the
// start folder, section Display and the popup items of the external programs.

#include "platform/codepage.h"
#include "shell/command_guard.h"
#include "shell/display_state.h"
#include "shell/external_programs.h"
#include "shell/main_menu.h"
#include "shell/start_folder.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/machine_sandbox.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace shell;

namespace {

namespace fs = std::filesystem;

std::map<std::string_view, const MenuItem*> ItemsByComponent() {
    std::map<std::string_view, const MenuItem*> items;
    for (const Menu& menu : MainMenus()) {
        for (const MenuItem& item : menu.items) {
            EXPECT_TRUE(items.emplace(item.component, &item).second)
                << "component " << item.component << " twice";
        }
    }
    return items;
}

TEST(MainMenus, NameEachItemOnceAndEachCommandOnce) {
    const auto items = ItemsByComponent();
    EXPECT_EQ(items.size(), 39u);
    std::set<MenuCommand> commands;
    for (const auto& [component, item] : items) {
        if (item->command) {
            EXPECT_TRUE(commands.insert(*item->command).second) << component;
            EXPECT_EQ(&MenuItemOf(*item->command), item);
        }
    }
    EXPECT_EQ(commands.size(), static_cast<std::size_t>(MenuCommand::About) + 1);
}

TEST(MainMenus, CarryTheCaptionsShortcutsAndHiddenStates) {
    std::vector<std::string_view> menus;
    for (const Menu& menu : MainMenus()) {
        menus.push_back(menu.caption);
    }
    EXPECT_EQ(menus, (std::vector<std::string_view>{"ファイル(&F)", "編集(&E)", "表示(&D)",
                                                    "ツール(&T)", "オプション(&O)", "ヘルプ(&H)"}));
    const auto items = ItemsByComponent();
    std::map<std::string_view, std::string_view> shortcuts;
    std::set<std::string_view> hidden;
    for (const auto& [component, item] : items) {
        if (!item->shortcut.empty()) {
            shortcuts.emplace(component, item->shortcut);
        }
        if (item->hidden) {
            hidden.insert(component);
        }
    }
    EXPECT_EQ(shortcuts,
              (std::map<std::string_view, std::string_view>{{"mnFileDelete", "Del"},
                                                            {"mnFileDelete2", "Shift+Del"},
                                                            {"mnSelectAll", "Ctrl+A"},
                                                            {"mnRefresh", "F5"},
                                                            {"mnContents", "F1"}}));
    EXPECT_EQ(hidden, (std::set<std::string_view>{
                          "mnFolder1", "mnFolder2", "mnFolder3", "mnFolder4", "mnFolder5",
                          "mnFolder6", "mnFolder7", "mnFolder8", "mnFolder9", "mnFileDelete2"}));
    EXPECT_EQ(items.at("mnFileDelete2")->caption, "ファイル削除2...");
    EXPECT_EQ(items.at("mnDeledeExif")->caption, "Exif情報削除(&D)...");
    EXPECT_EQ(items.at("mnPrezen")->caption, "プレゼンテーション用ファイル作成(&P)...");
    EXPECT_EQ(items.at("mnFolder7")->caption, "&7");
    EXPECT_FALSE(items.at("mnFolder7")->command);
    EXPECT_TRUE(items.at("mnDispThumb")->viewMode);
    EXPECT_TRUE(items.at("mnDispList")->viewMode);
}

TEST(MainMenus, AskFolderAndSelectionOfFileCommandsAndOnlyAFolderOfTheSlideShow) {
    using enum MenuCommand;
    for (const MenuCommand command :
         {FileCopy, FileMove, FileRename, FileDelete, FileDelete2, CopyExif, DeleteExif, AddExif,
          AddThumb, RotateRight, RotateLeft, AutoRotate, EditTitle, EditComment, UpdateDate, Html,
          CsvOut, Prezen, Preview}) {
        EXPECT_EQ(MenuItemOf(command).need, GuardNeed::FolderAndSelection)
            << MenuItemOf(command).component;
    }
    EXPECT_EQ(MenuItemOf(Slide).need, GuardNeed::Folder);
    for (const MenuCommand command :
         {Exit, SelectAll, RevSelect, DispThumb, DispList, Refresh, Exec, Setup, Contents, About}) {
        EXPECT_EQ(MenuItemOf(command).need, GuardNeed::Nothing) << MenuItemOf(command).component;
    }
}

class RecordingPrompt : public GuardPrompt {
public:
    void Show(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

TEST(CommandGuard, AsksForTheFolderFirstThenForTheSelection) {
    RecordingPrompt prompt;
    EXPECT_FALSE(PassGuard(GuardNeed::FolderAndSelection, false, false, prompt));
    EXPECT_FALSE(PassGuard(GuardNeed::FolderAndSelection, false, true, prompt));
    EXPECT_FALSE(PassGuard(GuardNeed::FolderAndSelection, true, false, prompt));
    EXPECT_TRUE(PassGuard(GuardNeed::FolderAndSelection, true, true, prompt));
    EXPECT_FALSE(PassGuard(GuardNeed::Folder, false, true, prompt));
    EXPECT_TRUE(PassGuard(GuardNeed::Folder, true, false, prompt));
    EXPECT_TRUE(PassGuard(GuardNeed::Nothing, false, false, prompt));
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"対象フォルダを指定してください",
                                                         "対象フォルダを指定してください",
                                                         "対象ファイルを選択してください",
                                                         "対象フォルダを指定してください"}));
}

TEST(StartFolder, IsTheLastFolderOrTheHomeFolderWhenItIsAnExistingFolder) {
    fixture::Sandbox sandbox;
    const fs::path last = sandbox.Path() / "last";
    const fs::path home = sandbox.Path() / "home";
    fs::create_directories(last);
    fs::create_directories(home);
    EXPECT_EQ(StartFolder(true, last, home), last);
    EXPECT_EQ(StartFolder(false, last, home), home);

    EXPECT_EQ(SelectableFolder(home), home);
    EXPECT_EQ(SelectableFolder(home.string() + "/"), home);
    EXPECT_EQ(SelectableFolder(last / ".." / "home" / "."), home);
    EXPECT_EQ(SelectableFolder("/"), fs::path("/"));
    EXPECT_EQ(SelectableFolder(sandbox.Path() / "gone"), fs::path());
    EXPECT_EQ(SelectableFolder(""), fs::path());
    EXPECT_EQ(SelectableFolder("relative"), fs::path());
    fixture::WriteFile(sandbox.Path() / "file.jpg", std::vector<std::uint8_t>{1});
    EXPECT_EQ(SelectableFolder(sandbox.Path() / "file.jpg"), fs::path());
}

TEST(DisplayState, StartsAsDesignedAndRoundTripsAJapaneseFolder) {
    fixture::MachineSandbox machine;
    SettingsStore store = SettingsStore::OpenMachine();
    EXPECT_EQ(ReadDisplayState(store), (DisplayState{145, 192, false, true, {}}));

    const DisplayState state{210, 300, true, false, fs::path("/home/user/写真")};
    ASSERT_TRUE(WriteDisplayState(store, state).Ok());
    EXPECT_EQ(store.StoredText("Display", "List"), "1");
    EXPECT_EQ(store.StoredText("Display", "Thumb"), "0");
    EXPECT_EQ(store.StoredText("Display", "LeftW"), "210");
    EXPECT_EQ(store.StoredText("Display", "CurDirectory"),
              platform::Utf8ToCp932("/home/user/写真"));
    EXPECT_EQ(ReadDisplayState(SettingsStore::OpenMachine()), state);
}

TEST(ExternalProgramItems, AreTheTitledEntriesCaptionedWithTheirLetter) {
    ExecTable table;
    EXPECT_TRUE(ExternalProgramItems(table).empty());
    table[2].title = "Viewer";
    table[25].title = platform::Utf8ToCp932("画像編集");
    table[3].program = "untitled.exe";
    EXPECT_EQ(ExternalProgramItems(table),
              (std::vector<ExternalProgramItem>{{'C', "&C Viewer"},
                                                {'Z', "&Z " + platform::Utf8ToCp932("画像編集")}}));
}

} // namespace
