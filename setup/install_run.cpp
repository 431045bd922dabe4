#include "setup/install_run.h"

#include "setup/messages.h"

#include <vector>

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

void InstallRun::AppendToLog(std::span<const LogLine> lines) {
    if (platform::Status appended = journal.Append(lines); !appended) {
        report.AddFailure(report_tag::kUnSetup, LogFile(), appended.Error());
    }
}

void InstallRun::Record(LogListId list, std::string_view entry) {
    LogList::Added added = ListOf(lists, list).Add(entry);
    const LogListSection section = SectionOf(list);
    const LogLine line{section.section, std::string(section.prefix) + std::to_string(added.number),
                       std::move(added.value)};
    AppendToLog({&line, 1});
}

void InstallRun::RecordFile(std::string_view entry, std::optional<FileRecord> record) {
    LogList::Added added = lists.files.Add(entry);
    const LogListSection section = SectionOf(LogListId::Files);
    const std::string key = "File" + std::to_string(added.number);
    std::vector<LogLine> lines{{section.section, key, std::move(added.value)}};
    if (record) {
        const std::string path = SplitLogEntry(entry).path;
        lists.installed.Set(path, *record);
        lines.push_back({kInstalledFileSection, key, RecordText(path, *record)});
    }
    AppendToLog(lines);
}

void InstallRun::RecordRelate(std::string_view extension, std::string_view previousType) {
    if (const auto slot = AddRestoreRelate(lists.restoreRelate, extension, previousType)) {
        const LogLine line{kRestoreRelateSection, "Key" + std::to_string(*slot + 1),
                           lists.restoreRelate[*slot]};
        AppendToLog({&line, 1});
    }
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
