#include "commands/file_delete_command.h"

#include "commands/file_plan.h"
#include "commands/file_shell_progress.h"
#include "platform/codepage.h"

namespace commands {

FileCommandResult RunDeleteCommand(platform::DeleteKind kind, const FileCommandContext& context,
                                   FileCommandPorts& ports) {
    ConfirmationList list;
    list.Clear(Cp932Text("削除ファイル"), Cp932Text("待避場所"));
    const std::string action = Cp932Text("削除");
    const std::string place = kind == platform::DeleteKind::ToTrash ? Cp932Text("ごみ箱") : "";
    std::vector<PlannedFile> planned;
    for (const std::filesystem::path& file : context.selection) {
        planned.push_back({RowOf(file, action, platform::PathToCp932(file), place), file, {}});
    }
    const std::vector<PlannedFile> files = FillList(list, std::move(planned));
    if (ports.confirm.Confirm(list) != Confirmation::Ok) {
        return {};
    }
    FileCommandResult result{DialogEnd::Close, true};
    const std::vector<PlannedFile> ticked = TickedFiles(list, files);
    if (ticked.empty()) {
        return result;
    }
    std::vector<std::filesystem::path> victims;
    for (const PlannedFile& file : ticked) {
        victims.push_back(file.source);
    }
    platform::FileOperationReport report;
    {
        ShellProgress shell(ports, action, victims.size());
        report = platform::ShellDeleteFiles(kind, victims, shell);
    }
    ReportShellOutcome(report, ports.message, result);
    if (context.refresh) {
        context.refresh();
    }
    return result;
}

} // namespace commands
