#include "setup/install_folder.h"

#include "setup/file_primitives.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"

namespace setup {

Flow PrepareInstallFolder(InstallRun& run) {
    run.Show(Cp932Text(text::kCheckingFolder));
    run.macros.SetInstallFolder(run.request.folder);
    const std::string& folder = run.macros.Value(Macro::App);
    if (!FolderExists(folder)) {
        const Answer answer = run.Ask({Cp932Text(text::kCreateFolderQuestion) + folder,
                                       Cp932Text(text::kCreateFolderTitle), MessageIcon::Question,
                                       MessageButtons::YesNo, QuestionTopic::General});
        if (answer != Answer::Yes) {
            return run.FatalStop(text::kCannotContinue, text::kSetupStoppedTitle);
        }
        if (!ForceFolders(folder) || !FolderExists(folder)) {
            (void)run.Ask({Cp932Text(text::kFolderCreateFailed), Cp932Text(text::kFatalTitle),
                           MessageIcon::Stop, MessageButtons::Ok, QuestionTopic::General});
            return run.FatalStop(text::kCannotContinue, text::kSetupStoppedTitle);
        }
    }
    return run.EndStep();
}

void TakeOverPreviousLog(InstallRun& run) {
    const std::string log = run.LogFile();
    if (!FileExists(log)) {
        return;
    }
    (void)CopyOneFile(log, run.session.workFolder + "UNSETUPZ.INI");
    run.lists = ReadUninstallLists(log);
}

Flow MakeFolders(InstallRun& run) {
    for (const std::string& entry : run.script.makeFolders) {
        const std::string folder = run.Expand(AddPathDelimiter(entry, PathSide::Bottom));
        run.Show(Cp932Text(text::kCreatingFolder) + folder);
        const platform::SystemError code = CreateOneFolder(folder);
        if (code == platform::kErrorSuccess || code == platform::kErrorAlreadyExists) {
            run.Record(LogListId::Folders, folder);
        } else {
            run.report.AddSystemError(report_tag::kFolder, folder, code);
        }
        if (run.EndStep() == Flow::Stop) {
            return Flow::Stop;
        }
    }
    return Flow::Go;
}

} // namespace setup
