#include "setup/shortcuts.h"

#include "platform/codepage.h"
#include "platform/shell_link.h"
#include "setup/file_primitives.h"
#include "setup/host_paths.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"

namespace setup {
namespace {

platform::Failure Unmade(std::string_view link, std::string_view reason) {
    return {"cannot make the shortcut " + platform::Cp932ToUtf8(link) + ": " + std::string(reason)};
}

} // namespace

platform::Result<std::string> MakeShortcut(std::string_view target, std::string_view link,
                                           std::string_view workFolder,
                                           std::string_view arguments) {
    std::string linkFile(link);
    if (PosNoCase(".lnk", linkFile) == 0) {
        linkFile += ".lnk";
    }
    std::string folder(workFolder);
    if (folder.empty() || !FolderExists(folder)) {
        folder = FolderPart(target);
    }
    folder = AddPathDelimiter(folder, PathSide::Bottom);
    const std::string linkFolder = FolderPart(linkFile);
    if (!FolderExists(linkFolder)) {
        (void)ForceFolders(linkFolder);
    }
    if (PosNoCase(".LNK", FileNamePart(target)) != 0) {
        const platform::SystemError code = CopyOneFile(target, linkFile);
        if (code != platform::kErrorSuccess) {
            return Unmade(linkFile, platform::Cp932ToUtf8(SystemErrorText(code)));
        }
        return linkFile;
    }
    const auto host = HostPathOf(linkFile);
    if (!host) {
        return Unmade(linkFile, "it names no drive of this machine");
    }
    const platform::ShellLink shellLink{
        std::string(target), folder, std::string(arguments), {}, {}, 0};
    platform::Result<std::filesystem::path> saved = platform::SaveShellLink(shellLink, *host);
    if (!saved) {
        return platform::Failure{saved.Error()};
    }
    return FileExists(linkFile) ? linkFile : ChangeFileExtension(linkFile, ".pif");
}

std::string ShortcutLinkText(const ShortcutEntry& entry, std::string_view expandedTarget) {
    std::string link =
        entry.link == kDefaultShortcutName ? FileNamePart(expandedTarget) : entry.link;
    const bool bare = FindByte(link, '(') == std::string::npos &&
                      FindByte(link, ')') == std::string::npos && !HasDriveLetter(link);
    if (bare) {
        link = std::string(MacroName(Macro::Sta)) + link;
    }
    return link;
}

Flow MakeShortcuts(InstallRun& run) {
    for (const ShortcutEntry& entry : run.script.shortcuts) {
        if (!ShortcutSelected(entry.link, run.request.options)) {
            continue;
        }
        const std::string target = run.Expand(entry.target);
        const std::string link = run.Expand(ShortcutLinkText(entry, target));
        run.Show(Cp932Text(text::kCreatingShortcut) + target + "\r" +
                 Cp932Text(text::kCreatingShortcutLink) + RemovePathDelimiter(link, PathSide::Top));
        platform::Result<std::string> made =
            MakeShortcut(target, link, run.Expand(entry.workFolder), run.Expand(entry.arguments));
        if (made) {
            run.Record(LogListId::Shortcuts, made.Value());
        } else {
            run.report.AddFailure(report_tag::kShortcut, link, made.Error());
        }
        if (run.EndStep() == Flow::Stop) {
            return Flow::Stop;
        }
    }
    return Flow::Go;
}

} // namespace setup
