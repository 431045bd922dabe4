#include "shell/main_menu.h"

#include <array>
#include <stdexcept>

namespace shell {
namespace {

using enum MenuCommand;
constexpr GuardNeed kFiles = GuardNeed::FolderAndSelection;
constexpr GuardNeed kFolder = GuardNeed::Folder;
constexpr GuardNeed kNone = GuardNeed::Nothing;

// The recent-folder items exist in the menu but are never shown or filled.
constexpr MenuItem RecentFolder(std::string_view component, std::string_view caption,
                                bool separatorBefore = false) {
    return {component, caption, "", std::nullopt, kNone, true, false, separatorBefore};
}

constexpr std::array kFileItems{
    MenuItem{"mnFileCopy", "ファイルコピー(&C)...", "", FileCopy, kFiles},
    MenuItem{"mnFileMove", "ファイル移動(&M)...", "", FileMove, kFiles},
    MenuItem{"mnFileDelete", "ファイル削除(&D)...", "Del", FileDelete, kFiles},
    MenuItem{"mnFileRename", "ファイル名自動変名(&N)...", "", FileRename, kFiles},
    MenuItem{"mnHtml", "HTML作成(&H)...", "", Html, kFiles, false, false, true},
    MenuItem{"mnCsvOut", "CSV形式出力(&O)...", "", CsvOut, kFiles},
    MenuItem{"mnPrezen", "プレゼンテーション用ファイル作成(&P)...", "", Prezen, kFiles},
    RecentFolder("mnFolder1", "&1", true),
    RecentFolder("mnFolder2", "&2"),
    RecentFolder("mnFolder3", "&3"),
    RecentFolder("mnFolder4", "&4"),
    RecentFolder("mnFolder5", "&5"),
    RecentFolder("mnFolder6", "&6"),
    RecentFolder("mnFolder7", "&7"),
    RecentFolder("mnFolder8", "&8"),
    RecentFolder("mnFolder9", "&9"),
    MenuItem{"mnExit", "終了(&X)", "", Exit, kNone, false, false, true},
    MenuItem{"mnFileDelete2", "ファイル削除2...", "Shift+Del", FileDelete2, kFiles, true},
};

constexpr std::array kEditItems{
    MenuItem{"mnCopyExif", "Exif情報コピー(&C)...", "", CopyExif, kFiles},
    MenuItem{"mnDeledeExif", "Exif情報削除(&D)...", "", DeleteExif, kFiles},
    MenuItem{"mnAddExif", "Exif情報追加(&A)...", "", AddExif, kFiles},
    MenuItem{"mnAddThumb", "サムネイル作成(&S)...", "", AddThumb, kFiles},
    MenuItem{"mnRotateRight", "右に90°回転", "", RotateRight, kFiles, false, false, true},
    MenuItem{"mnRotateLeft", "左に90°回転", "", RotateLeft, kFiles},
    MenuItem{"mnAutoRotate", "向きを自動補正", "", AutoRotate, kFiles},
    MenuItem{"mnEditTitle", "画像タイトル修正(&T)...", "", EditTitle, kFiles, false, false, true},
    MenuItem{"mnEditComment", "コメント修正(&U)...", "", EditComment, kFiles},
    MenuItem{"mnUpdateDate", "日付修正(&V)...", "", UpdateDate, kFiles},
    MenuItem{"mnSelectAll", "すべて選択", "Ctrl+A", SelectAll, kNone, false, false, true},
    MenuItem{"mnRevSelect", "選択反転", "", RevSelect, kNone},
};

constexpr std::array kDisplayItems{
    MenuItem{"mnDispThumb", "サムネイル表示", "", DispThumb, kNone, false, true},
    MenuItem{"mnDispList", "リスト表示", "", DispList, kNone, false, true},
    MenuItem{"mnRefresh", "最新の情報に更新", "F5", Refresh, kNone, false, false, true},
};

constexpr std::array kToolItems{
    MenuItem{"mnPreview", "プレビュー表示(&P)", "", Preview, kFiles},
    MenuItem{"mnExec", "外部プログラム起動(&E)", "", Exec, kNone},
    MenuItem{"mnSlide", "スライドショー(&S)", "", Slide, kFolder},
};

constexpr std::array kOptionItems{
    MenuItem{"mnSetup", "設定(&S)...", "", Setup, kNone},
};

constexpr std::array kHelpItems{
    MenuItem{"mnContents", "目次(&C)", "F1", Contents, kNone},
    MenuItem{"mnAbout", "バージョン情報(&A)...", "", About, kNone, false, false, true},
};

constexpr std::array kMenus{
    Menu{"ファイル(&F)", kFileItems},     Menu{"編集(&E)", kEditItems},
    Menu{"表示(&D)", kDisplayItems},      Menu{"ツール(&T)", kToolItems},
    Menu{"オプション(&O)", kOptionItems}, Menu{"ヘルプ(&H)", kHelpItems},
};

} // namespace

std::span<const Menu> MainMenus() {
    return kMenus;
}

const MenuItem& MenuItemOf(MenuCommand command) {
    for (const Menu& menu : kMenus) {
        for (const MenuItem& item : menu.items) {
            if (item.command == command) {
                return item;
            }
        }
    }
    throw std::logic_error("a menu command without its menu item");
}

} // namespace shell
