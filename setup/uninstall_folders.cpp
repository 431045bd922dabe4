#include "setup/uninstall_folders.h"

#include "setup/file_primitives.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"
#include "setup/uninstall_messages.h"

#include <iterator>

namespace setup {
namespace {

constexpr std::string_view kEverything = "*.*|";
constexpr std::size_t kDriveRootLength = 3; // "C:\"

// The shell's own folders, which stay even when a removed shortcut leaves them empty.
constexpr Macro kShellFolders[] = {Macro::Sta,  Macro::Dsk,  Macro::Sup, Macro::Sen,
                                   Macro::CSta, Macro::CDsk, Macro::CSup};

bool IsShellFolder(const PathMacros& macros, std::string_view folder) {
    for (const Macro macro : kShellFolders) {
        if (EqualNoCaseCp932(folder, macros.Value(macro))) {
            return true;
        }
    }
    return false;
}

// An empty folder is removed; a folder with entries or a missing one is left alone.
platform::SystemError RemoveIfEmpty(std::string_view folder) {
    const platform::SystemError code = RemoveFolder(folder);
    return code == platform::kErrorDirNotEmpty || code == platform::kErrorFileNotFound
               ? platform::kErrorSuccess
               : code;
}

bool IsInstallFolder(const UninstallRun& run, std::string_view folder) {
    return EqualNoCaseCp932(AddPathDelimiter(folder, PathSide::Bottom),
                            run.macros.Value(Macro::App));
}

void RemoveLoggedFolder(UninstallRun& run, const std::string& folder) {
    if (!FolderExists(folder) ||
        run.Refuses(report_tag::kFolder, folder, run.scope.ForFolder(folder))) {
        return;
    }
    const bool insideInstallFolder = PosNoCase(run.macros.Value(Macro::App), folder) != 0 &&
                                     (run.scope.Inside(folder) || IsInstallFolder(run, folder));
    platform::SystemError code = platform::kErrorSuccess;
    if (insideInstallFolder) {
        code = DeleteFolderPatterns(folder, run.options.patterns);
        if (run.options.deleteAll) {
            return;
        }
    } else {
        code = RemoveIfEmpty(folder);
    }
    if (code != platform::kErrorSuccess) {
        run.report.AddSystemError(report_tag::kFolder, folder, code);
    }
}

} // namespace

void RemoveShortcuts(UninstallRun& run) {
    for (const std::string& shortcut : run.log.lists.shortcuts) {
        if (run.Refuses(report_tag::kShortcut, shortcut, run.scope.ForShortcut(shortcut))) {
            continue;
        }
        if (const platform::SystemError code = DeletePath(shortcut)) {
            run.report.AddSystemError(report_tag::kShortcut, shortcut, code);
        }
        const std::string folder = FolderPart(shortcut);
        if (!folder.empty() && !IsShellFolder(run.macros, folder) &&
            run.scope.MayRemoveShortcutFolder(folder)) {
            (void)RemoveIfEmpty(folder);
        }
    }
}

void RemoveFolders(UninstallRun& run) {
    const auto& folders = run.log.lists.folders.Entries();
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
        RemoveLoggedFolder(run, *folder);
    }
}

bool KeepsInstallFolder(const PathMacros& macros) {
    const std::string& folder = macros.Value(Macro::App);
    for (const Macro kept : {Macro::Tmp, Macro::Win, Macro::Sys, Macro::Prg}) {
        if (EqualNoCaseCp932(folder, macros.Value(kept))) {
            return true;
        }
    }
    return folder.size() == kDriveRootLength;
}

void RemoveInstallFolder(UninstallRun& run) {
    const std::string& folder = run.macros.Value(Macro::App);
    if (KeepsInstallFolder(run.macros) || !FolderExists(folder)) {
        return;
    }
    const Refusal refusal = run.scope.ForInstallFolder(run.options.deleteAll);
    if (run.Refuses(report_tag::kSetupFolder, folder, refusal)) {
        if (refusal == Refusal::DeleteAll) {
            (void)RemoveIfEmpty(folder); // what the install made is gone already
        }
        return;
    }
    const bool deleteAll = run.options.deleteAll;
    const platform::SystemError code =
        DeleteFolderPatterns(folder, deleteAll ? kEverything : run.options.patterns);
    if (code == platform::kErrorSuccess) {
        return;
    }
    if (code == platform::kErrorDirNotEmpty || code == platform::kErrorAccessDenied) {
        const std::string_view why =
            deleteAll ? text::kSetupFolderDeleteAllFailed : text::kSetupFolderFilesLeft;
        run.report.Add(report_tag::kSetupFolder, folder,
                       Cp932Text(why) + Cp932Text(text::kSetupFolderNotDeleted));
    } else {
        run.report.Add(report_tag::kSetupFolder, folder, SystemErrorText(code));
    }
}

} // namespace setup
