#pragma once

// The external programs of section Exec as the file list's popup menu offers them, and the port
// through which a chosen entry is started.

#include "shell/settings_exec.h"

#include <filesystem>
#include <string>
#include <vector>

namespace shell {

struct ExternalProgramItem {
    char letter;         // 'A' to 'Z'
    std::string caption; // CP932: "&", the letter, a blank and the title ("&C Viewer")
    bool operator==(const ExternalProgramItem&) const = default;
};

// One item per entry with a title, in letter order; empty when no entry has a title, and the
// list then has no popup menu.
[[nodiscard]] std::vector<ExternalProgramItem> ExternalProgramItems(const ExecTable& table);

// Starts the program of an entry on a file.
class ExternalProgramLauncher {
public:
    virtual ~ExternalProgramLauncher() = default;
    // `letter` is the entry's letter, `file` the first selected file of the list.
    virtual void Launch(char letter, const std::filesystem::path& file) = 0;
    // True while a program started with "E" runs: its file gets its EXIF segment back only when
    // the program ends and this launcher is still there.
    [[nodiscard]] virtual bool WaitingToRestore() const = 0;
};

} // namespace shell
