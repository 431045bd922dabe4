#pragma once

// The registry sections of the editing dialogs: EditDate, ExifCopy, ExifAdd and ExifDel. Each
// dialog reads its section when it is created and writes it back after OK has run its batch.
// Write failures are not reported.

#include "commands/date_edit.h"
#include "commands/exif_add_delete.h"
#include "shell/settings_store.h"

#include <filesystem>

namespace commands {

// Section EditDate: the radio buttons RadioButton1 to RadioButton3 and the three target
// boxes. Of several radio values stored as true the last one counts, as setting the buttons in
// order does; none true reads as the first.
struct DateEditSettings {
    DateSource source = DateSource::FileTime;
    DateTargets targets;
};

[[nodiscard]] DateEditSettings ReadDateEditSettings(const shell::SettingsStore& store);
void WriteDateEditSettings(shell::SettingsStore& store, const DateEditSettings& settings);

// Section ExifCopy: the source folder.
[[nodiscard]] std::filesystem::path ReadExifCopyFolder(const shell::SettingsStore& store);
void WriteExifCopyFolder(shell::SettingsStore& store, const std::filesystem::path& folder);

// Sections ExifAdd and ExifDel: the output folder and whether to write copies into it.
enum class ExifOutputSection { Add, Delete };

[[nodiscard]] OutputChoice ReadExifOutput(const shell::SettingsStore& store,
                                          ExifOutputSection section);
void WriteExifOutput(shell::SettingsStore& store, ExifOutputSection section,
                     const OutputChoice& output);

} // namespace commands
