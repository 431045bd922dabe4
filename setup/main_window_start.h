#pragma once

// What the main window shows when it first activates: its caption, the welcome text, the page,
// the folder box, the option boxes and the buttons, in SETUP mode from the script, in UNSETUP
// mode from the log, and after start-up errors only those. The window applies it as it is.

#include "setup/path_macros.h"
#include "setup/script.h"
#include "setup/session.h"
#include "setup/uninstall_log.h"
#include "setup/uninstall_options.h"

#include <array>
#include <string>

namespace setup {

enum class MainPage { Readme, Options };
enum class ScrollBars { Vertical, Horizontal, Both };

// [Readme] ScrollBars: "ssHorizontal" and "ssBoth"; anything else is vertical.
[[nodiscard]] ScrollBars ScrollBarsOf(std::string_view text);

// All texts CP932; "\r" separates lines.
struct MainWindowStart {
    std::string caption; // the setup or uninstall title
    std::string welcome;
    MainPage page = MainPage::Options;
    std::string readmeFrame;
    std::string readme;
    ScrollBars scrollBars = ScrollBars::Vertical;

    std::string folderFrame;
    std::string folder;
    bool folderEnabled = true; // the folder box and its browse button follow [Extend] Enabled
    bool folderReadOnly = false;
    bool referEnabled = true;

    std::string optionFrame;
    OptionBox overwrite;
    std::string boxFrame;
    // Desktop, start menu, startup and send to; in UNSETUP mode the boxes of [UnSetupOption].
    std::array<OptionBox, 4> boxes;
    bool firstBoxFullWidth = false;
    bool uninstallInfoShown = false;

    std::string eventButton;
    bool eventEnabled = true;
    bool eventFocused = false;
    std::string endButton;
};

[[nodiscard]] MainWindowStart StartAfterErrors(const SetupSession& session);
[[nodiscard]] MainWindowStart StartSetup(const SetupSession& session, const SetupScript& script,
                                         const PathMacros& macros);
[[nodiscard]] MainWindowStart StartUnsetup(const UninstallLog& log, const PathMacros& macros);

// The welcome text of SETUP mode: the non-empty [TopMessage] lines (or "セットアップを行います．"),
// then an empty line and the note to close every program.
[[nodiscard]] std::string SetupWelcome(const std::array<std::string, 5>& topMessages);

} // namespace setup
