#pragma once

// Scripted ports for the file commands: the confirmation list answers as told (and may untick
// rows), the overwrite question takes its answers from a list, messages and progress are
// recorded. Photos are written by the fixture builder with a given shooting date.

#include "commands/file_command_ports.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fixture {

class ScriptedConfirm : public commands::ConfirmPort {
public:
    // What the user does to the list before answering.
    std::function<void(commands::ConfirmationList&)> edit;
    commands::Confirmation answer = commands::Confirmation::Ok;
    std::optional<commands::ConfirmationList> shown; // the list as it was shown (UTF-8 kept as is)

    commands::Confirmation Confirm(commands::ConfirmationList& list) override;
};

class RecordingProgress : public commands::ProgressPort {
public:
    struct Texts {
        std::string action, source, destination; // as given (CP932)
    };
    std::vector<int> starts;
    std::vector<Texts> texts;
    int steps = 0;
    int finishes = 0;

    void Start(int maximum) override { starts.push_back(maximum); }
    void SetTexts(const std::string& action, const std::string& source,
                  const std::string& destination) override {
        texts.push_back({action, source, destination});
    }
    void Step() override { ++steps; }
    void Finish() override { ++finishes; }
};

class ScriptedOverwrite : public commands::OverwriteQuestion {
public:
    std::deque<platform::OverwriteAnswer> answers;
    std::vector<std::filesystem::path> asked; // destinations

    platform::OverwriteAnswer AskOverwrite(const std::filesystem::path& source,
                                           const std::filesystem::path& destination) override;
};

class RecordingMessages : public commands::FileMessagePort {
public:
    std::vector<std::string> told; // UTF-8
    void Tell(const std::string& message) override { told.push_back(message); }
};

// Everything a file command needs, scripted, over a fresh registry and a photo folder.
class FileCommandTest {
protected:
    // A JPEG with EXIF whose DateTimeOriginal is the date ("yyyy:mm:dd hh:nn:ss").
    std::filesystem::path WritePhoto(const std::filesystem::path& relative,
                                     const std::string& date) const;
    // A file with the bytes given.
    std::filesystem::path WriteFile(const std::filesystem::path& relative,
                                    const std::string& bytes) const;
    [[nodiscard]] static std::string Bytes(const std::filesystem::path& file);
    // The names in a folder, sorted; empty when it does not exist.
    [[nodiscard]] static std::vector<std::string> Names(const std::filesystem::path& folder);

    [[nodiscard]] commands::FileCommandContext Context(std::vector<std::filesystem::path> files);

    MachineSandbox machine;
    Sandbox sandbox;
    ScriptedConfirm confirm;
    RecordingProgress progress;
    ScriptedOverwrite overwrite;
    RecordingMessages messages;
    commands::FileCommandPorts ports{confirm, progress, overwrite, messages};
    int refreshes = 0;
};

// CP932 text of UTF-8, for comparing with rows.
[[nodiscard]] std::string Sjis(const std::string& utf8);

} // namespace fixture
