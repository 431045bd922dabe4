#include "platform/system_errors.h"

#include "platform/codepage.h"

#include <cerrno>

namespace platform {

SystemError SystemErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
    case 0:
        return kErrorSuccess;
    case ENOENT:
        return kErrorFileNotFound;
    case ENOTDIR:
        return kErrorPathNotFound;
    case EMFILE:
    case ENFILE:
        return kErrorTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
        return kErrorAccessDenied;
    case ENOMEM:
        return kErrorNotEnoughMemory;
    case EROFS:
        return kErrorWriteProtect;
    case EBUSY:
    case ETXTBSY:
        return kErrorSharingViolation;
    case EEXIST:
        return kErrorAlreadyExists;
    case EINVAL:
        return kErrorInvalidParameter;
    case ENOSPC:
    case EDQUOT:
        return kErrorDiskFull;
    case EILSEQ:
        return kErrorInvalidName;
    case ENOTEMPTY:
        return kErrorDirNotEmpty;
    case ENAMETOOLONG:
        return kErrorFilenameTooLong;
    default:
        return kErrorGenFailure;
    }
}

SystemError SystemErrorFrom(const std::error_code& error) {
    if (!error) {
        return kErrorSuccess;
    }
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        return SystemErrorFromErrno(error.value());
    }
    return kErrorGenFailure;
}

std::string SystemErrorMessage(SystemError code) {
    const char* utf8 = nullptr;
    switch (code) {
    case kErrorSuccess:
        utf8 = "この操作を正しく終了しました。";
        break;
    case kErrorFileNotFound:
        utf8 = "指定されたファイルが見つかりません。";
        break;
    case kErrorPathNotFound:
        utf8 = "指定されたパスが見つかりません。";
        break;
    case kErrorTooManyOpenFiles:
        utf8 = "ファイルを開くことができません。";
        break;
    case kErrorAccessDenied:
        utf8 = "アクセスが拒否されました。";
        break;
    case kErrorNotEnoughMemory:
        utf8 = "このコマンドを実行するのに十分な記憶域がありません。";
        break;
    case kErrorWriteProtect:
        utf8 = "メディアは書き込み禁止になっています。";
        break;
    case kErrorGenFailure:
        utf8 = "システムに接続されたデバイスが機能していません。";
        break;
    case kErrorSharingViolation:
        utf8 = "プロセスはファイルにアクセスできません。別のプロセスが使用中です。";
        break;
    case kErrorFileExists:
        utf8 = "ファイルが存在します。";
        break;
    case kErrorInvalidParameter:
        utf8 = "パラメータが間違っています。";
        break;
    case kErrorDiskFull:
        utf8 = "ディスクに十分な空き領域がありません。";
        break;
    case kErrorInvalidName:
        utf8 = "ファイル名、ディレクトリ名、またはボリューム ラベルの構文が間違っています。";
        break;
    case kErrorDirNotEmpty:
        utf8 = "ディレクトリが空ではありません。";
        break;
    case kErrorAlreadyExists:
        utf8 = "既に存在するファイルを作成することはできません。";
        break;
    case kErrorFilenameTooLong:
        utf8 = "ファイル名または拡張子が長すぎます。";
        break;
    case kErrorDirectory:
        utf8 = "ディレクトリ名が無効です。";
        break;
    default:
        return Utf8ToCp932("エラー " + std::to_string(code) + " が発生しました。");
    }
    return Utf8ToCp932(utf8);
}

} // namespace platform
