#pragma once

// Automatic rename of the selected files in their own folder ("ファイル自動変名"), by shooting
// date or as DCF names. A rename never replaces a file that has the new name already.

#include "commands/file_command_ports.h"
#include "commands/file_plan.h"
#include "shell/settings_store.h"

#include <string>

namespace commands {

// The values of the rename dialog (section FileRename).
struct RenameDialogValues {
    std::string dcfPrefix;                   // EditDCF (CP932)
    std::string editName;                    // EditName (CP932): the hidden choice's text, kept
    NamingChoice naming = NamingChoice::Dcf; // RadioButton2 (ShotDate) or RadioButton3 (Dcf)
    bool operator==(const RenameDialogValues&) const = default;
};

[[nodiscard]] RenameDialogValues LoadRenameDialog(const shell::SettingsStore& store);
// Write failures are not reported, as for every dialog section.
void SaveRenameDialog(shell::SettingsStore& store, const RenameDialogValues& values);

// Plans a new name per file in the file's own folder, confirms, and renames the ticked files
// one by one with the progress window. A file whose new name is taken stays as it is and is
// told at the end. The main window is refreshed when at least one row was ticked.
[[nodiscard]] FileCommandResult RunRenameCommand(const RenameDialogValues& values,
                                                 const exif::NameTemplateSettings& names,
                                                 const FileCommandContext& context,
                                                 FileCommandPorts& ports);

// OKBtnClick of the dialog: the run, then its values written to the section.
[[nodiscard]] FileCommandResult RenameDialogOk(const RenameDialogValues& values,
                                               shell::SettingsStore& store,
                                               const exif::NameTemplateSettings& names,
                                               const FileCommandContext& context,
                                               FileCommandPorts& ports);

} // namespace commands
