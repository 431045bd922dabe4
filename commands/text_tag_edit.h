#pragma once

// Title and comment editing: one text patched into the ImageDescription or UserComment of
// every selected JPEG file, in the space the camera reserved; nothing grows.

#include "commands/edit_batch.h"

#include <string>

namespace commands {

enum class TextTag {
    Title,   // ImageDescription
    Comment, // UserComment: the 8-byte character code, then text in the system code page
};

// What the dialog shows first: the value of the first selected JPEG file and its room in
// bytes (count - 1, less the comment's character code). No JPEG among the selection, or one
// without the tag: no text and no usable limit (-1).
struct TextEditStart {
    std::string text; // CP932
    int maxBytes = -1;
};

[[nodiscard]] TextEditStart PrepareTextEdit(const Selection& files, TextTag tag);

// The rows: each JPEG file with its current value and the new text (CP932); other files, and
// those without room for a text, left alone with the reason.
[[nodiscard]] BatchPlan PlanTextEdit(const Selection& files, TextTag tag, const std::string& text);

[[nodiscard]] BatchReport RunTextEdit(const Selection& files, TextTag tag, const std::string& text,
                                      EditPorts ports);

} // namespace commands
