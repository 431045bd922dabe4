#pragma once

// Scripted ports and camera-like files for the editing command tests. The files come from the
// fixture builder, not from the writer under test.

#include "commands/batch_ports.h"
#include "commands/edit_batch.h"
#include "platform/file_times.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace edit_test {

// Answers the confirmation list after letting the test change the ticks; keeps what it saw.
class ScriptedConfirm : public commands::ConfirmPort {
public:
    [[nodiscard]] commands::Confirmation Confirm(commands::ConfirmationList& list) override;

    commands::Confirmation answer = commands::Confirmation::Ok;
    std::function<void(commands::ConfirmationList&)> beforeAnswer;
    std::optional<commands::ConfirmationList> shown; // the rows as the command planned them
    int calls = 0;
};

class RecordingProgress : public commands::ProgressPort {
public:
    void Start(int maximum) override;
    void SetTexts(const std::string& action, const std::string& source,
                  const std::string& destination) override;
    void Step() override { ++steps; }
    void Finish() override { ++finishes; }

    std::vector<int> starts;
    std::vector<std::vector<std::string>> texts; // action, source, destination (CP932)
    int steps = 0;
    int finishes = 0;
};

// Records messages; answers questions from `answers` (No when it runs out).
class ScriptedPrompt : public commands::EditPrompt {
public:
    void Tell(const std::string& message) override { tells.push_back(message); }
    [[nodiscard]] bool Ask(const std::string& question) override;
    void Warn(const std::string& message) override { warnings.push_back(message); }

    std::deque<bool> answers;
    std::vector<std::string> tells;
    std::vector<std::string> questions;
    std::vector<std::string> warnings;
};

// The three ports of one command run.
struct Ports {
    ScriptedConfirm confirm;
    RecordingProgress progress;
    ScriptedPrompt prompt;
    [[nodiscard]] commands::EditPorts Edit() { return {confirm, progress, prompt}; }
};

struct PhotoContent {
    std::string make = "NIKON";
    std::string model = "E990";
    std::string date = "2000:12:31 09:05:07"; // all three date tags
    std::string saved;                        // DateTime instead, when a program saved it later
    std::string title;                        // CP932; a 32-byte field
    std::string comment;                      // CP932; a 125-byte field from its first byte
    std::uint32_t titleCount = 32;
    int width = 320; // the picture
    int height = 240;
    std::uint32_t sizeTagWidth = 320; // ExifImageWidth / ExifImageLength as recorded
    std::uint32_t sizeTagHeight = 240;
    bool thumbnail = true; // IFD1 with a 32 x 24 JPEG thumbnail
};

// A camera JPEG with the tags exiftool -validate wants, written by the fixture builder.
void WritePhoto(const std::filesystem::path& path, const PhotoContent& content = {});

// A JFIF JPEG without EXIF data.
void WritePlainJpeg(const std::filesystem::path& path, int width = 320, int height = 240);

// Sets the last-write time to a local moment and returns it.
platform::FileTime SetTime(const std::filesystem::path& path, const platform::LocalDateTime& at);

[[nodiscard]] std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path);

[[nodiscard]] std::string Cp932(const std::string& utf8);

// The captions, actions, old and new values and ticks of the rows, actions in UTF-8.
struct ShownRow {
    std::string name;
    std::string action;
    std::string oldValue;
    std::string newValue;
    bool checked;
    friend bool operator==(const ShownRow&, const ShownRow&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ShownRow& row) {
        return out << (row.checked ? "[x] " : "[ ] ") << row.name << " | " << row.action << " | "
                   << row.oldValue << " | " << row.newValue;
    }
};
[[nodiscard]] std::vector<ShownRow> Shown(const commands::ConfirmationList& list);

} // namespace edit_test
