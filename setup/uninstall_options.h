#pragma once

// The option boxes of the main window in UNSETUP mode, as [UnSetupOption] CheckBox of the log
// sets them, and what the uninstall reads from them: delete everything under the install
// folder, or the file patterns removed with the copied files.

#include <array>
#include <string>
#include <string_view>

namespace setup {

inline constexpr std::string_view kDeleteAllOption = "DeleteAll";
inline constexpr std::string_view kDefaultUnSetupOption = "0,0,0,0";

// One of the four boxes of the frame that holds the shortcut boxes in SETUP mode.
struct OptionBox {
    std::string caption; // CP932
    bool checked = false;
    bool enabled = false;
    bool visible = true;
};

struct UninstallBoxes {
    std::array<OptionBox, 4> boxes;
    bool firstBoxFullWidth = false; // the delete-all box spans the frame
};

// "DeleteAll": the first box deletes everything, on; the others hidden and off. Otherwise the
// first two boxes are "*.INI" and "*.GID" files, on when the 1st and the 3rd character of the
// value are "1"; the last two have no caption and stay disabled.
[[nodiscard]] UninstallBoxes UninstallBoxesOf(std::string_view checkBox);

struct UninstallOptions {
    bool deleteAll = false;
    std::string patterns; // each ended by "|", as "*.INI|*.GID|"
};

// Delete-all when the first box is ticked and the other three are hidden; otherwise "*.INI|"
// for the first box and "*.GID|" for the second.
[[nodiscard]] UninstallOptions UninstallOptionsOf(const UninstallBoxes& boxes);

} // namespace setup
