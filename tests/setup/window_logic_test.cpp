#include "platform/codepage.h"
#include "setup/main_window_start.h"
#include "setup/program_version.h"
#include "setup/restart_request.h"
#include "tests/setup/install_fixture.h"

using namespace setup;
using setup_test::Sjis;

namespace {

TEST(VersionText, JoinsTheSecondAndThirdNumbersAndPadsTheBuild) {
    EXPECT_EQ(VersionText({1, 0, 2, 37}), "1.02β1(Build:0037)");
    EXPECT_EQ(VersionText({0, 1, 0, 0}), "0.10β1(Build:0000)");
    EXPECT_EQ(VersionText({2, 0, 0, 12345}), "2.00β1(Build:12345)");
    EXPECT_EQ(VersionText({3, 12, 4, 5}), "3.124β1(Build:0005)");
}

TEST(SetupWelcome, TakesTheGivenLinesOrTheDefaultAndEndsWithTheNote) {
    const std::string note =
        "\r\r" + Sjis("※　処理を開始する前に，必ずすべてのプログラムを終了させて"
                      "ください．");
    EXPECT_EQ(SetupWelcome({}), Sjis("セットアップを行います．") + note);
    EXPECT_EQ(SetupWelcome({"", "A", "", "B", ""}), "A\rB" + note);
}

TEST(ScrollBarsOf, AnythingButTheTwoOtherNamesIsVertical) {
    EXPECT_EQ(ScrollBarsOf("ssHorizontal"), ScrollBars::Horizontal);
    EXPECT_EQ(ScrollBarsOf("ssBoth"), ScrollBars::Both);
    EXPECT_EQ(ScrollBarsOf("ssVertical"), ScrollBars::Vertical);
    EXPECT_EQ(ScrollBarsOf("ssboth"), ScrollBars::Vertical);
}

TEST(AskForRestart, NeverRestartsButTellsTheUserWhatToDo) {
    setup_test::ScriptedPorts ports;
    AskForRestart(ports);
    ports.AnswerNext("システム設定の変更", Answer::No);
    AskForRestart(ports);
    EXPECT_EQ(ports.BoxTexts(),
              (std::vector<std::string>{
                  "システム設定の変更: 新しい設定を有効にするには，コンピュータを再起動する必要が"
                  "あります．\r今すぐ再起動しますか？",
                  "システム設定の変更: このプログラムはコンピュータを再起動しません．\r開いている"
                  "ファイルを保存してから，コンピュータを再起動してください．",
                  "システム設定の変更: 新しい設定を有効にするには，コンピュータを再起動する必要が"
                  "あります．\r今すぐ再起動しますか？",
                  "警告: Windowsを再起動すると，セットアップは完了します．"}));
}

} // namespace
