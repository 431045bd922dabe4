#include "apps/lumarouty/edit_commands_wiring.h"

#include "apps/lumarouty/batch_windows.h"
#include "commands/rotate_command.h"
#include "commands/template_picture.h"
#include "commands/thumbnail_command.h"
#include "commands/ui/edit_date_dlg.h"
#include "commands/ui/edit_text_dlg.h"
#include "commands/ui/exif_folder_dlg.h"
#include "commands/ui/message_box_edit_prompt.h"
#include "shell/shipped_files.h"
#include "shell/ui/form_main.h"

#include <memory>

namespace lumarouty {
namespace {

using shell::MenuCommand;

// The shared batch windows and the editing commands' message boxes.
class EditWindows {
public:
    EditWindows(shell::TFormMain& form, BatchWindows& batch) : batch_(batch), prompt_(&form) {}

    [[nodiscard]] commands::EditPorts Ports() {
        return {batch_.Confirm(), batch_.Progress(), prompt_};
    }

private:
    BatchWindows& batch_;
    commands::MessageBoxEditPrompt prompt_;
};

void RefreshAfter(shell::TFormMain& form, const std::optional<commands::BatchReport>& report) {
    if (report && report->NeedsRefresh()) {
        form.FillList();
    }
}

// Creates the dialog on the selection, prepares it when it has a preparation step, shows it
// modally and refreshes the list after a run that processed files.
template <typename Dialog, typename... Arguments>
void RunDialog(shell::TFormMain& form, Arguments&&... arguments) {
    Dialog dialog(form.SelectedFiles(), std::forward<Arguments>(arguments)..., &form);
    if constexpr (requires { dialog.Prepare(); }) {
        dialog.Prepare();
    }
    dialog.exec();
    RefreshAfter(form, dialog.Report());
}

} // namespace

void WireEditCommands(shell::TFormMain& form, shell::SettingsStore& store,
                      BatchWindows& batchWindows) {
    auto windows = std::make_shared<EditWindows>(form, batchWindows);
    shell::TFormMain* window = &form;
    shell::SettingsStore* settings = &store;
    form.SetCommandHandler(MenuCommand::CopyExif, [=] {
        RunDialog<commands::TExifCopyDlg>(*window, *settings, windows->Ports());
    });
    form.SetCommandHandler(MenuCommand::DeleteExif, [=] {
        RunDialog<commands::TExifDelDlg>(*window, *settings, windows->Ports());
    });
    form.SetCommandHandler(MenuCommand::AddExif, [=] {
        RunDialog<commands::TExifAddDlg>(*window, *settings,
                                         commands::TemplatePicturePath(shell::ProgramFolder()),
                                         windows->Ports());
    });
    form.SetCommandHandler(MenuCommand::AddThumb, [=] {
        RefreshAfter(*window, commands::RunThumbnails(window->SelectedFiles(), windows->Ports()));
    });
    const auto rotate = [=](exif::RotationRequest request) {
        return [=] {
            RefreshAfter(*window, commands::RunRotations(window->SelectedFiles(), request,
                                                         windows->Ports()));
        };
    };
    form.SetCommandHandler(MenuCommand::RotateRight,
                           rotate({false, exif::PixelTransform::Rotate90}));
    form.SetCommandHandler(MenuCommand::RotateLeft,
                           rotate({false, exif::PixelTransform::Rotate270}));
    form.SetCommandHandler(MenuCommand::AutoRotate, rotate({true, exif::PixelTransform::None}));
    form.SetCommandHandler(MenuCommand::EditTitle,
                           [=] { RunDialog<commands::TEditTitleDlg>(*window, windows->Ports()); });
    form.SetCommandHandler(MenuCommand::EditComment, [=] {
        RunDialog<commands::TEditCommentDlg>(*window, windows->Ports());
    });
    form.SetCommandHandler(MenuCommand::UpdateDate, [=] {
        RunDialog<commands::TEditDateDlg>(*window, *settings, windows->Ports());
    });
}

} // namespace lumarouty
