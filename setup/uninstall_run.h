#pragma once

// The state of one uninstall, shared by its steps: the log, the options, the ports, the
// answers that carry over between files, and the report of what failed.

#include "setup/error_report.h"
#include "setup/path_macros.h"
#include "setup/ports.h"
#include "setup/protected_folders.h"
#include "setup/uninstall_log.h"
#include "setup/uninstall_options.h"

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
                 UninstallPorts ports, ProtectedFolders protectedFolders);

    const UninstallLog& log;
    PathMacros& macros;
    UninstallOptions options;
    UninstallPorts ports;
    ProtectedFolders protectedFolders;

    ErrorReport report;
    // "すべて削除" or "すべて保存" of the shared-file dialog, which then answers every later file.
    std::optional<SharedFileAnswer> sharedFilesAnswer;

    void Show(const std::string& message);
    [[nodiscard]] Answer Ask(MessageBox box);

    // Deletes the path (DeletePath) unless that would delete a protected folder, which is
    // reported under the tag instead; none then, else the deletion's error code.
    [[nodiscard]] std::optional<platform::SystemError> DeleteUnlessProtected(std::string_view tag,
                                                                             std::string_view path);
    // Whether the folder is protected; reported under the tag when it is.
    [[nodiscard]] bool RefuseProtected(std::string_view tag, std::string_view path);
};

} // namespace setup
