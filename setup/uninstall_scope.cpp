#include "setup/uninstall_scope.h"

#include "platform/codepage.h"
#include "platform/drives.h"
#include "platform/machine_folder.h"
#include "setup/host_paths.h"
#include "setup/messages.h"
#include "setup/resolved_paths.h"
#include "setup/text_primitives.h"
#include "setup/uninstall_log.h"
#include "setup/uninstall_messages.h"

namespace setup {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCommonFiles = "Common Files\\";
// Files in the Windows folder that every install shares: the folder memory and the
// uninstaller.
constexpr std::string_view kMachineFiles[] = {"ORSET98.INI", "UNORSET.EXE"};
constexpr std::string_view kShortcutExtensions[] = {".LNK", ".PIF"};
constexpr Macro kShellMacros[] = {Macro::Smn,  Macro::Sta,  Macro::Dsk,  Macro::Sup, Macro::Sen,
                                  Macro::CSmn, Macro::CSta, Macro::CDsk, Macro::CSup};

std::optional<fs::path> FolderOf(std::string_view windowsFolder) {
    const auto host = HostPathOf(windowsFolder);
    return host ? std::optional<fs::path>(FullyResolved(*host)) : std::nullopt;
}

bool HasWildcard(std::string_view path) {
    const std::string name = FileNamePart(path);
    return FindByte(name, '*') != std::string::npos || FindByte(name, '?') != std::string::npos;
}

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(fs::symlink_status(path, error));
}

bool EndsWithNoCase(std::string_view name, std::string_view tail) {
    return name.size() >= tail.size() &&
           EqualNoCaseCp932(name.substr(name.size() - tail.size()), tail);
}

} // namespace

std::string RefusalText(Refusal refusal) {
    std::string_view reason;
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::Protected:
        reason = text::kProtectedFolder;
        break;
    case Refusal::MachineFile:
        reason = text::kMachineFile;
        break;
    case Refusal::Outside:
        reason = text::kOutsideInstallFolder;
        break;
    case Refusal::Pattern:
        reason = text::kPatternOutside;
        break;
    case Refusal::DeleteAll:
        reason = text::kDeleteAllRefused;
        break;
    }
    return Cp932Text(reason) + std::string(kCrLf);
}

UninstallScope::UninstallScope(const PathMacros& macros, std::string_view logLocation,
                               ProtectedFolders protectedFolders)
    : protected_(std::move(protectedFolders)) {
    const std::string& install = macros.Value(Macro::App);
    if (platform::Result<fs::path> machine = platform::MachineFolderPath()) {
        machine_ = FullyResolved(machine.Value());
    }
    if (platform::Result<fs::path> driveC = platform::DriveCFolder()) {
        driveC_ = FullyResolved(driveC.Value());
    }
    install_ = FolderOf(install);
    const bool inRegistryStore =
        install_ && IsWithin(*install_, machine_) && !IsWithin(*install_, driveC_);
    if (protected_.WouldDelete(install) || inRegistryStore) {
        install_.reset();
    }
    const auto logFolder = logLocation.empty() ? std::nullopt : FolderOf(FolderPart(logLocation));
    recorded_ = install_ && logFolder == install_;
    programs_ = FolderOf(macros.Value(Macro::Prg)).value_or(fs::path());
    commonFiles_ =
        FolderOf(macros.Value(Macro::Prg) + std::string(kCommonFiles)).value_or(fs::path());
    windows_ = FolderOf(macros.Value(Macro::Win)).value_or(fs::path());
    for (const Macro macro : {Macro::Win, Macro::Sys}) {
        if (auto folder = FolderOf(macros.Value(macro))) {
            sharedFolders_.push_back(std::move(*folder));
        }
    }
    for (const Macro macro : kShellMacros) {
        if (auto folder = FolderOf(macros.Value(macro))) {
            shellFolders_.push_back(std::move(*folder));
        }
    }
}

Refusal UninstallScope::Untouchable(std::string_view windowsPath, const fs::path& resolved) const {
    if (protected_.WouldDelete(windowsPath) || (install_ && IsBelow(*install_, resolved))) {
        return Refusal::Protected;
    }
    if (!machine_.empty() && IsWithin(resolved, machine_) && !IsWithin(resolved, driveC_)) {
        return Refusal::MachineFile;
    }
    const std::string name = platform::PathToCp932(resolved.filename());
    for (const std::string_view machineFile : kMachineFiles) {
        if (resolved.parent_path() == windows_ && EqualNoCaseCp932(name, machineFile)) {
            return Refusal::MachineFile;
        }
    }
    return Refusal::None;
}

bool UninstallScope::IsSharedFile(const fs::path& resolved) const {
    if (IsFolder(resolved)) {
        return false;
    }
    for (const fs::path& folder : sharedFolders_) {
        if (resolved.parent_path() == folder) {
            return true;
        }
    }
    return !commonFiles_.empty() && IsBelow(resolved, commonFiles_);
}

bool UninstallScope::BelowShellFolder(const fs::path& resolved) const {
    for (const fs::path& folder : shellFolders_) {
        if (IsBelow(resolved, folder)) {
            return true;
        }
    }
    return false;
}

Refusal UninstallScope::ForFile(std::string_view path) const {
    const auto host = HostPathOf(path);
    if (!host) {
        return Refusal::None; // names no file: the deletion fails and says so
    }
    if (HasWildcard(path)) {
        const bool inside = install_ && IsWithin(FullyResolved(host->parent_path()), *install_);
        return inside ? Refusal::None : Refusal::Pattern;
    }
    const fs::path resolved = ResolvedForDeletion(*host);
    if (const Refusal refusal = Untouchable(path, resolved); refusal != Refusal::None) {
        return refusal;
    }
    if ((install_ && IsBelow(resolved, *install_)) || IsSharedFile(resolved)) {
        return Refusal::None;
    }
    return Refusal::Outside;
}

Refusal UninstallScope::ForShortcut(std::string_view path) const {
    const auto host = HostPathOf(path);
    if (!host) {
        return Refusal::None;
    }
    const fs::path resolved = ResolvedForDeletion(*host);
    if (const Refusal refusal = Untouchable(path, resolved); refusal != Refusal::None) {
        return refusal;
    }
    if (install_ && IsBelow(resolved, *install_)) {
        return Refusal::None;
    }
    const std::string name = FileNamePart(path);
    bool shortcutName = false;
    for (const std::string_view extension : kShortcutExtensions) {
        shortcutName = shortcutName || EndsWithNoCase(name, extension);
    }
    return shortcutName && !IsFolder(resolved) && BelowShellFolder(resolved) ? Refusal::None
                                                                             : Refusal::Outside;
}

Refusal UninstallScope::ForFolder(std::string_view folder) const {
    const auto host = HostPathOf(RemovePathDelimiter(folder, PathSide::Bottom));
    if (!host) {
        return Refusal::None;
    }
    // A folder is emptied through whatever it links to, so it is judged where it leads.
    const fs::path resolved = FullyResolved(*host);
    if (const Refusal refusal = Untouchable(folder, resolved); refusal != Refusal::None) {
        return refusal;
    }
    const bool shared = !commonFiles_.empty() && IsWithin(resolved, commonFiles_);
    if ((install_ && IsWithin(resolved, *install_)) || BelowShellFolder(resolved) || shared) {
        return Refusal::None;
    }
    return Refusal::Outside;
}

bool UninstallScope::MayRemoveShortcutFolder(std::string_view folder) const {
    const auto host = HostPathOf(RemovePathDelimiter(folder, PathSide::Bottom));
    if (!host || protected_.WouldDelete(folder)) {
        return false;
    }
    const fs::path resolved = FullyResolved(*host);
    return BelowShellFolder(resolved) || (install_ && IsBelow(resolved, *install_));
}

Refusal UninstallScope::ForInstallFolder(bool deleteAll) const {
    if (!install_) {
        return Refusal::Protected;
    }
    if (deleteAll && !(recorded_ && !programs_.empty() && IsBelow(*install_, programs_))) {
        return Refusal::DeleteAll;
    }
    return Refusal::None;
}

bool UninstallScope::Inside(std::string_view path) const {
    const auto host = HostPathOf(path);
    return install_ && host && IsBelow(ResolvedForDeletion(*host), *install_);
}

bool UninstallScope::IsInstallLog(std::string_view path) const {
    const auto host = HostPathOf(path);
    return install_ && host &&
           ResolvedForDeletion(*host) == *install_ / platform::Cp932ToPath(kUninstallLogName);
}

} // namespace setup
