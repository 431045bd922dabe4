#include "platform/special_folders.h"

#include "platform/drives.h"
#include "platform/windows_folders.h"

#include <string_view>

namespace platform {
namespace {

struct FolderPlace {
    SpecialFolder folder;
    std::string_view path;
    bool ntOnly;
};

// The one table of special folders.
constexpr FolderPlace kPlaces[] = {
    {SpecialFolder::Programs, "C:\\WINDOWS\\Start Menu\\Programs", false},
    {SpecialFolder::Startup, "C:\\WINDOWS\\Start Menu\\Programs\\StartUp", false},
    {SpecialFolder::SendTo, "C:\\WINDOWS\\SendTo", false},
    {SpecialFolder::StartMenu, "C:\\WINDOWS\\Start Menu", false},
    {SpecialFolder::DesktopDirectory, "C:\\WINDOWS\\Desktop", false},
    {SpecialFolder::CommonStartMenu, "C:\\WINDOWS\\All Users\\Start Menu", true},
    {SpecialFolder::CommonPrograms, "C:\\WINDOWS\\All Users\\Start Menu\\Programs", true},
    {SpecialFolder::CommonStartup, "C:\\WINDOWS\\All Users\\Start Menu\\Programs\\StartUp", true},
    {SpecialFolder::CommonDesktopDirectory, "C:\\WINDOWS\\All Users\\Desktop", true},
};

} // namespace

Result<std::string> SpecialFolderPath(SpecialFolder folder) {
    for (const FolderPlace& place : kPlaces) {
        if (place.folder != folder) {
            continue;
        }
        if (place.ntOnly && CurrentPlatform() != PlatformId::WindowsNt) {
            return Failure{"special folder " + std::to_string(static_cast<int>(folder)) +
                           " exists only on NT"};
        }
        if (Status created = CreateWindowsFolder(place.path); !created) {
            return Failure{created.Error()};
        }
        return std::string(place.path);
    }
    return Failure{"special folder " + std::to_string(static_cast<int>(folder)) + " is not known"};
}

} // namespace platform
