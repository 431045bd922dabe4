#pragma once

// A main window over a fresh registry, a folder of photo files written by the fixture builder,
// and a guard prompt that records its messages instead of showing them.

#include "shell/command_guard.h"
#include "shell/settings_live.h"
#include "shell/settings_store.h"
#include "shell/ui/form_main.h"
#include "tests/support/machine_sandbox.h"
#include "tests/support/sandbox.h"

#include <QString>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fixture {

class RecordingPrompt : public shell::GuardPrompt {
public:
    explicit RecordingPrompt(std::vector<std::string>& messages) : messages_(messages) {}
    void Show(const std::string& message) override { messages_.push_back(message); }

private:
    std::vector<std::string>& messages_;
};

// Writes the folder the list tests browse: "a.jpg" (EXIF with a 160 x 120 thumbnail, make
// "Maker", F2.8), "B.JPG" (a JPEG without EXIF), "c.Tif" (a bare TIFF block with a
// thumbnail), and "d.tiff" and "e.png", which the list leaves out.
void WritePhotoFolder(const std::filesystem::path& folder);

// The captions of the list's items in list order.
[[nodiscard]] QStringList Captions(const TFormMain& form);

// Waits until the list of the current folder is complete; false when it never was.
[[nodiscard]] bool WaitForList(TFormMain& form);
// Waits until every row the list shows has its icon read; false when one never had.
[[nodiscard]] bool WaitForIcons(TFormMain& form);

class MainWindowTest {
protected:
    // The window over the settings as they are in the registry now.
    TFormMain& OpenWindow();
    // Destroys the window, which writes section Display and the placement.
    void CloseWindow() { form.reset(); }

    MachineSandbox machine;
    Sandbox photos;
    shell::SettingsStore store = shell::SettingsStore::OpenMachine();
    shell::LiveSettings live = shell::LiveSettings::Load(store);
    std::vector<std::string> messages;
    std::unique_ptr<TFormMain> form;
};

} // namespace fixture
