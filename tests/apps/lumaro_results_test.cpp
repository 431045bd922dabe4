// What lumaro tells a script: for each case the exit status (0 every file done as asked, 1 a
// file failed or was skipped, 2 a usage error) and the line that names the file and the reason.

#include "apps/lumaro/edit_commands.h"
#include "apps/lumaro/file_commands.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

// The files of one case, each case in a sandbox of its own.
class Photos {
public:
    Photos() {
        edit_test::WritePhoto(Path("good.JPG"));
        edit_test::WritePhoto(Path("short.JPG"), {.titleCount = 8});
        fixture::ExifContent bare; // EXIF data without title, dates or thumbnail
        bare.ifd0 = {fixture::Ascii(0x010F, "NIKON")};
        bare.exif = std::vector<fixture::Entry>{};
        fixture::WriteFile(Path("bare.JPG"), fixture::BuildJpeg(bare).bytes);
        (void)box_.Write("text.jpg", "not a picture\n");
        edit_test::WritePhoto(Path("dir/inner.JPG"));
        edit_test::WritePhoto(Path("-odd.JPG"));
        edit_test::WritePhoto(Path("out/good.JPG"));
        (void)box_.Write("list", std::string("good.JPG\0text.jpg\0", 18));
    }

    [[nodiscard]] fs::path Path(const std::string& name) const {
        fs::create_directories((box_.Path() / name).parent_path());
        return box_.Path() / name;
    }

private:
    fixture::Sandbox box_;
};

struct Case {
    const char* what;
    Command command;
    std::vector<std::string> args; // "@name" stands for the case's file of that name
    int status;
    std::string told; // a part of the error output; "@name" as in args
};

std::string Expanded(const std::string& text, const Photos& photos) {
    const std::size_t at = text.find('@');
    if (at == std::string::npos) {
        return text;
    }
    const std::size_t end = text.find_first_of(": ", at);
    const std::string name = text.substr(at + 1, end == std::string::npos ? end : end - at - 1);
    return text.substr(0, at) + photos.Path(name).string() +
           (end == std::string::npos ? "" : text.substr(end));
}

const Case kCases[] = {
    {"a title that fits", RunTitleCommand, {"Sea", "@good.JPG"}, 0, ""},
    {"a title cut to the field", RunTitleCommand, {"A long title", "@short.JPG"}, 1,
     "@short.JPG: cut to 7 bytes"},
    {"a file without the field", RunTitleCommand, {"Sea", "@bare.JPG"}, 1,
     "@bare.JPG: no ImageDescription field"},
    {"a text file named .jpg", RunTitleCommand, {"Sea", "@text.jpg"}, 1,
     "@text.jpg: no EXIF data"},
    {"a folder given as a file", RunTitleCommand, {"Sea", "@dir"}, 1,
     "@dir: a folder, not a file"},
    {"a folder with -r", RunTitleCommand, {"-r", "Sea", "@dir"}, 0, ""},
    {"a missing file", RunTitleCommand, {"Sea", "@gone.JPG"}, 1, "@gone.JPG: no such file"},
    {"an unknown option", RunTitleCommand, {"--frobnicate", "Sea", "@good.JPG"}, 2,
     "unknown option --frobnicate"},
    {"a file after --", RunTitleCommand, {"--", "Sea", "-odd.JPG"}, 0, ""},
    {"a file like an option", RunTitleCommand, {"Sea", "-odd.JPG"}, 2, "unknown option -odd.JPG"},
    {"a comment cut behind its code", RunCommentCommand, {std::string(130, 'c'), "@good.JPG"}, 1,
     "@good.JPG: cut to 116 bytes"},
    {"dates into a file without date tags", RunDateCommand, {"--from-file", "@bare.JPG"}, 1,
     "@bare.JPG: no DateTime, DateTimeOriginal, DateTimeDigitized field"},
    {"a thumbnail of a text file", RunThumbnailCommand, {"@text.jpg"}, 1,
     "@text.jpg: no EXIF data"},
    {"a thumbnail without its place", RunThumbnailCommand, {"@bare.JPG"}, 1,
     "@bare.JPG: no embedded thumbnail to renew"},
    {"an extracted thumbnail", RunThumbnailCommand, {"--extract", "@good.JPG"}, 0, ""},
    {"no thumbnail to extract", RunThumbnailCommand, {"--extract", "@bare.JPG"}, 1,
     "@bare.JPG: no embedded thumbnail"},
    {"rename of a folder", RunRenameFilesCommand, {"--name", "dcf", "@dir"}, 1,
     "@dir: a folder, not a file"},
    {"a copy kept beside an existing file", RunCopyFilesCommand, {"--to", "@out", "@good.JPG"},
     1, "kept @out"},
    {"a dry run of that copy", RunCopyFilesCommand,
     {"--dry-run", "--to", "@out", "@good.JPG"}, 1, "kept @out"},
    {"a NUL-separated list", RunTitleCommand, {"-0", "--files-from", "@list", "Sea"}, 1,
     "text.jpg: no EXIF data"},
};

TEST(LumaroResults, EachCaseEndsWithItsStatusAndNamesTheFile) {
    const fixture::MachineSandbox machine;
    for (const Case& c : kCases) {
        const Photos photos;
        // The list names its files relative to the folder it is run in.
        const fs::path previous = fs::current_path();
        fs::current_path(photos.Path("good.JPG").parent_path());
        std::vector<std::string> args;
        for (const std::string& arg : c.args) {
            args.push_back(Expanded(arg, photos));
        }
        std::ostringstream out;
        std::ostringstream err;
        const int status = c.command(args, out, err);
        fs::current_path(previous);
        EXPECT_EQ(status, c.status) << c.what << "\n" << err.str();
        if (c.told.empty()) {
            EXPECT_EQ(err.str().find(": no "), std::string::npos) << c.what << "\n" << err.str();
        } else {
            EXPECT_NE(err.str().find(Expanded(c.told, photos)), std::string::npos)
                << c.what << "\n" << err.str();
        }
    }
}

TEST(LumaroResults, ADryRunMarksExactlyTheFilesTheRunWouldChange) {
    const Photos photos;
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args = {"--dry-run", "--no-header", "Sea",
                                           photos.Path("good.JPG").string(),
                                           photos.Path("bare.JPG").string()};
    EXPECT_EQ(RunTitleCommand(args, out, err), 1);
    EXPECT_EQ(out.str(), "[ ]\tbare.JPG\t処理せず\t\t\n"
                         "[x]\tgood.JPG\t画像タイトル修正\t\tSea\n");
    EXPECT_NE(err.str().find("bare.JPG: no ImageDescription field"), std::string::npos);
}

TEST(LumaroResults, AnExtractedThumbnailIsAJpegOfItsOwn) {
    const Photos photos;
    std::ostringstream out;
    std::ostringstream err;
    const fs::path folder = photos.Path("thumbs");
    const std::vector<std::string> args = {"--extract", "--out", folder.string(),
                                           photos.Path("good.JPG").string()};
    ASSERT_EQ(RunThumbnailCommand(args, out, err), 0) << err.str();
    const std::string thumbnail = fixture::FileBytes(folder / "good_thumb.jpg");
    ASSERT_GE(thumbnail.size(), 4u);
    EXPECT_EQ(thumbnail.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(thumbnail.substr(thumbnail.size() - 2), "\xFF\xD9");
}

} // namespace
