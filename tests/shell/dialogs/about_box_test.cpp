// The about box and the help command: what the box says, which document the help opens, and
// the message when there is none.

#include "shell/ui/about_box.h"
#include "tests/support/sandbox.h"
#include "tests/support/screenshot.h"
#include "tests/support/tool_run.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QWidget>
#include <fstream>
#include <gtest/gtest.h>

using namespace shell;

namespace {

// Answers for the desktop: records what was opened and what was said.
class RecordingDesktop : public HelpDesktop {
public:
    bool OpenDocument(const QString& path) override {
        opened << path;
        return viewerAvailable;
    }
    void ShowMessage(QWidget* /*parent*/, const QString& text) override { messages << text; }

    bool viewerAvailable = true;
    QStringList opened;
    QStringList messages;
};

QString Texts(const QWidget& widget) {
    QString all;
    for (const QLabel* label : widget.findChildren<QLabel*>()) {
        all += label->text() + "\n";
    }
    return all;
}

QString PathOf(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

TEST(AboutBox, NamesTheProgramItsVersionAndCopyright) {
    const auto box = MakeAboutBox(nullptr);
    const QString texts = Texts(*box);
    EXPECT_TRUE(texts.contains("Lumaroユーティリティ")) << texts.toStdString();
    EXPECT_TRUE(texts.contains("LumaroUty バージョン " LUMARO_VERSION)) << texts.toStdString();
    EXPECT_TRUE(texts.contains("Copyright")) << texts.toStdString();
    box->show();
    EXPECT_FALSE(fixture::SaveScreenshot(*box, "about_box").isEmpty());
}

TEST(Help, TheBuildShipsTheDocumentBesideThePrograms) {
    const QStringList candidates = HelpDocumentCandidates(LUMARO_BIN_DIR);
    QFile document(candidates.front());
    ASSERT_TRUE(document.open(QIODevice::ReadOnly)) << candidates.front().toStdString();
    const QString text = QString::fromUtf8(document.readAll());
    EXPECT_TRUE(text.contains("<meta charset=\"utf-8\">"));
    for (const char* heading :
         {"ファイルメニュー", "編集メニュー", "表示メニュー", "ツールメニュー", "設定"}) {
        EXPECT_TRUE(text.contains(heading)) << heading;
    }
}

TEST(Help, AnInstalledProgramFindsTheInstalledDocument) {
    fixture::Sandbox prefix;
    const auto install =
        fixture::RunTool("cmake --install " + fixture::Quoted(LUMARO_BUILD_DIR) +
                         " --component help --prefix " + fixture::Quoted(prefix.Path()) + " 2>&1");
    ASSERT_EQ(install.exitCode, 0) << install.output;
    RecordingDesktop desktop;
    OpenHelp(nullptr, desktop, HelpDocumentCandidates(PathOf(prefix.Path() / "bin")));
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join("\n").toStdString();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_TRUE(
        desktop.opened.front().startsWith(PathOf(std::filesystem::canonical(prefix.Path()))))
        << desktop.opened.front().toStdString();
}

TEST(Help, OpensTheFirstDocumentThatExists) {
    fixture::Sandbox sandbox;
    const auto installed = sandbox.Path() / "share" / "LumaroUty.html";
    std::filesystem::create_directories(installed.parent_path());
    std::ofstream(installed) << "<html></html>";
    RecordingDesktop desktop;
    OpenHelp(nullptr, desktop,
             {PathOf(sandbox.Path() / "bin" / "LumaroUty.html"), PathOf(installed)});
    EXPECT_EQ(desktop.opened, QStringList{PathOf(std::filesystem::canonical(installed))});
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST(Help, AMissingDocumentGivesAMessageNamingIt) {
    fixture::Sandbox sandbox;
    const QString missing = PathOf(sandbox.Path() / "help" / "LumaroUty.html");
    RecordingDesktop desktop;
    OpenHelp(nullptr, desktop, {missing, PathOf(sandbox.Path() / "other.html")});
    EXPECT_TRUE(desktop.opened.isEmpty());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages.front(), "ヘルプ文書 " + missing + " が見つかりません。");
}

TEST(Help, ADocumentNoViewerTakesGivesAMessage) {
    fixture::Sandbox sandbox;
    const auto document = sandbox.Path() / "LumaroUty.html";
    std::ofstream(document) << "<html></html>";
    RecordingDesktop desktop;
    desktop.viewerAvailable = false;
    OpenHelp(nullptr, desktop, {PathOf(document)});
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages.front().contains("を開けません"))
        << desktop.messages.front().toStdString();
}

} // namespace
