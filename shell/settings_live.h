#pragma once

// The live copy of sections Setup, Tool and Exec: read once at start-up, then read by every
// window and command instead of the registry; written back when the settings dialog closes with
// OK and read again when it is cancelled.

#include "exif/name_templates.h"
#include "platform/result.h"
#include "shell/settings_columns.h"
#include "shell/settings_exec.h"
#include "shell/settings_store.h"

#include <string>

namespace shell {

// Section Setup. The three pattern indexes are always within their lists: a stored index
// outside its list reads as the value's default.
struct SetupSettings {
    bool startInLastFolder;    // PreFolder; else start in homeFolder
    std::string homeFolder;    // PreFolderPath
    int datePattern;           // Date1: index in exif::DatePatternChoices()
    std::string dateSeparator; // Date2: written after the date
    int timePattern;           // Date3: index in exif::TimePatternChoices()
    std::string timeSeparator; // Date4: written after the time
    int digits;                // Date5: digits of the running number, 0-5, 0 for none
    ColumnRows listColumns;    // List, ListCheck: the file list in list view mode
    bool largeThumbnails;      // ListThumbSize: 80x60 thumbnails, else 160x120
    ColumnRows detailLines;    // Detail, DetailCheck: the summary lines of the detail pane
    bool detailExif;           // DetailExif: the full EXIF dump follows in the detail pane
    ColumnRows htmlFields;     // HTML, HTMLCheck: the fields of the HTML album
    ColumnRows csvColumns;     // CSV, CSVCheck: the columns of the CSV listing
    bool operator==(const SetupSettings&) const = default;
};

// Section Tool.
struct ToolSettings {
    bool standardPreview;      // Pre1: scale the picture down by a whole factor to fit the screen
    bool fixedPreview;         // Pre2: show the picture at the fixed width
    std::string previewWidth;  // Preview: the fixed width in pixels, decimal text
    std::string slideInterval; // Slide: seconds per picture, decimal text
    bool operator==(const ToolSettings&) const = default;
};

struct LiveSettings {
    SetupSettings setup;
    ToolSettings tool;
    ExecTable exec;

    [[nodiscard]] static LiveSettings Load(const SettingsStore& store);
    // Drops every change since the last load or save, as the settings dialog's cancel does.
    void Reload(const SettingsStore& store);
    // Writes every value, even after one has failed; the first failure is returned.
    [[nodiscard]] platform::Status Save(SettingsStore& store) const;

    // The date-name settings for the file-name templates (CP932 pattern texts).
    [[nodiscard]] exif::NameTemplateSettings NameTemplate() const;

    bool operator==(const LiveSettings&) const = default;
};

// The item lists behind Date1 and Date3 come from the name templates; Date5 has six items,
// "なし" and one to five digits.
inline constexpr int kDigitChoiceCount = 6;

} // namespace shell
