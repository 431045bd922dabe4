#include "setup/uninstall_files.h"

#include "setup/file_primitives.h"
#include "setup/messages.h"
#include "setup/shared_dlls.h"
#include "setup/text_primitives.h"
#include "setup/uninstall_messages.h"

namespace setup {
namespace {

constexpr std::size_t kOptionCharacters = 5;

bool Holds(const FileEntryOptions& entry, std::string_view flag) {
    return PosNoCase(flag, entry.options) != 0;
}

FileDecision AskToDelete(UninstallRun& run, const std::string& path, std::string_view question) {
    const Answer answer =
        run.Ask({path + Cp932Text(question), Cp932Text(text::kDeleteFileTitle),
                 MessageIcon::Question, MessageButtons::YesNo, QuestionTopic::DeleteFile});
    return answer == Answer::Yes ? FileDecision::Delete : FileDecision::Keep;
}

// A component server (".OCX", ".DLL") lying directly in the Windows or System folder.
bool IsSystemServer(const UninstallRun& run, const std::string& path) {
    const std::string name = FileNamePart(path);
    if (PosNoCase(".OCX", name) == 0 && PosNoCase(".DLL", name) == 0) {
        return false;
    }
    const std::string folder = FolderPart(path);
    return EqualNoCaseCp932(folder, run.macros.Value(Macro::Win)) ||
           EqualNoCaseCp932(folder, run.macros.Value(Macro::Sys));
}

// A file that no program counts.
FileDecision DecideUncounted(UninstallRun& run, const FileEntryOptions& entry) {
    if (Holds(entry, "/C")) {
        return AskToDelete(run, entry.path, text::kDeleteCommonFile);
    }
    if (Holds(entry, "/L")) {
        return FileDecision::Keep;
    }
    if (Holds(entry, "/F")) {
        return FileDecision::Delete;
    }
    if (IsSystemServer(run, entry.path)) {
        return AskToDelete(run, entry.path, text::kDeleteUnsharedServer);
    }
    return FileDecision::Delete;
}

// The shared-file dialog, unless an earlier answer was for all files.
FileDecision AskAboutSharedFile(UninstallRun& run, const std::string& path) {
    SharedFileAnswer answer = SharedFileAnswer::No;
    if (run.sharedFilesAnswer) {
        answer = *run.sharedFilesAnswer;
    } else {
        answer = run.ports.sharedFiles.Ask(path + Cp932Text(text::kDeleteSharedFile));
        if (answer == SharedFileAnswer::DeleteAll || answer == SharedFileAnswer::KeepAll) {
            run.sharedFilesAnswer = answer;
        }
    }
    return answer == SharedFileAnswer::Yes || answer == SharedFileAnswer::DeleteAll
               ? FileDecision::Delete
               : FileDecision::Keep;
}

// A file that some program counts: only this install's "/S" lowers the count, and the file
// may go once nobody counts it.
FileDecision DecideCounted(UninstallRun& run, const FileEntryOptions& entry) {
    if (!Holds(entry, "/S")) {
        return FileDecision::Keep;
    }
    platform::Result<std::int64_t> lowered =
        ChangeSharedDllCount(entry.path, CountChange::Decrement);
    if (!lowered) {
        run.report.AddFailure(report_tag::kFile, entry.path, lowered.Error());
        return FileDecision::Keep;
    }
    return lowered.Value() == 0 ? AskAboutSharedFile(run, entry.path) : FileDecision::Keep;
}

// A copied file that is not what the install left there: changed since, or never made by the
// install (a file of the user's that the copy kept). The log of an install that kept no
// records tells nothing of this, and the log itself changes to the end.
bool NotAsInstalled(const UninstallRun& run, const std::string& path) {
    const InstalledFiles& installed = run.log.lists.installed;
    if (!installed.kept || run.scope.IsInstallLog(path) || !IsPlainFile(path)) {
        return false;
    }
    return installed.Find(path) != RecordOf(path);
}

// Keeps a copied file that is not as installed and says so, unless the install folder is about
// to go with everything in it.
bool KeepsChangedFile(UninstallRun& run, const std::string& path) {
    if (!NotAsInstalled(run, path)) {
        return false;
    }
    const bool goesWithFolder = run.options.deleteAll && run.scope.Inside(path) &&
                                run.scope.ForInstallFolder(true) == Refusal::None;
    if (!goesWithFolder) {
        run.report.Add(report_tag::kFile, path, Cp932Text(text::kChangedFile) + std::string(kCrLf));
    }
    return true;
}

void RemoveFile(UninstallRun& run, std::string_view text, bool copied) {
    const FileEntryOptions entry = ReadFileEntry(text);
    if (entry.path.empty() ||
        run.Refuses(report_tag::kFile, entry.path, run.scope.ForFile(entry.path)) ||
        DecideFile(run, entry) == FileDecision::Keep ||
        (copied && KeepsChangedFile(run, entry.path))) {
        return;
    }
    const platform::SystemError code = DeletePath(entry.path);
    if (copied && code != platform::kErrorSuccess) {
        run.report.AddSystemError(report_tag::kFile, entry.path, code);
    }
}

} // namespace

FileEntryOptions ReadFileEntry(std::string_view entry) {
    LogEntryParts parts = SplitLogEntry(entry);
    return {std::move(parts.path), parts.options.substr(0, kOptionCharacters)};
}

FileDecision DecideFile(UninstallRun& run, const FileEntryOptions& entry) {
    return SharedDllCount(entry.path) == 0 ? DecideUncounted(run, entry)
                                           : DecideCounted(run, entry);
}

void RemoveFiles(UninstallRun& run) {
    for (const std::string& entry : run.log.lists.files) {
        RemoveFile(run, entry, true);
    }
    for (const std::string& entry : run.log.lists.addedFiles) {
        RemoveFile(run, entry, false);
    }
    // The log of an install stopped before it listed itself goes all the same.
    if (run.scope.IsInstallLog(run.log.location) && IsPlainFile(run.log.location)) {
        (void)DeletePath(run.log.location);
    }
}

} // namespace setup
