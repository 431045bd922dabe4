#pragma once

// The texts of the installer's windows, written once in UTF-8: captions of the main window in
// both modes, the welcome texts, the questions the windows ask themselves, the restart request.

#include <string_view>

namespace setup::text {

// The program and its background window.
inline constexpr std::string_view kApplicationTitle = "Orvik! Setup 98 Standard";
inline constexpr std::string_view kBackgroundCaption = "Orvik! Setup 98 Standard Version";
inline constexpr std::string_view kMakersNotice = "Copyright (C) Hestrom";

// Main window, as designed and in SETUP mode.
inline constexpr std::string_view kFolderFrame = "セットアップフォルダ";
inline constexpr std::string_view kReferButton = "参照(&R)";
inline constexpr std::string_view kBrowseFolderTitle = "セットアップフォルダを選択してください．";
inline constexpr std::string_view kOptionFrame = "セットアップオプション";
inline constexpr std::string_view kOverwriteBox =
    "自動的に上書きする（同名ファイルが存在した場合は，最新ファイルをコピーします）．";
inline constexpr std::string_view kShortcutFrame = "ショートカットの作成";
inline constexpr std::string_view kDesktopBox = "デスクトップ";
inline constexpr std::string_view kStartMenuBox = "スタートメニュー";
inline constexpr std::string_view kStartupBox = "スタートアップ";
inline constexpr std::string_view kSendToBox = "送る";
inline constexpr std::string_view kStartButton = "セットアップ開始(&S)";
inline constexpr std::string_view kGoOnButton = "セットアップ続行(&C)";
inline constexpr std::string_view kEndButton = "セットアップ終了(&E)";
inline constexpr std::string_view kEndOnlyButton = "終了(&E)";
inline constexpr std::string_view kContinueButton = "続行(&C)";
inline constexpr std::string_view kDefaultWelcome = "セットアップを行います．";
inline constexpr std::string_view kCloseProgramsNote =
    "※　処理を開始する前に，必ずすべてのプログラムを終了させてください．";

// Main window in UNSETUP mode.
inline constexpr std::string_view kUninstallWelcome =
    "アンセットアップ(アンインストール)を行います．\r\r開始するには，「アンセットアップ開始(S)」"
    "を選択してください．\r";
inline constexpr std::string_view kUninstallFolderFrame =
    "アンセットアップ(アンインストール)フォルダ";
inline constexpr std::string_view kUninstallStartButton = "アンセットアップ開始(&S)";
inline constexpr std::string_view kUninstallEndButton = "アンセットアップ終了(&E)";
inline constexpr std::string_view kUninstallOptionFrame =
    "アンセットアップ(アンインストール)オプション";
inline constexpr std::string_view kUninstallBoxFrame = "ファイルの追加削除";
inline constexpr std::string_view kUninstallInfo =
    "　アンセットアップ(アンインストール)フォルダの中で，コピーされたファイル以外に追加削除する"
    "ファイルをチェック(選択)してください．";

// The close question.
inline constexpr std::string_view kCloseQuestion =
    "セットアップ・アンセットアップは終了していません．\r終了してもよろしいですか？";
inline constexpr std::string_view kCloseTitle = "終了確認";

// Status window.
inline constexpr std::string_view kStatusCaption = "進行状況";
inline constexpr std::string_view kStatusStart = "0%(0/0)";
inline constexpr std::string_view kAbortButton = "中断(&A)";
inline constexpr std::string_view kAbortQuestion =
    "ここでセットアップを中断すると，すでにコピー済みのファイルは削除されません．\r一度，セット"
    "アップを完了してから，アンセットアップ(アンインストール)することをおすすめします．\r\r本当に"
    "セットアップを中断しますか？";
inline constexpr std::string_view kAbortTitle = "中断の確認";
inline constexpr std::string_view kAborted = "セットアップを中断しました．";
inline constexpr std::string_view kAbortedTitle = "中断";

// Shared-file dialog.
inline constexpr std::string_view kSharedFileCaption = "ファイル削除の確認";
inline constexpr std::string_view kSharedYes = "はい(&Y)";
inline constexpr std::string_view kSharedNo = "いいえ(&N)";
inline constexpr std::string_view kSharedDeleteAll = "すべて削除(&D)";
inline constexpr std::string_view kSharedKeepAll = "すべて保存(&A)";

// The restart request at the end of the program. Nothing restarts the machine here: the
// question only tells the user to do it.
inline constexpr std::string_view kRestartQuestion =
    "新しい設定を有効にするには，コンピュータを再起動する必要があります．\r今すぐ再起動しますか？";
inline constexpr std::string_view kRestartTitle = "システム設定の変更";
inline constexpr std::string_view kRestartYourself =
    "このプログラムはコンピュータを再起動しません．\r開いているファイルを保存してから，"
    "コンピュータを再起動してください．";
inline constexpr std::string_view kRestartLater =
    "Windowsを再起動すると，セットアップは完了します．";

} // namespace setup::text
