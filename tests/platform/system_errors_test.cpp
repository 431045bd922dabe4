#include "platform/codepage.h"
#include "platform/system_errors.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace platform;

TEST(SystemErrors, HostErrorsMapToThePlatformsCodes) {
    const std::pair<int, SystemError> cases[] = {
        {0, 0},           {ENOENT, 2},   {ENOTDIR, 3},        {EACCES, 5},
        {EPERM, 5},       {EROFS, 19},   {ETXTBSY, 32},       {ENOSPC, 112},
        {ENOTEMPTY, 145}, {EEXIST, 183}, {ENAMETOOLONG, 206}, {EPROTO, 31},
    };
    for (const auto& [host, code] : cases) {
        EXPECT_EQ(SystemErrorFromErrno(host), code) << "errno " << host;
    }
    EXPECT_EQ(SystemErrorFrom(std::make_error_code(std::errc::directory_not_empty)), 145u);
    EXPECT_EQ(SystemErrorFrom(std::error_code()), 0u);
}

TEST(SystemErrors, MessagesAreTheJapanesePlatformsInCp932) {
    EXPECT_EQ(Cp932ToUtf8(SystemErrorMessage(kErrorFileNotFound)),
              "指定されたファイルが見つかりません。");
    EXPECT_EQ(Cp932ToUtf8(SystemErrorMessage(kErrorDirNotEmpty)),
              "ディレクトリが空ではありません。");
    EXPECT_EQ(Cp932ToUtf8(SystemErrorMessage(kErrorAccessDenied)), "アクセスが拒否されました。");
    EXPECT_EQ(Cp932ToUtf8(SystemErrorMessage(9999)), "エラー 9999 が発生しました。");
}
