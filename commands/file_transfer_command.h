#pragma once

// Copy and move of the selected files into another folder ("ファイルコピー", "ファイル移動"),
// under their own names, shooting-date names or DCF names. The planned rows are confirmed
// first; the ticked ones go to the shell's file operation all at once, which asks before it
// replaces a file and never loses one.

#include "commands/file_command_ports.h"
#include "commands/file_plan.h"
#include "platform/shell_file_operation.h"
#include "shell/settings_store.h"

#include <filesystem>
#include <string>

namespace commands {

// The values of the copy or move dialog (sections FileCopy and FileMove).
struct TransferDialogValues {
    std::filesystem::path folder; // EditFolder: the destination folder
    std::string dcfPrefix;        // EditDCF (CP932)
    std::string editName;         // EditName (CP932): the hidden fourth choice's text, kept
    NamingChoice naming = NamingChoice::Keep;
    bool operator==(const TransferDialogValues&) const = default;
};

[[nodiscard]] TransferDialogValues LoadTransferDialog(const shell::SettingsStore& store,
                                                      platform::TransferKind kind);
// Write failures are not reported, as for every dialog section.
void SaveTransferDialog(shell::SettingsStore& store, platform::TransferKind kind,
                        const TransferDialogValues& values);

// The run of an OK press: an empty folder is told and keeps the dialog open; otherwise the
// rows are planned, confirmed, and the ticked files handed to the shell. The main window is
// refreshed when at least one row was ticked.
[[nodiscard]] FileCommandResult RunTransferCommand(platform::TransferKind kind,
                                                   const TransferDialogValues& values,
                                                   const exif::NameTemplateSettings& names,
                                                   const FileCommandContext& context,
                                                   FileCommandPorts& ports);

// OKBtnClick of the dialog: the run, then its values written to the section (also after the
// confirmation list was cancelled).
[[nodiscard]] FileCommandResult
TransferDialogOk(platform::TransferKind kind, const TransferDialogValues& values,
                 shell::SettingsStore& store, const exif::NameTemplateSettings& names,
                 const FileCommandContext& context, FileCommandPorts& ports);

} // namespace commands
