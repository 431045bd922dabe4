#include "commands/file_rename_command.h"

#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/file_transfer.h"
#include "shell/settings_values.h"

#include <cstring>

namespace commands {
namespace {

std::vector<PlannedFile> PlanRename(const RenameDialogValues& values,
                                    const exif::NameTemplateSettings& names,
                                    const FileCommandContext& context) {
    const NamingRequest request{values.naming == NamingChoice::ShotDate ? NamingChoice::ShotDate
                                                                        : NamingChoice::Dcf,
                                values.dcfPrefix, names};
    const auto folderOf = [](const std::filesystem::path& source) { return source.parent_path(); };
    const auto newNames = NewNames(context.selection, folderOf, request);
    const std::string action = Cp932Text("変名");
    std::vector<PlannedFile> files;
    for (std::size_t i = 0; i < context.selection.size(); ++i) {
        const std::filesystem::path& source = context.selection[i];
        const std::filesystem::path destination = folderOf(source) / newNames[i];
        files.push_back({RowOf(source, action, platform::PathToCp932(source),
                               platform::PathToCp932(destination)),
                         source, destination});
    }
    return files;
}

// "" when the file has its new name, else why not.
std::string RenameOne(const PlannedFile& file) {
    if (file.source == file.destination) {
        return "";
    }
    const platform::TransferError error = platform::RenameNoReplace(file.source, file.destination);
    if (!error) {
        return "";
    }
    return "cannot rename " + file.source.string() + " to " + file.destination.filename().string() +
           ": " + (error.code == EEXIST ? "a file of that name exists" : std::strerror(error.code));
}

} // namespace

RenameDialogValues LoadRenameDialog(const shell::SettingsStore& store) {
    using namespace shell::settings;
    RenameDialogValues values;
    values.dcfPrefix = store.Read(kFileRenameEditDCF);
    values.editName = store.Read(kFileRenameEditName);
    const bool date = store.Read(kFileRenameRadioButton2) && !store.Read(kFileRenameRadioButton3);
    values.naming = date ? NamingChoice::ShotDate : NamingChoice::Dcf;
    return values;
}

void SaveRenameDialog(shell::SettingsStore& store, const RenameDialogValues& values) {
    using namespace shell::settings;
    (void)store.Write(kFileRenameEditDCF, values.dcfPrefix);
    (void)store.Write(kFileRenameEditName, values.editName);
    (void)store.Write(kFileRenameRadioButton2, values.naming == NamingChoice::ShotDate);
    (void)store.Write(kFileRenameRadioButton3, values.naming != NamingChoice::ShotDate);
    (void)store.Write(kFileRenameRadioButton4, false);
}

FileCommandResult RunRenameCommand(const RenameDialogValues& values,
                                   const exif::NameTemplateSettings& names,
                                   const FileCommandContext& context, FileCommandPorts& ports) {
    ConfirmationList list;
    list.Clear(Cp932Text("変名前"), Cp932Text("変名後"));
    std::vector<PlannedFile> files;
    try {
        files = FillList(list, PlanRename(values, names, context));
    } catch (const platform::FileError& error) {
        ports.message.Tell(error.what());
        return {};
    }
    if (ports.confirm.Confirm(list) != Confirmation::Ok) {
        return {};
    }
    FileCommandResult result{DialogEnd::Close, true};
    const std::vector<PlannedFile> ticked = TickedFiles(list, files);
    if (ticked.empty()) {
        return result;
    }
    const std::string action = Cp932Text("変名処理");
    std::string failures;
    ports.progress.Start(static_cast<int>(ticked.size()));
    for (const PlannedFile& file : ticked) {
        ports.progress.SetTexts(action, file.row.oldValue, file.row.newValue);
        if (const std::string failure = RenameOne(file); failure.empty()) {
            ++result.processed;
        } else {
            ++result.failed;
            failures += failure + "\n";
        }
        ports.progress.Step();
    }
    ports.progress.Finish();
    if (!failures.empty()) {
        ports.message.Tell("次のファイルは変名できませんでした。\n" + failures);
    }
    if (context.refresh) {
        context.refresh();
    }
    return result;
}

FileCommandResult RenameDialogOk(const RenameDialogValues& values, shell::SettingsStore& store,
                                 const exif::NameTemplateSettings& names,
                                 const FileCommandContext& context, FileCommandPorts& ports) {
    const FileCommandResult result = RunRenameCommand(values, names, context, ports);
    SaveRenameDialog(store, values);
    return result;
}

} // namespace commands
