#pragma once

// Delete of the selected files, without a dialog: "ファイル削除(&D)..." (key Del) puts them in
// the trash, the hidden "ファイル削除2..." (key Shift+Del) deletes them for good. Both confirm
// the planned rows first.

#include "commands/file_command_ports.h"
#include "platform/shell_file_operation.h"

namespace commands {

// The rows ("削除ファイル", "待避場所": "ごみ箱", or empty for a permanent delete), the
// confirmation, and the shell's delete of the ticked files. The main window is refreshed when
// at least one row was ticked.
[[nodiscard]] FileCommandResult RunDeleteCommand(platform::DeleteKind kind,
                                                 const FileCommandContext& context,
                                                 FileCommandPorts& ports);

} // namespace commands
