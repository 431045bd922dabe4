#include "apps/lumaro/file_commands.h"
#include "platform/codepage.h"
#include "shell/settings_columns.h"
#include "shell/settings_store.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

class LumaroFileCommands : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_DATA_HOME", (sandbox.Path() / "data").c_str(), 1); }

    fs::path Photo(const std::string& name, const std::string& date) const {
        fixture::ExifContent content;
        content.ifd0 = {fixture::Ascii(0x010F, "NIKON"), fixture::Ascii(0x0110, "E990")};
        content.exif = std::vector<fixture::Entry>{fixture::Ascii(0x9003, date)};
        const fs::path file = sandbox.Path() / "in" / name;
        fs::create_directories(file.parent_path());
        fixture::WriteFile(file, fixture::BuildJpeg(content).bytes);
        return file;
    }

    static Outcome Call(Command command, std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = command(args, out, err);
        return {status, out.str(), err.str()};
    }

    static std::vector<std::string> Names(const fs::path& folder) {
        std::vector<std::string> names;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            names.push_back(it->path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fixture::MachineSandbox machine;
    fixture::Sandbox sandbox;
    fs::path in = sandbox.Path() / "in";
    fs::path out = sandbox.Path() / "out";
};

} // namespace

TEST_F(LumaroFileCommands, CopyPrintsItsRowsOnDryRunAndAsksBeforeReplacing) {
    const fs::path a = Photo("a.jpg", "2000:12:31 09:05:07");
    const Outcome dry =
        Call(RunCopyFilesCommand, {"--to", out.string(), "--name", "dcf", "--dry-run", a.string()});
    EXPECT_EQ(dry.status, 0);
    EXPECT_EQ(dry.out, "\tファイル名\t処理\tコピー元\tコピー先\n[x]\ta.jpg\tコピー\t" + a.string() +
                           "\t" + (out / "DSCN0001.JPG").string() + "\n");
    EXPECT_FALSE(fs::exists(out));

    EXPECT_EQ(Call(RunCopyFilesCommand, {"--to", out.string(), a.string()}).status, 0);
    std::ofstream(out / "a.jpg", std::ios::binary) << "changed";
    const Outcome kept = Call(RunCopyFilesCommand, {"--to", out.string(), a.string()});
    EXPECT_EQ(fixture::FileBytes(out / "a.jpg"), "changed");
    EXPECT_NE(kept.err.find("--yes replaces it"), std::string::npos) << kept.err;
    EXPECT_EQ(Call(RunCopyFilesCommand, {"--yes", "--to", out.string(), a.string()}).status, 0);
    EXPECT_EQ(fixture::FileBytes(out / "a.jpg"), fixture::FileBytes(a));
}

TEST_F(LumaroFileCommands, MoveAndRenameByTheSavedDateNames) {
    const fs::path a = Photo("a.jpg", "2000:12:31 09:05:07");
    const fs::path b = Photo("b.jpg", "2000:12:31 09:05:07");
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    ASSERT_TRUE(store.WriteString("Setup", "Date3", "1").Ok()); // HHMMSS

    EXPECT_EQ(Call(RunRenameFilesCommand, {"--name", "date", a.string(), b.string()}).status, 0);
    EXPECT_EQ(Names(in),
              (std::vector<std::string>{"20001231_090507_01.jpg", "20001231_090507_02.jpg"}));

    EXPECT_EQ(Call(RunMoveFilesCommand, {"--to", out.string(), "--name", "dcf", "--prefix", "IMG_",
                                         (in / "20001231_090507_01.jpg").string()})
                  .status,
              0);
    EXPECT_EQ(Names(out), std::vector<std::string>{"IMG_0001.JPG"});
    EXPECT_EQ(Names(in), std::vector<std::string>{"20001231_090507_02.jpg"});

    EXPECT_EQ(Call(RunRenameFilesCommand, {a.string()}).status, 2) << "rename needs --name";
    EXPECT_EQ(Call(RunCopyFilesCommand, {"--name", "keep", a.string()}).status, 2)
        << "copy needs --to";
    EXPECT_EQ(Call(RunCopyFilesCommand, {"--to", "x", "--name", "odd", a.string()}).status, 2);
}

TEST_F(LumaroFileCommands, DeleteToTheTrashOrForGood) {
    const fs::path a = Photo("a.jpg", "2000:12:31 09:05:07");
    const fs::path b = Photo("b.jpg", "2000:12:31 09:05:07");
    EXPECT_EQ(Call(RunDeleteFilesCommand, {"--dry-run", a.string()}).status, 0);
    EXPECT_TRUE(fs::exists(a));
    EXPECT_EQ(Call(RunDeleteFilesCommand, {a.string()}).status, 0);
    EXPECT_TRUE(fs::exists(sandbox.Path() / "data/Trash/files/a.jpg"));
    EXPECT_EQ(Call(RunDeleteFilesCommand, {"--permanent", b.string()}).status, 0);
    EXPECT_FALSE(fs::exists(b));
    EXPECT_EQ(Names(sandbox.Path() / "data/Trash/files"), std::vector<std::string>{"a.jpg"});
    const Outcome missing = Call(RunDeleteFilesCommand, {"--permanent", b.string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(b.string()), std::string::npos);
}

TEST_F(LumaroFileCommands, HtmlMakesItsFoldersAndKnowsItsTypes) {
    const fs::path a = Photo("DSCN0001.JPG", "2000:12:31 09:05:07");
    const std::string templates = (fs::path(LUMARO_BIN_DIR) / "html").string();
    const std::vector<std::string> base{"--out", out.string(), "--templates", templates};
    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back(a.string());
        return args;
    };

    const Outcome unknown = Call(RunHtmlCommand, with({"--type", "none"}));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("there are: gallery viewer"), std::string::npos) << unknown.err;

    const Outcome dry = Call(RunHtmlCommand, with({"--type", "viewer", "--dry-run"}));
    EXPECT_EQ(dry.status, 0);
    EXPECT_NE(dry.out.find("標準画像作成\t" + a.string() + "\t" + (out / "DSCN0001.JPG").string()),
              std::string::npos)
        << dry.out;
    EXPECT_NE(dry.out.find((out / "intop.html").string()), std::string::npos);
    EXPECT_NE(dry.out.find((out / "DSCN0001.html").string()), std::string::npos);
    EXPECT_FALSE(fs::exists(out));

    // The album's folders are made as copy makes its destination, without a question.
    const Outcome made = Call(RunHtmlCommand, with({"--type", "gallery"}));
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(fs::is_directory(out / "thumbnail"));

    EXPECT_EQ(Call(RunHtmlCommand, with({"--type", "gallery", "--yes", "--width", "320"})).status,
              0);
    EXPECT_TRUE(fs::exists(out / "index.html"));
    EXPECT_TRUE(fs::exists(out / "thumbnail/DSCN0001.JPG"));
    EXPECT_TRUE(fs::exists(out / "DSCN0001.html"));
}

TEST_F(LumaroFileCommands, CsvTakesTheColumnsOfTheSettings) {
    const fs::path a = Photo("DSCN0001.JPG", "2000:12:31 09:05:07");
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    shell::ColumnRows rows = shell::DefaultColumnRows();
    std::swap(rows[0], rows[3]); // モデル first
    for (std::size_t i = 1; i < rows.size(); ++i) {
        rows[i].ticked = i == 3;
    }
    ASSERT_TRUE(shell::WriteColumnList(store, shell::settings::kSetupCsv, rows).Ok());
    const fs::path list = sandbox.Path() / "list.csv";

    const Outcome dry = Call(RunCsvCommand, {"--out", list.string(), "--dry-run", a.string()});
    EXPECT_EQ(dry.out, "\"モデル\",\"ファイル名\"\r\n\"E990\",\"DSCN0001.JPG\"\r\n");
    EXPECT_FALSE(fs::exists(list));

    EXPECT_EQ(Call(RunCsvCommand, {"--out", list.string(), a.string()}).status, 0);
    EXPECT_EQ(fixture::FileBytes(list), platform::Utf8ToCp932(dry.out));
    EXPECT_EQ(Call(RunCsvCommand, {a.string()}).status, 2);
}
