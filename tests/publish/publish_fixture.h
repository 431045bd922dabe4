#pragma once

// Scripted ports for the album and the listing, photo files from the fixture builder, and a
// template folder written by the test.

#include "commands/batch_ports.h"
#include "publish/publish_ports.h"
#include "tests/support/exif_fixture.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace fixture {

class ScriptedPublishPort : public publish::PublishPort {
public:
    std::deque<bool> answers;       // for Ask, in order
    std::vector<std::string> asked; // UTF-8
    std::vector<std::string> told;  // UTF-8

    void Tell(const std::string& message) override { told.push_back(message); }
    bool Ask(const std::string& question) override;
};

class PhaseRecorder : public commands::ProgressPort {
public:
    std::vector<std::string> phases;  // the first text after each Start, as UTF-8
    std::vector<std::string> sources; // CP932, every SetTexts
    int starts = 0;
    int steps = 0;
    int finishes = 0;

    void Start(int /*maximum*/) override {
        ++starts;
        phaseOpen_ = true;
    }
    void SetTexts(const std::string& action, const std::string& source,
                  const std::string& destination) override;
    void Step() override { ++steps; }
    void Finish() override { ++finishes; }

private:
    bool phaseOpen_ = false;
};

// A JPEG of the size with EXIF: Make, Model, an Exif IFD with DateTimeOriginal, FNumber 28/10,
// and the comment as UserComment bytes (none when empty).
[[nodiscard]] Built PhotoBytes(int width, int height, const std::string& comment = "");

class PublishTest {
protected:
    std::filesystem::path Write(const std::filesystem::path& relative,
                                const std::vector<std::uint8_t>& bytes) const;
    std::filesystem::path WriteText(const std::filesystem::path& relative,
                                    const std::string& text) const;
    [[nodiscard]] static std::string Bytes(const std::filesystem::path& file);

    MachineSandbox machine;
    Sandbox sandbox;
    ScriptedPublishPort port;
    PhaseRecorder progress;
};

[[nodiscard]] std::string Sjis(const std::string& utf8);

} // namespace fixture
