#pragma once

// The state of one uninstall, shared by its steps: the log, the options, the ports, the
// answers that carry over between files, and the report of what failed.

#include "setup/error_report.h"
#include "setup/path_macros.h"
#include "setup/ports.h"
#include "setup/uninstall_log.h"
#include "setup/uninstall_options.h"
#include "setup/uninstall_scope.h"

#include <optional>
#include <string>
#include <string_view>

namespace setup {

enum class UninstallOutcome {
    Completed, // ran to the end, perhaps with failures in the report
    Stopped,   // the log names no install folder: nothing was done
};

struct UninstallPorts {
    MessagePort& messages;
    StatusPort& status;
    MainWindowPort& mainWindow;
    SharedFilePort& sharedFiles;
};

struct UninstallRun {
    UninstallRun(const UninstallLog& log, PathMacros& macros, UninstallOptions options,
                 UninstallPorts ports, UninstallScope scope);

    const UninstallLog& log;
    PathMacros& macros;
    UninstallOptions options;
    UninstallPorts ports;
    UninstallScope scope;

    ErrorReport report;
    // "すべて削除" or "すべて保存" of the shared-file dialog, which then answers every later file.
    std::optional<SharedFileAnswer> sharedFilesAnswer;

    void Show(const std::string& message);
    [[nodiscard]] Answer Ask(MessageBox box);

    // Whether the entry is refused; a refusal is reported under the tag with its reason.
    [[nodiscard]] bool Refuses(std::string_view tag, std::string_view path, Refusal refusal);
};

} // namespace setup
