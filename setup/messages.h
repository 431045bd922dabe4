#pragma once

// The installer's texts, written once in UTF-8. Engine text is CP932: Cp932Text converts where a
// text goes into a message, a report line, a file or the registry. "\r" separates the lines of a
// message box as on the platform.

#include "platform/codepage.h"

#include <string>
#include <string_view>

namespace setup {

[[nodiscard]] inline std::string Cp932Text(std::string_view utf8) {
    return platform::Utf8ToCp932(utf8);
}

namespace text {

// Start-up errors, each line followed by "\r".
inline constexpr std::string_view kNoWindowsFolder = "【致命的エラー  →  Windowsフォルダ取得失敗】";
inline constexpr std::string_view kNoSystemFolder =
    "【致命的エラー  →  WindowsSystemフォルダ取得失敗】";
inline constexpr std::string_view kNoScript = "【致命的エラー  →  iniファイル読み込み失敗】";
inline constexpr std::string_view kCannotGoOn =
    "セットアップ・アンセットアップ(アンインストール)は続行できません．";

// Script defaults.
inline constexpr std::string_view kDefaultTitle = "Orvik! Setup 98";

// Status messages of the install.
inline constexpr std::string_view kStarting = "セットアップを開始します．．．";
inline constexpr std::string_view kPreparing = "セットアップの情報を作成しています．．．";
inline constexpr std::string_view kMeasuring = "セットアップに必要な容量を調べています．．．";
inline constexpr std::string_view kCheckingSpace = "ディスクの空き容量をチェックしています．．．";
inline constexpr std::string_view kCheckingFolder =
    "セットアップフォルダをチェックしています．．．";
inline constexpr std::string_view kCreatingFolder = "フォルダを作成しています．．．\rCreating -> ";
inline constexpr std::string_view kSkippingFile =
    "ファイルが存在しないためコピーをスキップしています．．．\rSkipping -> ";
inline constexpr std::string_view kCopyingFile = "ファイルをコピーしています．．．\rCopying -> ";
inline constexpr std::string_view kCreatingShortcut =
    "ショートカットを作成しています．．．\rCreateTarget -> ";
inline constexpr std::string_view kCreatingShortcutLink = "Creating -> ";
inline constexpr std::string_view kSettingRegistry = "レジストリを設定しています．．．";
inline constexpr std::string_view kSettingIniFile = "Iniファイルを設定しています．．．";
inline constexpr std::string_view kSettingAssociation = "関連付けを設定しています．．．";
inline constexpr std::string_view kUpdatingUninstall =
    "アンセットアップ情報を更新しています．しばらくお待ちください．．．";
inline constexpr std::string_view kSomeFailed = "セットアップで一部の処理が失敗しました．";
inline constexpr std::string_view kCompleted = "セットアップが完了しました．";
inline constexpr std::string_view kUninstallHint =
    "\r\rプログラムのアンセットアップ(アンインストール)"
    "は，\r「アプリケーションの追加と削除」から行って"
    "ください．";

// Message boxes of the install: text and title.
inline constexpr std::string_view kSpaceShort =
    "ディスクの空き容量が不足しているため，エラーになる可能性があります．\rこのままセットアップを"
    "続行しますか？";
inline constexpr std::string_view kSpaceUnknownBefore =
    "ディスクの空き容量取得関数が失敗しました．\rセットアップに必要なディスク容量は ";
inline constexpr std::string_view kSpaceUnknownAfter =
    " Byteです．\r空き容量があるようであれば，セットアップを続行してください．\r\rセットアップを"
    "続行しますか？";
inline constexpr std::string_view kSpaceShortTitle = "空き容量不足";
inline constexpr std::string_view kCannotContinue = "セットアップを続行できませんでした．";
inline constexpr std::string_view kSetupStoppedTitle = "セットアップ中止";
inline constexpr std::string_view kCreateFolderQuestion =
    "このフォルダは存在しません．作成してもよろしいですか？\r\r";
inline constexpr std::string_view kCreateFolderTitle = "フォルダ作成";
inline constexpr std::string_view kFolderCreateFailed =
    "セットアップフォルダの作成に失敗しました．\r\rプログラム作者へご報告ください．";
inline constexpr std::string_view kFatalTitle = "致命的エラー";
inline constexpr std::string_view kChangeDisk = "枚目のディスクに交換してください．";
inline constexpr std::string_view kChangeDiskTitle = "ディスク交換";
inline constexpr std::string_view kOverwriteQuestion =
    "\r\rこのファイルは既に存在します．\r上書きしてもよろしいですか？";
inline constexpr std::string_view kOverwriteTitle = "上書き確認";
inline constexpr std::string_view kSizeLost =
    "ファイルサイズの取得に失敗したため，進行状況の表示方法を変更します．";
inline constexpr std::string_view kInternalErrorTitle = "内部エラー";
inline constexpr std::string_view kShowFailures =
    "フォルダの作成・ファイルのコピーで，一部の処理が失敗しました．\r詳細を表示しますか？";
inline constexpr std::string_view kWarningTitle = "警告";
inline constexpr std::string_view kFailuresFrame = "作成・コピー処理失敗　詳細表示";
inline constexpr std::string_view kCompletedTitle = "完了";
inline constexpr std::string_view kExecuteFailed =
    "終了後プログラムの起動に失敗しました．\riniファイルの記述ミスの可能性があります．\r"
    "プログラム提供者へご報告ください．";
inline constexpr std::string_view kAssociateBefore = "拡張子 *.";
inline constexpr std::string_view kAssociateMiddle = " を\r";
inline constexpr std::string_view kAssociateAfter = "\rに関連付けします．よろしいですか？";
inline constexpr std::string_view kAssociateTitle = "関連付けの確認";

// Component server registration.
inline constexpr std::string_view kLoadFailed = "の読み込みに失敗しました．";
inline constexpr std::string_view kLoadFailedTitle = "OCX/DLL登録エラー(LoadLibrary)";
inline constexpr std::string_view kEntryMissing = "のDllRegisterServerエントリが見つかりません．";
inline constexpr std::string_view kEntryMissingTitle = "OCX/DLL登録エラー(GetProcAddress)";
inline constexpr std::string_view kRegisterFailed = "のDllRegisterServer関数が失敗しました．";
inline constexpr std::string_view kRegisterFailedTitle = "OCX/DLL登録エラー(Procedure)";

// Error report.
inline constexpr std::string_view kSourceMissing = "コピー元のファイルが見つかりません．";
inline constexpr std::string_view kSourceOffMedium =
    "コピー元のファイルがセットアップ媒体のフォルダの外にあるため，コピーしませんでした．";

// The warning at the head of every uninstall log.
inline constexpr std::string_view kLogMessage1 =
    "Orvik! Setup 98 UnSetup(UnInstall) Initialize File";
inline constexpr std::string_view kLogMessage2 = "！！！　警告　！！！";
inline constexpr std::string_view kLogMessage3 =
    "このファイルをエディタなどで書き換えたり，削除しないでください．";
inline constexpr std::string_view kLogMessage4 =
    "書き換えた場合，アンセットアップ動作の保証はできません．";

} // namespace text
} // namespace setup
