#include "setup/install_run.h"

#include "setup/messages.h"

namespace setup {

InstallRun::InstallRun(const SetupSession& session, const SetupScript& script, PathMacros& macros,
                       InstallRequest request, InstallPorts ports)
    : session(session), script(script), macros(macros), request(std::move(request)), ports(ports) {}

std::string InstallRun::LogFile() const {
    return macros.Value(Macro::App) + std::string(kUninstallLogName);
}

std::string InstallRun::Expand(std::string_view text) const {
    return ExpandPathMacros(text, macros);
}

void InstallRun::Show(const std::string& message) {
    ports.status.SetMessage(message);
}

Flow InstallRun::EndStep() {
    if (ports.status.AbortRequested()) {
        outcome = InstallOutcome::Aborted;
        return Flow::Stop;
    }
    Pause(script.extend.setupSpeed);
    return Flow::Go;
}

Flow InstallRun::Step(const std::string& message) {
    Show(message);
    return EndStep();
}

void InstallRun::Pause(int milliseconds) {
    ports.status.Pause(milliseconds);
}

Answer InstallRun::Ask(MessageBox box) {
    return ports.messages.Show(box);
}

Flow InstallRun::FatalStop(std::string_view utf8Text, std::string_view utf8Title) {
    (void)Ask({Cp932Text(utf8Text), Cp932Text(utf8Title), MessageIcon::Stop, MessageButtons::Ok,
               QuestionTopic::General});
    outcome = InstallOutcome::Stopped;
    return Flow::Stop;
}

} // namespace setup
