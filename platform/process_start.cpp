#include "platform/process_start.h"

#include "platform/codepage.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {
namespace {

namespace fs = std::filesystem;

bool IsProgram(const fs::path& file) {
    std::error_code error;
    return fs::is_regular_file(file, error) && ::access(file.c_str(), X_OK) == 0;
}

// The file as given, or for a bare name not present here, the program of that name on PATH. A
// bare name present here gets "./", so that starting it never searches PATH.
fs::path Locate(const fs::path& file) {
    std::error_code error;
    if (file.has_parent_path()) {
        return file;
    }
    if (fs::exists(file, error)) {
        return "." / file;
    }
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        const fs::path candidate = fs::path(folders.substr(0, colon)) / file;
        if (IsProgram(candidate)) {
            return candidate;
        }
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
    }
    return file;
}

std::vector<std::string> SplitParameters(std::string_view parameters) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : parameters) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) {
                words.push_back(Cp932ToUtf8(word));
            }
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(Cp932ToUtf8(word));
    }
    return words;
}

} // namespace

std::vector<std::string> ShellOpenCommand(const fs::path& file, std::string_view parameters) {
    const fs::path located = Locate(file);
    if (!IsProgram(located)) {
        return {"xdg-open", located.string()};
    }
    std::vector<std::string> command{located.string()};
    for (std::string& word : SplitParameters(parameters)) {
        command.push_back(std::move(word));
    }
    return command;
}

Result<StartedProcess> ShellOpen(const fs::path& file, std::string_view parameters) {
    std::error_code error;
    if (!fs::exists(Locate(file), error)) {
        return Failure{"cannot open " + file.string() + ": no such file"};
    }
    std::vector<std::string> command = ShellOpenCommand(file, parameters);
    std::vector<char*> arguments;
    for (std::string& word : command) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);
    pid_t id = 0;
    const int failed =
        ::posix_spawnp(&id, arguments[0], nullptr, nullptr, arguments.data(), environ);
    if (failed != 0) {
        return Failure{"cannot open " + file.string() + ": cannot start " + command[0] + ": " +
                       std::strerror(failed)};
    }
    return StartedProcess{id};
}

Result<int> WaitForExit(StartedProcess process) {
    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(process.id, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0) {
        return Failure{"cannot wait for process " + std::to_string(process.id) + ": " +
                       std::strerror(errno)};
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace platform
