// Every file the editing commands write, from fixture photos and real camera files, must
// satisfy tools written by others: exiftool -validate finds no warning or error the original
// did not already have, and djpeg decodes the picture. The template picture made by the build
// is checked the same way.

#include "commands/date_edit.h"
#include "commands/exif_add_delete.h"
#include "commands/exif_copy.h"
#include "commands/template_picture.h"
#include "commands/text_tag_edit.h"
#include "commands/thumbnail_command.h"
#include "exif/exif_writer.h"
#include "tests/commands/edit_fixture.h"
#include "tests/support/sandbox.h"
#include "tests/support/tool_run.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

using namespace commands;
using namespace edit_test;
using fixture::Quoted;
using fixture::RunTool;

namespace {

namespace fs = std::filesystem;

// What a comment write may add, and why. The Nikon D1X points its (empty) maker-note
// PreviewIFD into the bytes of its own UserComment, so any text there reads as a damaged
// directory. The comment's character code keeps exiftool from any other complaint.
const std::set<std::string> kCommentWarnings = {
    "Warning                         : [minor] Bad PreviewIFD directory",
};

using PerFile = std::map<fs::path, std::set<std::string>>;

// exiftool's lines per file. Segment names are normalised so that stray bytes read as the same
// warning behind the stub's APP0 as behind the APP1 they followed before.
PerFile Warnings(const std::vector<fs::path>& files) {
    std::string command = "exiftool -validate -warning -error -a";
    for (const fs::path& file : files) {
        command += ' ';
        command += Quoted(file);
    }
    static const std::regex segmentName("APP[0-9]+ segment");
    PerFile result;
    std::set<std::string>* current = files.size() == 1 ? &result[files.front()] : nullptr;
    std::istringstream in(RunTool(command + " 2>&1").output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("======== ", 0) == 0) {
            current = &result[line.substr(9)];
        } else if (current != nullptr && line.rfind("Validate", 0) != 0 &&
                   line.find("files read") == std::string::npos) {
            current->insert(std::regex_replace(line, segmentName, "APPn segment"));
        }
    }
    return result;
}

fs::path CopyInto(const fixture::Sandbox& box, const fs::path& source, const fs::path& folder) {
    fs::create_directories(box.Path() / folder);
    return box.CopyIn(source, folder / source.filename());
}

bool Decodes(const fs::path& file) {
    return RunTool("djpeg -outfile /dev/null " + Quoted(file) + " 2>&1").output.empty();
}

// One photo run through every command, each on its own copy in a folder named for the
// command; EXIF copy and add work on a copy without EXIF data, as their users' pictures are.
class CommandOutputs {
public:
    CommandOutputs(const fs::path& photo, const fs::path& templatePicture)
        : name_(photo.filename()), original_(CopyInto(box_, photo, "camera")) {
        Run("title", [](const Selection& files, EditPorts ports) {
            return RunTextEdit(files, TextTag::Title, Cp932("夏の海 2024"), ports);
        });
        Run("comment", [](const Selection& files, EditPorts ports) {
            return RunTextEdit(files, TextTag::Comment, Cp932("家族と海へ"), ports);
        });
        Run("date", [](const Selection& files, EditPorts ports) {
            return RunDateEdit(files, {}, ports).value();
        });
        Run("shift", [](const Selection& files, EditPorts ports) {
            return RunDateEdit(files, {.source = DateSource::Shift, .shiftText = "-1 09:30"}, ports)
                .value();
        });
        Run("thumbnail", RunThumbnails);
        Run("delete", [](const Selection& files, EditPorts ports) {
            return RunExifDelete(files, {}, ports).value();
        });
        if (!made_.contains("delete")) {
            return;
        }
        const fs::path plain = made_["delete"];
        Run("copy", [&](const Selection& files, EditPorts ports) {
            fs::copy_file(plain, files.front(), fs::copy_options::overwrite_existing);
            return RunExifCopy(files, original_.parent_path(), ports).value();
        });
        const fs::path added = box_.Path() / "added";
        fs::create_directories(added);
        Run("add", [&](const Selection& files, EditPorts ports) {
            fs::copy_file(plain, files.front(), fs::copy_options::overwrite_existing);
            return RunExifAdd(files, {true, added}, templatePicture, ports).value();
        });
        if (made_.contains("add")) {
            made_["add"] = added / name_;
        }
    }

    [[nodiscard]] const fs::path& Original() const { return original_; }
    // The files the commands processed, by command.
    [[nodiscard]] const std::map<std::string, fs::path>& Made() const { return made_; }

private:
    template <typename Command> void Run(const std::string& command, Command run) {
        const fs::path file = CopyInto(box_, original_, command);
        Ports ports;
        if (run(Selection{file}, ports.Edit()).processed == 1) {
            made_[command] = file;
        }
    }

    fixture::Sandbox box_;
    fs::path name_;
    fs::path original_;
    std::map<std::string, fs::path> made_;
};

// Checks every written file of the photos against its original with one exiftool run.
// Returns how many photos each command processed.
std::map<std::string, int> ExpectValidOutputs(const std::vector<fs::path>& photos,
                                              const fs::path& templatePicture) {
    std::vector<std::unique_ptr<CommandOutputs>> outputs;
    std::vector<fs::path> files;
    for (const fs::path& photo : photos) {
        outputs.push_back(std::make_unique<CommandOutputs>(photo, templatePicture));
        files.push_back(outputs.back()->Original());
        for (const auto& [command, file] : outputs.back()->Made()) {
            files.push_back(file);
        }
    }
    PerFile warnings = Warnings(files);
    std::map<std::string, int> processed;
    for (const auto& output : outputs) {
        const std::set<std::string>& before = warnings[output->Original()];
        for (const auto& [command, file] : output->Made()) {
            ++processed[command];
            SCOPED_TRACE(command + " of " + output->Original().filename().string());
            for (const std::string& warning : warnings[file]) {
                const bool allowed = command == "comment" && kCommentWarnings.contains(warning);
                EXPECT_TRUE(before.contains(warning) || allowed) << "new: " << warning;
            }
            EXPECT_TRUE(Decodes(file));
        }
    }
    return processed;
}

bool HaveTools() {
    return fixture::HaveTool("exiftool") && fixture::HaveTool("djpeg");
}

TEST(EditInterop, TheTemplatePictureIsValidAndDecodes) {
    if (!HaveTools()) {
        GTEST_SKIP() << "exiftool or djpeg is not installed";
    }
    const fs::path picture = LUMARO_TEMPLATE_PICTURE;
    EXPECT_EQ(TemplatePictureProblem(picture), std::nullopt);
    EXPECT_EQ(RunTool("exiftool -validate -warning -error -a -s3 " + Quoted(picture)).output,
              "OK\n");
    EXPECT_TRUE(Decodes(picture));
    EXPECT_EQ(
        RunTool("exiftool -b -ThumbnailImage " + Quoted(picture) + " | djpeg -pnm | head -c 11")
            .output,
        "P6\n160 120\n");
}

TEST(EditInterop, EveryCommandWritesValidFilesFromFixturePhotos) {
    if (!HaveTools()) {
        GTEST_SKIP() << "exiftool or djpeg is not installed";
    }
    const fixture::Sandbox box;
    WritePhoto(box.Path() / "DSCN0001.JPG", {.title = "title", .comment = Cp932("海")});
    WritePhoto(box.Path() / "DSCN0002.JPG",
               {.date = "0000:00:00 00:00:00", .width = 1024, .height = 768, .thumbnail = false});
    const auto processed = ExpectValidOutputs(
        {box.Path() / "DSCN0001.JPG", box.Path() / "DSCN0002.JPG"}, LUMARO_TEMPLATE_PICTURE);
    const std::map<std::string, int> expected = {{"add", 2},       {"comment", 2}, {"copy", 2},
                                                 {"date", 2},      {"delete", 2},  {"shift", 1},
                                                 {"thumbnail", 2}, {"title", 2}};
    EXPECT_EQ(processed, expected);
}

TEST(EditInterop, EveryCommandWritesValidFilesFromCameraFiles) {
    const auto samples = fixture::SamplesDir();
    if (!samples) {
        GTEST_SKIP() << "no sample folder (LUMARO_SAMPLES_DIR)";
    }
    if (!HaveTools()) {
        GTEST_SKIP() << "exiftool or djpeg is not installed";
    }
    std::vector<fs::path> photos;
    for (const auto& entry : fs::directory_iterator(*samples / "real")) {
        photos.push_back(entry.path());
    }
    std::sort(photos.begin(), photos.end());
    const auto processed = ExpectValidOutputs(photos, LUMARO_TEMPLATE_PICTURE);
    // Fewer cameras keep a UserComment than a title; files without one are left alone.
    const std::map<std::string, int> least = {{"title", 20},     {"comment", 15}, {"date", 20},
                                              {"thumbnail", 20}, {"copy", 20},    {"add", 20}};
    for (const auto& [command, count] : least) {
        EXPECT_GE(processed.at(command), count) << command;
    }
}

} // namespace
