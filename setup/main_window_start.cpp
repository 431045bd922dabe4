#include "setup/main_window_start.h"

#include "setup/file_primitives.h"
#include "setup/folder_proposal.h"
#include "setup/host_paths.h"
#include "setup/install_options.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"
#include "setup/uninstall_engine.h"
#include "setup/window_messages.h"

#include <fstream>
#include <iterator>

namespace setup {
namespace {

// The window as designed, before either mode sets it up.
MainWindowStart Designed(std::string caption) {
    MainWindowStart start;
    start.caption = std::move(caption);
    start.folderFrame = Cp932Text(text::kFolderFrame);
    start.optionFrame = Cp932Text(text::kOptionFrame);
    start.overwrite = {Cp932Text(text::kOverwriteBox), true, true, true};
    start.boxFrame = Cp932Text(text::kShortcutFrame);
    const std::string_view captions[] = {text::kDesktopBox, text::kStartMenuBox, text::kStartupBox,
                                         text::kSendToBox};
    for (std::size_t i = 0; i < start.boxes.size(); ++i) {
        start.boxes[i] = {Cp932Text(captions[i]), false, false, true};
    }
    start.eventButton = Cp932Text(text::kStartButton);
    start.endButton = Cp932Text(text::kEndButton);
    return start;
}

// The read-me beside the installer; none when the script names none or it is not there.
std::optional<std::string> ReadReadme(const SetupSession& session, const ReadmeSection& readme) {
    if (readme.file.empty()) {
        return std::nullopt;
    }
    const std::string path =
        session.programFolder + RemovePathDelimiter(readme.file, PathSide::Top);
    const auto host = HostPathOf(path);
    if (!host || !FileExists(path)) {
        return std::nullopt;
    }
    std::ifstream stream(*host, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace

ScrollBars ScrollBarsOf(std::string_view text) {
    if (text == "ssHorizontal") {
        return ScrollBars::Horizontal;
    }
    return text == "ssBoth" ? ScrollBars::Both : ScrollBars::Vertical;
}

std::string SetupWelcome(const std::array<std::string, 5>& topMessages) {
    std::string welcome;
    for (const std::string& line : topMessages) {
        if (!line.empty()) {
            welcome += line + "\r";
        }
    }
    if (welcome.empty()) {
        welcome = Cp932Text(text::kDefaultWelcome) + "\r";
    }
    return welcome + "\r" + Cp932Text(text::kCloseProgramsNote);
}

MainWindowStart StartAfterErrors(const SetupSession& session) {
    MainWindowStart start = Designed(Cp932Text(text::kDefaultTitle));
    start.welcome = session.startupErrors;
    start.eventEnabled = false;
    start.endButton = Cp932Text(text::kEndOnlyButton);
    return start;
}

MainWindowStart StartSetup(const SetupSession& session, const SetupScript& script,
                           const PathMacros& macros) {
    MainWindowStart start = Designed(script.title.setup);
    const bool changeable = script.extend.optionsEnabled;
    const InstallOptions shortcuts = DefaultInstallOptions(script);
    const bool wanted[] = {shortcuts.desktop, shortcuts.startMenu, shortcuts.startup,
                           shortcuts.sendTo};
    for (std::size_t i = 0; i < start.boxes.size(); ++i) {
        start.boxes[i].checked = wanted[i];
        start.boxes[i].enabled = wanted[i] && changeable;
    }
    start.overwrite.enabled = changeable;
    start.folderEnabled = changeable;
    start.referEnabled = changeable;
    start.folder = ProposeInstallFolder(script, macros);
    start.welcome = SetupWelcome(script.topMessages);
    if (std::optional<std::string> readme = ReadReadme(session, script.readme)) {
        start.page = MainPage::Readme;
        start.readme = std::move(*readme);
        start.readmeFrame = script.readme.title;
        start.scrollBars = ScrollBarsOf(script.readme.scrollBars);
        start.eventButton = Cp932Text(text::kGoOnButton);
        start.eventFocused = true;
    }
    return start;
}

MainWindowStart StartUnsetup(const UninstallLog& log, const PathMacros& macros) {
    MainWindowStart start =
        Designed(log.title.empty() ? Cp932Text(text::kDefaultTitle) : log.title);
    start.welcome = Cp932Text(text::kUninstallWelcome);
    start.folderFrame = Cp932Text(text::kUninstallFolderFrame);
    start.folder = LoggedInstallFolder(log, macros);
    start.folderReadOnly = true;
    start.referEnabled = false;
    start.eventButton = Cp932Text(text::kUninstallStartButton);
    start.endButton = Cp932Text(text::kUninstallEndButton);
    start.optionFrame = Cp932Text(text::kUninstallOptionFrame);
    start.overwrite.visible = false;
    start.boxFrame = Cp932Text(text::kUninstallBoxFrame);
    const UninstallBoxes boxes = UninstallBoxesOf(log.unSetupOption);
    start.boxes = boxes.boxes;
    start.firstBoxFullWidth = boxes.firstBoxFullWidth;
    start.uninstallInfoShown = true;
    return start;
}

} // namespace setup
