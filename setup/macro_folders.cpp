#include "setup/macro_folders.h"

#include "platform/special_folders.h"
#include "platform/windows_folders.h"
#include "setup/file_primitives.h"
#include "setup/text_primitives.h"

#include <string>

namespace setup {
namespace {

using platform::SpecialFolder;

std::string Obtained(const platform::Result<std::string>& folder) {
    return folder ? folder.Value() : std::string();
}

struct SpecialMacro {
    Macro macro;
    SpecialFolder folder;
    Macro outsideNt; // the macro whose value it takes where there are no all-users folders
};

constexpr SpecialMacro kSpecialMacros[] = {
    {Macro::Smn, SpecialFolder::StartMenu, Macro::Smn},
    {Macro::Sta, SpecialFolder::Programs, Macro::Sta},
    {Macro::Dsk, SpecialFolder::DesktopDirectory, Macro::Dsk},
    {Macro::Sup, SpecialFolder::Startup, Macro::Sup},
    {Macro::Sen, SpecialFolder::SendTo, Macro::Sen},
    {Macro::CSmn, SpecialFolder::CommonStartMenu, Macro::Smn},
    {Macro::CSta, SpecialFolder::CommonPrograms, Macro::Sta},
    {Macro::CDsk, SpecialFolder::CommonDesktopDirectory, Macro::Dsk},
    {Macro::CSup, SpecialFolder::CommonStartup, Macro::Sup},
};

// The registry's Program Files folder when it exists, else "\Program Files\" on the drive of
// the Windows folder.
std::string ProgramFiles(const std::string& windowsFolder) {
    const std::string stored = Obtained(platform::ProgramFilesFolder());
    if (!stored.empty() && FolderExists(stored)) {
        return stored;
    }
    return windowsFolder.substr(0, 2) + "\\Program Files\\";
}

} // namespace

PathMacros ResolvePathMacros(std::string_view programFolder) {
    PathMacros macros;
    macros.Set(Macro::Win, Obtained(platform::WindowsFolder()));
    macros.Set(Macro::Sys, Obtained(platform::SystemFolder()));
    const std::string temporary = Obtained(platform::TemporaryFolder());
    macros.Set(Macro::Tmp, temporary.empty() ? programFolder : std::string_view(temporary));
    macros.Set(Macro::Prg, ProgramFiles(macros.Value(Macro::Win)));
    macros.Set(Macro::Boo, DriveOf(macros.Value(Macro::Win)));
    macros.Set(Macro::Edr, DriveOf(programFolder));
    const bool nt = platform::CurrentPlatform() == platform::PlatformId::WindowsNt;
    for (const SpecialMacro& special : kSpecialMacros) {
        if (special.macro == special.outsideNt || nt) {
            macros.Set(special.macro, Obtained(platform::SpecialFolderPath(special.folder)));
        } else {
            macros.Set(special.macro, macros.Value(special.outsideNt));
        }
    }
    return macros;
}

} // namespace setup
