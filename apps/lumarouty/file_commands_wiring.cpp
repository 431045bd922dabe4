#include "apps/lumarouty/file_commands_wiring.h"

#include "apps/lumarouty/batch_windows.h"
#include "commands/file_delete_command.h"
#include "commands/template_picture.h"
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

// The shared batch windows and the file commands' message boxes.
class FileWindows {
public:
    FileWindows(shell::TFormMain& form, BatchWindows& batch)
        : form_(form), batch_(batch), messages_(&form), overwrite_(&form), publishMessages_(&form),
          prompt_(&form) {}

    [[nodiscard]] commands::FileCommandPorts Ports() {
        return {batch_.Confirm(), batch_.Progress(), overwrite_, messages_};
    }
    // The selection, and a refill of the list after a command that changed files.
    [[nodiscard]] commands::FileCommandContext Context() {
        return {form_.SelectedFiles(), [this] { form_.FillList(); }};
    }
    // The presentation files run as the EXIF editing commands do.
    [[nodiscard]] commands::EditPorts EditPorts() {
        return {batch_.Confirm(), batch_.Progress(), prompt_};
    }
    [[nodiscard]] publish::PublishPort& PublishMessages() { return publishMessages_; }
    [[nodiscard]] commands::ProgressPort& Progress() { return batch_.Progress(); }

private:
    shell::TFormMain& form_;
    BatchWindows& batch_;
    commands::FileMessageBox messages_;
    commands::OverwriteQuestionBox overwrite_;
    publish::PublishMessageBox publishMessages_;
    commands::MessageBoxEditPrompt prompt_;
};

} // namespace

void WireFileCommands(shell::TFormMain& form, shell::SettingsStore& store,
                      const shell::LiveSettings& live, BatchWindows& batchWindows) {
    auto windows = std::make_shared<FileWindows>(form, batchWindows);
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
