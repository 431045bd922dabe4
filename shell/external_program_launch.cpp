#include "shell/external_program_launch.h"

#include "exif/exif_writer.h"
#include "exif/jpeg_segments.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/input_file.h"
#include "platform/safe_replace.h"
#include "platform/temp_names.h"

#include <cstring>
#include <optional>
#include <spawn.h>

extern char** environ;

namespace shell {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExifPrefix = "_Exif";
constexpr std::string_view kBackPrefix = "_Back";
// The file as it was before D alone took its EXIF segment off, kept only until the program has
// started; a name of its own, so it never meets the backup of a program still running with E.
constexpr std::string_view kStripBackPrefix = "_Strip";
// What ShellOpenCommand puts first for a file that is not a program.
constexpr std::string_view kDocumentOpener = "xdg-open";

// Copies a whole file with its last-write time, replacing the target in one step.
void CopyWhole(const fs::path& from, const fs::path& to) {
    const platform::InputFile source(from);
    platform::FileReplacement replacement(to);
    replacement.CopyFrom(source, 0);
    replacement.Commit(platform::LastWriteTime(from));
}

// True when the file holds a whole APP1 "Exif" segment.
bool CarriesExifSegment(const fs::path& file) {
    return exif::FindExifSegment(platform::InputFile(file)).has_value();
}

void RemoveTemporaryFiles() {
    std::error_code ignored; // a leftover is replaced by the next run
    fs::remove(platform::TemporaryFileName(kExifPrefix), ignored);
    fs::remove(platform::TemporaryFileName(kBackPrefix), ignored);
}

// posix_spawn's file actions, released on every way out.
class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    [[nodiscard]] posix_spawn_file_actions_t* Get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

std::string NotStarted(const std::string& program, const std::string& reason) {
    return "外部プログラム " + program + " を起動できません。\n" + reason;
}

} // namespace

std::string SubstituteFileNames(std::string_view word, const fs::path& file) {
    const std::string folder = file.parent_path().string();
    const std::string name = file.filename().string();
    std::string result;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == '$' && i + 1 < word.size() && (word[i + 1] == 'P' || word[i + 1] == 'F')) {
            result += word[i + 1] == 'P' ? folder : name;
            ++i;
        } else {
            result.push_back(word[i]);
        }
    }
    return result;
}

platform::Result<ProgramCommand> ProgramCommandFor(const ExecEntry& entry, const fs::path& file) {
    const fs::path program = platform::Cp932ToPath(entry.program);
    if (program.empty()) {
        return platform::Failure{"the entry names no program"};
    }
    std::vector<std::string> words = platform::ShellOpenCommand(program, entry.param);
    std::error_code error;
    if (words.front() == kDocumentOpener && !fs::exists(words.back(), error)) {
        return platform::Failure{"cannot start " + program.string() + ": no such program"};
    }
    if (words.front() != kDocumentOpener) {
        for (std::size_t i = 1; i < words.size(); ++i) {
            words[i] = SubstituteFileNames(words[i], file);
        }
    }
    fs::path work = entry.work.empty() ? file.parent_path() : platform::Cp932ToPath(entry.work);
    if (work.empty()) {
        work = fs::current_path(error);
    }
    if (!fs::is_directory(work, error)) {
        return platform::Failure{"cannot start " + program.string() + ": the working folder " +
                                 work.string() + " does not exist"};
    }
    return ProgramCommand{std::move(words), std::move(work), entry.options.maximize};
}

platform::Result<platform::StartedProcess> StartProgram(const ProgramCommand& command) {
    if (command.arguments.empty()) {
        return platform::Failure{"cannot start a program: the command is empty"};
    }
    std::vector<std::string> words = command.arguments;
    // The program starts in another folder: a relative path must not move with it.
    if (words.front().find('/') != std::string::npos) {
        std::error_code error;
        const fs::path absolute = fs::absolute(words.front(), error);
        if (!error) {
            words.front() = absolute.string();
        }
    }
    std::vector<char*> arguments;
    for (std::string& word : words) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);
    SpawnActions actions;
    if (const int failed =
            posix_spawn_file_actions_addchdir_np(actions.Get(), command.workFolder.c_str());
        failed != 0) {
        return platform::Failure{"cannot start " + command.arguments.front() + ": " +
                                 std::strerror(failed)};
    }
    pid_t id = 0;
    if (const int failed = ::posix_spawnp(&id, arguments.front(), actions.Get(), nullptr,
                                          arguments.data(), environ);
        failed != 0) {
        return platform::Failure{"cannot start " + command.arguments.front() + " in " +
                                 command.workFolder.string() + ": " + std::strerror(failed)};
    }
    return platform::StartedProcess{id};
}

ExifAroundProgram ExifAroundProgram::Before(const ExecOptions& options, const fs::path& file) {
    ExifAroundProgram steps(options, file);
    if (options.restoreExif &&
        exif::ExtractExifSegment(platform::TemporaryFileName(kExifPrefix), file)) {
        CopyWhole(file, platform::TemporaryFileName(kBackPrefix));
        steps.saved_ = true;
    }
    if (options.stripExif && CarriesExifSegment(file)) {
        if (!steps.saved_) {
            CopyWhole(file, platform::TemporaryFileName(kStripBackPrefix));
            steps.strippedOnly_ = true;
        }
        exif::StripExif(file, file);
    }
    return steps;
}

void ExifAroundProgram::Started() const {
    if (strippedOnly_) {
        std::error_code ignored; // a leftover is replaced by the next run
        fs::remove(platform::TemporaryFileName(kStripBackPrefix), ignored);
    }
}

platform::Status ExifAroundProgram::After() const {
    const exif::RebuildThumbnail thumbnail =
        options_.createThumbnail ? exif::RebuildThumbnail::Renew : exif::RebuildThumbnail::Keep;
    if (saved_) {
        try {
            // Dates from the DateTime tag: the file keeps the time it was taken, as after
            // every other EXIF write.
            exif::RebuildWithExif(file_, file_, platform::TemporaryFileName(kExifPrefix),
                                  exif::RebuildDates::FromDateTimeTag, thumbnail);
        } catch (const platform::FileError& error) {
            return platform::Failure{std::string(error.what()) +
                                     "; the file as it was before the program is kept as " +
                                     platform::TemporaryFileName(kBackPrefix).string()};
        }
        RemoveTemporaryFiles();
        return {};
    }
    if (options_.createThumbnail) {
        try {
            exif::RebuildWithExif(file_, file_, file_, exif::RebuildDates::FromDateTimeTag,
                                  exif::RebuildThumbnail::Renew);
        } catch (const platform::FileError& error) {
            return platform::Failure{error.what()};
        }
    }
    return {};
}

platform::Status ExifAroundProgram::Undo() const {
    if (!saved_ && !strippedOnly_) {
        return {};
    }
    const fs::path backup = platform::TemporaryFileName(saved_ ? kBackPrefix : kStripBackPrefix);
    try {
        CopyWhole(backup, file_);
    } catch (const platform::FileError& error) {
        return platform::Failure{std::string(error.what()) + "; the file before is kept as " +
                                 backup.string()};
    }
    if (saved_) {
        RemoveTemporaryFiles();
    } else {
        Started();
    }
    return {};
}

ExternalProgramRun::ExternalProgramRun(const ExecTable& table, ProgramEndWatch& watch,
                                       LaunchPrompt& prompt, std::function<void()> refresh)
    : table_(table), watch_(watch), prompt_(prompt), refresh_(std::move(refresh)) {}

void ExternalProgramRun::Launch(char letter, const fs::path& file) {
    if (letter < 'A' || letter > 'Z') {
        return;
    }
    const ExecEntry& entry = table_[static_cast<std::size_t>(letter - 'A')];
    if (entry.title.empty()) {
        return;
    }
    const std::string program = platform::Cp932ToUtf8(entry.program);
    const platform::Result<ProgramCommand> command = ProgramCommandFor(entry, file);
    if (!command) {
        prompt_.Show(NotStarted(program, command.Error()));
        return;
    }
    if (entry.options.restoreExif && waitingToRestore_) {
        prompt_.Show("Exif情報の待避復元を行う外部プログラムが終了していません。\n"
                     "そのプログラムを終了してから起動してください。");
        return;
    }
    std::optional<ExifAroundProgram> steps;
    try {
        steps = ExifAroundProgram::Before(entry.options, file);
    } catch (const platform::FileError& error) {
        prompt_.Show("外部プログラム " + program + " の起動前の処理ができません。\n" +
                     error.what());
        return;
    }
    const platform::Result<platform::StartedProcess> started = StartProgram(command.Value());
    if (!started) {
        const platform::Status undone = steps->Undo();
        prompt_.Show(NotStarted(program, started.Error()) +
                     (undone ? std::string() : "\n" + undone.Error()));
        refresh_();
        return;
    }
    steps->Started();
    waitingToRestore_ = waitingToRestore_ || steps->HoldsTemporaryFiles();
    watch_.WhenEnded(started.Value(), [this, program, steps = *steps] {
        if (steps.HoldsTemporaryFiles()) {
            waitingToRestore_ = false;
        }
        if (const platform::Status after = steps.After(); !after) {
            prompt_.Show("外部プログラム " + program + " の終了後の処理ができません。\n" +
                         after.Error());
        }
        refresh_();
    });
}

} // namespace shell
