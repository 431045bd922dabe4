// The external-program launcher without windows: the command it builds from an entry, and each
// option letter around a real program that saves the picture without its EXIF data.

#include "exif/exif_block.h"
#include "exif/tag_tables.h"
#include "platform/codepage.h"
#include "platform/temp_names.h"
#include "shell/external_program_launch.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/jpeg_pictures.h"
#include "tests/support/sandbox.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

using namespace shell;
namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kMake = 0x010F;
constexpr std::uint16_t kDateTime = 0x0132;
constexpr std::uint16_t kCompression = 0x0103;
constexpr std::uint16_t kDateTimeOriginal = 0x9003;
constexpr std::uint16_t kExifImageWidth = 0xA002;
constexpr std::uint16_t kExifImageLength = 0xA003;
constexpr char kEditorComment[] = "saved by exif_dropping_editor";

// Waits for each program at once, so a launch has ended when Launch returns.
class WaitingWatch : public ProgramEndWatch {
public:
    void WhenEnded(platform::StartedProcess process, std::function<void()> ended) override {
        const platform::Result<int> exit = platform::WaitForExit(process);
        exitCodes.push_back(exit ? exit.Value() : -1);
        ended();
    }
    std::vector<int> exitCodes;
};

class RecordingPrompt : public LaunchPrompt {
public:
    void Show(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const fs::path& path) {
    std::istringstream text(ReadText(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A camera file: make "Maker", a DateTime, the picture size 64 x 48 and a 32 x 24 thumbnail.
fixture::Built CameraFile() {
    fixture::ExifContent content;
    content.ifd0 = {fixture::Ascii(kMake, "Maker"),
                    fixture::Ascii(kDateTime, "2001:02:03 04:05:06")};
    content.exif = std::vector<fixture::Entry>{
        fixture::Ascii(kDateTimeOriginal, "2001:02:03 04:05:06"),
        fixture::Short(kExifImageWidth, {64}), fixture::Short(kExifImageLength, {48})};
    content.ifd1 = std::vector<fixture::Entry>{fixture::Short(kCompression, {6})};
    content.thumbnail = fixture::EncodeJpeg(32, 24);
    return fixture::BuildJpeg(content);
}

std::optional<std::string> TagText(const fs::path& file, std::string_view name) {
    const std::optional<exif::ExifBlock> block = exif::LoadExifBlock(file);
    if (!block) {
        return std::nullopt;
    }
    const std::optional<exif::IfdEntry> entry =
        exif::FindEntry(*block, exif::TagDictionary::Standard, name);
    if (!entry) {
        return std::nullopt;
    }
    const std::optional<exif::TagValue> value =
        exif::EntryValue(*block, *entry, exif::ValuePart::First);
    return value ? std::optional(exif::TagValueText(*value)) : std::nullopt;
}

bool CarriesExif(const fs::path& file) {
    return exif::LoadExifBlock(file).has_value();
}

class AnExternalProgram : public ::testing::Test {
protected:
    AnExternalProgram() {
        fs::create_directories(folder);
        fixture::WriteFile(picture, CameraFile().bytes);
        table[0] = {"Editor",
                    platform::PathToCp932(LUMARO_EDITOR_PROGRAM),
                    platform::PathToCp932(record) + " $F",
                    "",
                    {}};
    }

    // Launches entry A on the picture and returns the lines the program recorded.
    std::vector<std::string> LaunchEditor(std::string_view options = "") {
        table[0].options = ParseExecOptions(options);
        run.Launch('A', picture);
        return Lines(record);
    }

    fixture::Sandbox sandbox;
    fs::path folder = sandbox.Path() / "my photos";
    fs::path picture = folder / "DSCN0001.JPG";
    fs::path record = sandbox.Path() / "record.txt";
    ExecTable table{};
    WaitingWatch watch;
    RecordingPrompt prompt;
    int refreshes = 0;
    ExternalProgramRun run{table, watch, prompt, [this] { ++refreshes; }};
};

} // namespace

TEST(ExternalProgramParameters, PutTheFolderAndTheFileNameIntoEachWord) {
    const fs::path file = "/photos/2001 trip/DSCN0001.JPG";
    EXPECT_EQ(SubstituteFileNames("$F", file), "DSCN0001.JPG");
    EXPECT_EQ(SubstituteFileNames("$P", file), "/photos/2001 trip");
    EXPECT_EQ(SubstituteFileNames("--in=$P/$F", file), "--in=/photos/2001 trip/DSCN0001.JPG");
    EXPECT_EQ(SubstituteFileNames("$F.bak$F", file), "DSCN0001.JPG.bakDSCN0001.JPG");
    // Only the two capitals are replaced, and inserted text is not searched again.
    EXPECT_EQ(SubstituteFileNames("$f $X $ $$F", file), "$f $X $ $DSCN0001.JPG");
    EXPECT_EQ(SubstituteFileNames("$F", "/a/$P$F.jpg"), "$P$F.jpg");
}

TEST(ExternalProgramCommand, SplitsTheParametersBeforeTheNamesGoIn) {
    const fs::path file = "/photos/2001 trip/DSCN0001.JPG";
    const ExecEntry entry{"Viewer", "/bin/echo", "-a \"$P/$F\" $F x\"y z\"", "/", {}};
    const platform::Result<ProgramCommand> command = ProgramCommandFor(entry, file);
    ASSERT_TRUE(command) << command.Error();
    EXPECT_EQ(command.Value().arguments,
              (std::vector<std::string>{"/bin/echo", "-a", "/photos/2001 trip/DSCN0001.JPG",
                                        "DSCN0001.JPG", "xy z"}));
    EXPECT_EQ(command.Value().workFolder, "/");
    EXPECT_FALSE(command.Value().maximize);
}

TEST(ExternalProgramCommand, StartsInTheFilesFolderUnlessTheEntryNamesOneAndPassesM) {
    fixture::Sandbox sandbox;
    const ExecEntry entry{"Viewer", "/bin/echo", "", "", ParseExecOptions("M")};
    const platform::Result<ProgramCommand> command =
        ProgramCommandFor(entry, sandbox.Path() / "a.jpg");
    ASSERT_TRUE(command) << command.Error();
    EXPECT_EQ(command.Value().workFolder, sandbox.Path());
    EXPECT_TRUE(command.Value().maximize);
}

TEST(ExternalProgramCommand, NamesAMissingProgramOrWorkingFolder) {
    const platform::Result<ProgramCommand> noProgram =
        ProgramCommandFor({"Gone", "/no/such/editor", "$F", "", {}}, "/tmp/a.jpg");
    ASSERT_FALSE(noProgram);
    EXPECT_NE(noProgram.Error().find("/no/such/editor"), std::string::npos) << noProgram.Error();

    const platform::Result<ProgramCommand> noFolder =
        ProgramCommandFor({"Echo", "/bin/echo", "$F", "/no/such/folder", {}}, "/tmp/a.jpg");
    ASSERT_FALSE(noFolder);
    EXPECT_NE(noFolder.Error().find("/no/such/folder"), std::string::npos) << noFolder.Error();

    EXPECT_FALSE(ProgramCommandFor({"Empty", "", "$F", "", {}}, "/tmp/a.jpg"));
}

TEST_F(AnExternalProgram, GetsTheFileNameInTheFilesFolderAndTheListIsRefreshedAfterIt) {
    const std::vector<std::string> lines = LaunchEditor();
    EXPECT_EQ(lines, (std::vector<std::string>{folder.string(), record.string(), "DSCN0001.JPG",
                                               "exif: yes"}));
    EXPECT_EQ(watch.exitCodes, std::vector<int>{0});
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(refreshes, 1);
    // Without options the program's save stands: the EXIF data is gone.
    EXPECT_FALSE(CarriesExif(picture));
}

TEST_F(AnExternalProgram, RunsInTheEntrysWorkingFolderWithTheFolderName) {
    table[0].param = platform::PathToCp932(record) + " \"$P/$F\"";
    table[0].work = platform::PathToCp932(sandbox.Path());
    const std::vector<std::string> lines = LaunchEditor();
    EXPECT_EQ(lines, (std::vector<std::string>{sandbox.Path().string(), record.string(),
                                               picture.string(), "exif: yes"}));
    EXPECT_EQ(watch.exitCodes, std::vector<int>{0});
}

TEST_F(AnExternalProgram, GivesTheFileItsExifSegmentBackWithE) {
    const std::string before = TagText(picture, "JPEGInterchangeFormatLength").value();
    LaunchEditor("E");
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
    EXPECT_TRUE(CarriesExif(picture));
    EXPECT_EQ(TagText(picture, "Make"), "Maker");
    EXPECT_EQ(TagText(picture, "JPEGInterchangeFormatLength"), before);
    // The picture is the one the program saved.
    EXPECT_NE(ReadText(picture).find(kEditorComment), std::string::npos);
    EXPECT_FALSE(fs::exists(platform::TemporaryFileName("_Exif")));
    EXPECT_FALSE(fs::exists(platform::TemporaryFileName("_Back")));
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(run.WaitingToRestore());
}

TEST_F(AnExternalProgram, SeesNoExifWithDAndTheFileKeepsNone) {
    const std::vector<std::string> lines = LaunchEditor("D");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "exif: no");
    EXPECT_FALSE(CarriesExif(picture));
    EXPECT_EQ(TagText(picture, "Make"), std::nullopt);
    EXPECT_FALSE(fs::exists(platform::TemporaryFileName("_Strip"))) << "dropped once it ran";
}

TEST_F(AnExternalProgram, SeesNoExifWithDAndGetsItBackWithE) {
    const std::vector<std::string> lines = LaunchEditor("ED");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "exif: no");
    EXPECT_EQ(TagText(picture, "Make"), "Maker");
    EXPECT_NE(ReadText(picture).find(kEditorComment), std::string::npos);
}

TEST_F(AnExternalProgram, RenewsTheThumbnailWithEAndT) {
    const std::string before = TagText(picture, "JPEGInterchangeFormatLength").value();
    LaunchEditor("ET");
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
    EXPECT_EQ(TagText(picture, "Make"), "Maker");
    const std::optional<std::string> after = TagText(picture, "JPEGInterchangeFormatLength");
    ASSERT_TRUE(after);
    EXPECT_NE(*after, before);
    EXPECT_EQ(TagText(picture, "ExifImageWidth"), "64");
}

TEST_F(AnExternalProgram, RenewsTheThumbnailWithTOfAFileThatKeptItsExif) {
    // A program that keeps the EXIF data: the shell's true.
    table[0].program = "/bin/true";
    const std::string before = TagText(picture, "JPEGInterchangeFormatLength").value();
    table[0].options = ParseExecOptions("T");
    run.Launch('A', picture);
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
    EXPECT_NE(TagText(picture, "JPEGInterchangeFormatLength"), before);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(AnExternalProgram, SaysSoWhenTCannotRenewAThumbnailWithoutExif) {
    LaunchEditor("T");
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages.front().find("exif_dropping_editor"), std::string::npos);
    EXPECT_NE(prompt.messages.front().find(picture.string()), std::string::npos)
        << prompt.messages.front();
    EXPECT_EQ(refreshes, 1);
}

TEST_F(AnExternalProgram, ThatCannotBeFoundIsNamedAndTheFileIsLeftAlone) {
    const std::string original = ReadText(picture);
    table[0].program = "/no/such/editor";
    table[0].options = ParseExecOptions("ETD");
    run.Launch('A', picture);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_NE(prompt.messages.front().find("/no/such/editor"), std::string::npos)
        << prompt.messages.front();
    EXPECT_NE(prompt.messages.front().find("起動できません"), std::string::npos);
    EXPECT_EQ(ReadText(picture), original);
    EXPECT_TRUE(watch.exitCodes.empty());
    EXPECT_EQ(refreshes, 0);
}

TEST_F(AnExternalProgram, ThatFailsToStartLeavesTheFileAsItWasWithEOrDAlone) {
    // Present but not a program the system can run: the start itself fails.
    const fs::path broken = sandbox.Path() / "broken";
    std::ofstream(broken) << "not a program\n";
    fs::permissions(broken, fs::perms::owner_all);
    const std::string original = ReadText(picture);
    table[0].program = platform::PathToCp932(broken);
    for (const char* letters : {"ED", "D"}) {
        prompt.messages.clear();
        table[0].options = ParseExecOptions(letters);
        run.Launch('A', picture);
        ASSERT_EQ(prompt.messages.size(), 1u) << letters;
        EXPECT_NE(prompt.messages.front().find(broken.string()), std::string::npos)
            << prompt.messages.front();
        EXPECT_EQ(ReadText(picture), original) << letters;
        EXPECT_FALSE(run.WaitingToRestore());
        EXPECT_FALSE(fs::exists(platform::TemporaryFileName("_Strip"))) << letters;
    }
}

TEST_F(AnExternalProgram, OfferedNowhereDoesNothing) {
    table[1] = {"", platform::PathToCp932(LUMARO_EDITOR_PROGRAM), "$F", "", {}};
    run.Launch('B', picture);
    run.Launch('a', picture);
    run.Launch('[', picture);
    EXPECT_TRUE(watch.exitCodes.empty());
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(refreshes, 0);
}

TEST(ExifAroundAProgram, LeavesAFileWithoutExifAloneAndRestoresNothing) {
    fixture::Sandbox sandbox;
    const fs::path plain = sandbox.Path() / "plain.jpg";
    const std::vector<std::uint8_t> bytes = fixture::EncodeJpeg(16, 16);
    fixture::WriteFile(plain, bytes);
    const ExifAroundProgram steps = ExifAroundProgram::Before(ParseExecOptions("ED"), plain);
    EXPECT_FALSE(steps.HoldsTemporaryFiles());
    EXPECT_EQ(ReadText(plain), std::string(bytes.begin(), bytes.end()));
    EXPECT_TRUE(steps.After());
    EXPECT_EQ(ReadText(plain), std::string(bytes.begin(), bytes.end()));
}
