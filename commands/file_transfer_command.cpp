#include "commands/file_transfer_command.h"

#include "commands/file_shell_progress.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "shell/settings_values.h"

namespace commands {
namespace {

using platform::TransferKind;

// The settings of one of the two sections, FileCopy or FileMove.
struct TransferSection {
    shell::StringSetting folder;
    shell::StringSetting dcf;
    shell::StringSetting name;
    shell::BooleanSetting keep;
    shell::BooleanSetting date;
    shell::BooleanSetting sequence;
    shell::BooleanSetting fourth;
};

TransferSection SectionOf(TransferKind kind) {
    using namespace shell::settings;
    if (kind == TransferKind::Copy) {
        return {kFileCopyEditFolder,   kFileCopyEditDCF,      kFileCopyEditName,
                kFileCopyRadioButton1, kFileCopyRadioButton2, kFileCopyRadioButton3,
                kFileCopyRadioButton4};
    }
    return {kFileMoveEditFolder,   kFileMoveEditDCF,      kFileMoveEditName,
            kFileMoveRadioButton1, kFileMoveRadioButton2, kFileMoveRadioButton3,
            kFileMoveRadioButton4};
}

// The texts that differ between the two commands (UTF-8).
struct TransferTexts {
    const char* noFolder;
    const char* action;
    const char* oldCaption;
    const char* newCaption;
};

TransferTexts TextsOf(TransferKind kind) {
    if (kind == TransferKind::Copy) {
        return {"出力先フォルダを指定してください", "コピー", "コピー元", "コピー先"};
    }
    return {"移動先フォルダを指定してください", "移動", "移動元", "移動先"};
}

std::vector<PlannedFile> PlanTransfer(TransferKind kind, const TransferDialogValues& values,
                                      const exif::NameTemplateSettings& names,
                                      const FileCommandContext& context) {
    const NamingRequest request{values.naming, values.dcfPrefix, names};
    const auto newNames = NewNames(
        context.selection, [&](const std::filesystem::path&) { return values.folder; }, request);
    const std::string action = Cp932Text(TextsOf(kind).action);
    std::vector<PlannedFile> files;
    for (std::size_t i = 0; i < context.selection.size(); ++i) {
        const std::filesystem::path& source = context.selection[i];
        const std::filesystem::path destination = values.folder / newNames[i];
        files.push_back({RowOf(source, action, platform::PathToCp932(source),
                               platform::PathToCp932(destination)),
                         source, destination});
    }
    return files;
}

} // namespace

TransferDialogValues LoadTransferDialog(const shell::SettingsStore& store, TransferKind kind) {
    const TransferSection section = SectionOf(kind);
    TransferDialogValues values;
    values.folder = platform::Cp932ToPath(store.Read(section.folder));
    values.dcfPrefix = store.Read(section.dcf);
    values.editName = store.Read(section.name);
    // The hidden fourth choice is written, never read: the dialog cannot show it chosen.
    if (store.Read(section.sequence)) {
        values.naming = NamingChoice::Dcf;
    } else if (store.Read(section.date)) {
        values.naming = NamingChoice::ShotDate;
    }
    return values;
}

void SaveTransferDialog(shell::SettingsStore& store, TransferKind kind,
                        const TransferDialogValues& values) {
    const TransferSection section = SectionOf(kind);
    (void)store.Write(section.folder, platform::PathToCp932(values.folder));
    (void)store.Write(section.dcf, values.dcfPrefix);
    (void)store.Write(section.name, values.editName);
    (void)store.Write(section.keep, values.naming == NamingChoice::Keep);
    (void)store.Write(section.date, values.naming == NamingChoice::ShotDate);
    (void)store.Write(section.sequence, values.naming == NamingChoice::Dcf);
    (void)store.Write(section.fourth, false);
}

FileCommandResult RunTransferCommand(TransferKind kind, const TransferDialogValues& values,
                                     const exif::NameTemplateSettings& names,
                                     const FileCommandContext& context, FileCommandPorts& ports) {
    const TransferTexts texts = TextsOf(kind);
    if (values.folder.empty()) {
        ports.message.Tell(texts.noFolder);
        return {DialogEnd::StayOpen};
    }
    ConfirmationList list;
    list.Clear(Cp932Text(texts.oldCaption), Cp932Text(texts.newCaption));
    std::vector<PlannedFile> files;
    try {
        files = FillList(list, PlanTransfer(kind, values, names, context));
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
    std::vector<std::filesystem::path> sources;
    std::vector<std::filesystem::path> destinations;
    for (const PlannedFile& file : ticked) {
        sources.push_back(file.source);
        destinations.push_back(file.destination);
    }
    platform::FileOperationReport report;
    {
        ShellProgress shell(ports, Cp932Text(texts.action), ticked.size());
        report = platform::ShellTransferFiles(kind, sources, destinations, shell);
    }
    ReportShellOutcome(report, ports.message, result);
    if (context.refresh) {
        context.refresh();
    }
    return result;
}

FileCommandResult TransferDialogOk(TransferKind kind, const TransferDialogValues& values,
                                   shell::SettingsStore& store,
                                   const exif::NameTemplateSettings& names,
                                   const FileCommandContext& context, FileCommandPorts& ports) {
    const FileCommandResult result = RunTransferCommand(kind, values, names, context, ports);
    if (result.end == DialogEnd::Close) {
        SaveTransferDialog(store, kind, values);
    }
    return result;
}

} // namespace commands
