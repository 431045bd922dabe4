#include "apps/lumarouty/file_commands_wiring.h"

#include "commands/file_delete_command.h"
#include "commands/template_picture.h"
#include "commands/ui/exec_disp_dialog.h"
#include "commands/ui/executing_window.h"
#include "commands/ui/file_command_windows.h"
#include "commands/ui/file_rename_dlg.h"
#include "commands/ui/file_transfer_dlg.h"
#include "commands/ui/message_box_edit_prompt.h"
#include "publish/album_types.h"
#include "publish/ui/csv_dlg.h"
#include "publish/ui/html_dlg.h"
#include "publish/ui/presentation_dlg.h"
#include "publish/ui/publish_message_box.h"
#include "shell/shipped_files.h"
#include "shell/ui/form_main.h"

#include <memory>

namespace lumarouty {
namespace {

using shell::MenuCommand;

// The windows every file command reports through; Qt deletes them with the main window.
class FileWindows {
public:
    explicit FileWindows(shell::TFormMain& form)
        : form_(form), confirm_(new commands::TFormExecDisp(&form)),
          executing_(new commands::TFormExecuting(&form)), progress_(*executing_), messages_(&form),
          overwrite_(&form), publishMessages_(&form), prompt_(&form) {}

    [[nodiscard]] commands::FileCommandPorts Ports() {
        return {*confirm_, progress_, overwrite_, messages_};
    }
    // The selection, and a refill of the list after a command that changed files.
    [[nodiscard]] commands::FileCommandContext Context() {
        return {form_.SelectedFiles(), [this] { form_.FillList(); }};
    }
    // The presentation files run as the EXIF editing commands do.
    [[nodiscard]] commands::EditPorts EditPorts() { return {*confirm_, progress_, prompt_}; }
    [[nodiscard]] publish::PublishPort& PublishMessages() { return publishMessages_; }
    [[nodiscard]] commands::ProgressPort& Progress() { return progress_; }

private:
    shell::TFormMain& form_;
    commands::TFormExecDisp* confirm_;
    commands::TFormExecuting* executing_;
    commands::WaitingProgress progress_;
    commands::FileMessageBox messages_;
    commands::OverwriteQuestionBox overwrite_;
    publish::PublishMessageBox publishMessages_;
    commands::MessageBoxEditPrompt prompt_;
};

} // namespace

void WireFileCommands(shell::TFormMain& form, shell::SettingsStore& store,
                      const shell::LiveSettings& live) {
    auto windows = std::make_shared<FileWindows>(form);
    shell::TFormMain* window = &form;
    shell::SettingsStore* settings = &store;
    const shell::LiveSettings* liveSettings = &live;
    form.SetCommandHandler(MenuCommand::FileCopy, [=] {
        commands::TFileCopyDlg(windows->Context(), *settings, *liveSettings, windows->Ports(),
                               window)
            .exec();
    });
    form.SetCommandHandler(MenuCommand::FileMove, [=] {
        commands::TFileMoveDlg(windows->Context(), *settings, *liveSettings, windows->Ports(),
                               window)
            .exec();
    });
    form.SetCommandHandler(MenuCommand::FileRename, [=] {
        commands::TFileRenameDlg(windows->Context(), *settings, *liveSettings, windows->Ports(),
                                 window)
            .exec();
    });
    form.SetCommandHandler(MenuCommand::FileDelete, [=] {
        auto ports = windows->Ports();
        (void)commands::RunDeleteCommand(platform::DeleteKind::ToTrash, windows->Context(), ports);
    });
    form.SetCommandHandler(MenuCommand::FileDelete2, [=] {
        auto ports = windows->Ports();
        (void)commands::RunDeleteCommand(platform::DeleteKind::Permanently, windows->Context(),
                                         ports);
    });
    form.SetCommandHandler(MenuCommand::Html, [=] {
        publish::THtmlDlg dialog(window->SelectedFiles(), *settings, *liveSettings,
                                 publish::ProgramTemplateFolder(), windows->PublishMessages(),
                                 windows->Progress(), window);
        dialog.FillAlbumTypes();
        dialog.exec();
    });
    form.SetCommandHandler(MenuCommand::CsvOut, [=] {
        publish::TCsvDlg(window->SelectedFiles(), *settings, *liveSettings,
                         windows->PublishMessages(), window)
            .exec();
    });
    form.SetCommandHandler(MenuCommand::Prezen, [=] {
        publish::TCrePrezenDlg dialog(window->SelectedFiles(), *settings,
                                      commands::TemplatePicturePath(shell::ProgramFolder()),
                                      windows->EditPorts(), window);
        dialog.exec();
        if (dialog.Report() && dialog.Report()->NeedsRefresh()) {
            window->FillList();
        }
    });
}

} // namespace lumarouty
