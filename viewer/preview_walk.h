#pragma once

// The preview command: the selected rows of the file list shown one at a time, each in its own
// modal window, walking forward or backward as the user answers.

#include "exif/imaging.h"
#include "viewer/preview_sizing.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace viewer {

// One row of the file list: its file (current folder + caption) and its selected flag.
struct PreviewRow {
    std::filesystem::path path;
    bool selected = false;
};

// How the user left a picture's window.
enum class PreviewResult {
    Next,     // the dialog's OK result
    Previous, // the dialog's No result
    Stop,     // the dialog's Cancel result, also when the window is closed by its frame
};

// What the standard sizing needs from the window system.
struct PreviewScreen {
    PixelSize screen;
    PixelSize frame; // a preview window's outer size less its client size
};

// The preview windows: implemented with Qt for the program and with scripted answers in tests.
class PreviewDisplay {
public:
    virtual ~PreviewDisplay() = default;
    [[nodiscard]] virtual PreviewScreen Screen() = 0;
    // Shows the picture stretched over the layout's client size in a new modal window.
    [[nodiscard]] virtual PreviewResult
    Show(const exif::Image& picture, const PreviewLayout& layout, const std::string& caption) = 0;
    // Tells the user why a file could not be shown (host encoding); the command then ends.
    virtual void ReportError(const std::string& message) = 0;
};

// The first selected row at or after `from` (direction +1) or at or before it (direction -1);
// none when the search leaves the list.
[[nodiscard]] std::optional<std::size_t> FindSelectedRow(std::span<const PreviewRow> rows,
                                                         std::ptrdiff_t from, int direction);

// Shows the selected rows starting with the first, until the user stops, the walk leaves the
// list, or a file cannot be decoded. Each picture is decoded no larger than its window needs and
// shown upright, as its EXIF Orientation says.
void RunPreview(std::span<const PreviewRow> rows, const PreviewSettings& settings,
                PreviewDisplay& display);

} // namespace viewer
