#include "setup/session.h"

#include "platform/windows_folders.h"
#include "setup/file_primitives.h"
#include "setup/host_paths.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"
#include "setup/work_folder.h"

namespace setup {
namespace {

constexpr std::string_view kInstallerName = "SETUP.EXE";
constexpr std::string_view kInstallerCopy = "SETUPZ.EXE";
constexpr std::string_view kScriptName = "SETUP.INI";
constexpr std::string_view kLogName = "UNSETUP.INI";

// The name after the last "\", "/" or ":" of an argument, which may be spelled either way.
std::string_view ArgumentFileName(std::string_view argument) {
    const std::size_t last = argument.find_last_of("\\/:");
    return last == std::string_view::npos ? argument : argument.substr(last + 1);
}

std::string StartupErrors(bool scriptCopied) {
    std::string errors;
    if (!platform::WindowsFolder()) {
        errors += Cp932Text(text::kNoWindowsFolder) + "\r";
    }
    if (!platform::SystemFolder()) {
        errors += Cp932Text(text::kNoSystemFolder) + "\r";
    }
    if (!scriptCopied) {
        errors += Cp932Text(text::kNoScript) + "\r";
    }
    if (!errors.empty()) {
        errors += '\r';
        errors += Cp932Text(text::kCannotGoOn);
    }
    return errors;
}

} // namespace

std::string_view RunModeText(RunMode mode) {
    return mode == RunMode::Unsetup ? "UNSETUP" : "SETUP";
}

RunMode RunModeOf(std::string_view firstArgument) {
    return ArgumentFileName(firstArgument) == kLogName ? RunMode::Unsetup : RunMode::Setup;
}

SetupSession StartSession(std::string_view programFolder, std::string_view firstArgument) {
    SetupSession session;
    session.mode = RunModeOf(firstArgument);
    session.programFolder = AddPathDelimiter(programFolder, PathSide::Bottom);
    const platform::Result<std::string> temporary = platform::TemporaryFolder();
    session.temporaryFolder =
        AddPathDelimiter(temporary ? temporary.Value() : session.programFolder, PathSide::Bottom);
    session.workFolder = ChooseWorkFolder(session.temporaryFolder);

    (void)CopyOneFile(session.programFolder + std::string(kInstallerName),
                      session.workFolder + std::string(kInstallerCopy));
    if (session.mode == RunMode::Setup) {
        session.scriptFile = session.workFolder + std::string(kScriptName);
        const std::string original = session.programFolder + std::string(kScriptName);
        if (FileExists(original)) {
            (void)CopyOneFile(original, session.scriptFile);
            session.originalScript = original;
        }
    } else {
        session.scriptFile = session.workFolder + std::string(kLogName);
        if (const auto log = WindowsSpellingOfArgument(firstArgument)) {
            (void)CopyOneFile(*log, session.scriptFile);
            session.originalScript = *log;
        }
    }
    session.startupErrors = StartupErrors(FileExists(session.scriptFile));
    return session;
}

} // namespace setup
