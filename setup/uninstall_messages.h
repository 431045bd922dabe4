#pragma once

// The uninstaller's texts, written once in UTF-8 (Cp932Text converts them). "\r" separates the
// lines of a message box.

#include <string_view>

namespace setup::text {

inline constexpr std::string_view kUninstalling =
    "アンセットアップ(アンインストール)を行っています．．．";
inline constexpr std::string_view kUnknownFolder =
    "アンセットアップ(アンインストール)フォルダが不明です．\r\nアンセットアップ(アンインストール)"
    "は続行できません．";

// Questions before a file is deleted.
inline constexpr std::string_view kDeleteFileTitle = "ファイル削除の確認";
inline constexpr std::string_view kDeleteCommonFile =
    "\r\rこのファイルを削除してもよろしいですか？\r\r<<　注意　>>\rDLL/OCXなどは他のプログラムでも"
    "使用される可能性があります．\r確実に使用されないことがわかっている場合のみ削除してください．";
inline constexpr std::string_view kDeleteUnsharedServer =
    "\r\rこのDLL/OCXファイルは，共有登録されていませんが，\r今後，他のプログラムで使われる可能性が"
    "あります．\rこのファイルを削除してもよろしいですか？";
inline constexpr std::string_view kDeleteSharedFile =
    "\r\rこの共有ファイルは，現在，他のどのプログラムからも使われていません．\rしかし，今後，他の"
    "プログラムで使われる可能性があります．\rこのファイルを削除してもよろしいですか？";

// The install folder that could not be removed.
inline constexpr std::string_view kSetupFolderDeleteAllFailed =
    "全ファイル・フォルダの削除を試みましたが，エラーが発生したため，";
inline constexpr std::string_view kSetupFolderFilesLeft = "フォルダにファイルが残っているため，";
inline constexpr std::string_view kSetupFolderNotDeleted =
    "セットアップフォルダを削除できませんでした．エクスプローラなどから，直接削除してください．";

// Log entries that are not carried out, and why.
inline constexpr std::string_view kProtectedFolder =
    "マシンのフォルダ（Windows・System・Program Files・スタートメニューなど）・ドライブのルート・"
    "ホームフォルダ・セットアップフォルダ，またはそれを含むフォルダのため，削除しませんでした．";
inline constexpr std::string_view kMachineFile =
    "レジストリの保存ファイル，またはすべてのセットアップが共有するファイルのため，削除しませんで"
    "した．";
inline constexpr std::string_view kOutsideInstallFolder =
    "セットアップフォルダの外にあり，セットアップが作成する種類のファイル・フォルダでもないため，"
    "削除しませんでした．";
inline constexpr std::string_view kPatternOutside =
    "ワイルドカードはセットアップフォルダの中でだけ使えるため，削除しませんでした．";
inline constexpr std::string_view kDeleteAllRefused =
    "記録されたセットアップフォルダでないか，Program Filesフォルダの下にないため，全ファイル・"
    "フォルダの削除は行いませんでした．";
inline constexpr std::string_view kChangedFile =
    "セットアップがコピーしたときのファイルではない（後から変更された，または元からあった）ため，"
    "削除しませんでした．";
inline constexpr std::string_view kNotUninstallKey =
    "アンインストール情報のキーではないため，削除しませんでした．";

// The end of the uninstall.
inline constexpr std::string_view kUninstallSomeFailed = "一部の処理に失敗しました．";
inline constexpr std::string_view kUninstallShowFailures =
    "アンセットアップ(アンインストール)の過程で，一部の処理が失敗しました．\r詳細を表示しますか？";
inline constexpr std::string_view kUninstallFailuresFrame = "削除処理失敗　詳細表示";
inline constexpr std::string_view kUninstallCompleted = "アンセットアップを完了しました．";

} // namespace setup::text
