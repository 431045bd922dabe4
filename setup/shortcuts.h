#pragma once

// Shortcuts of [ShortCut]: the links the option boxes select, made with MakeShortcut.

#include "platform/result.h"
#include "setup/install_run.h"

#include <string>
#include <string_view>

namespace setup {

// Makes a link to target: ".lnk" is added unless the link holds it; an empty or missing working
// folder becomes the target's folder; the link's folder is created. A target that is itself a
// link (".LNK") is copied. Returns the file made, which for a DOS program is the ".pif".
[[nodiscard]] platform::Result<std::string> MakeShortcut(std::string_view target,
                                                         std::string_view link,
                                                         std::string_view workFolder,
                                                         std::string_view arguments);

// The link path of an entry before expansion: the target's name for "Default", and a name
// without "(" or ")" placed in (Sta) unless it starts with a drive ("D:\Links\A" stays).
[[nodiscard]] std::string ShortcutLinkText(const ShortcutEntry& entry,
                                           std::string_view expandedTarget);

[[nodiscard]] Flow MakeShortcuts(InstallRun& run);

} // namespace setup
