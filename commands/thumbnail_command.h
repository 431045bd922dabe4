#pragma once

// Thumbnail creation: the embedded thumbnail of every selected JPEG file renewed from the
// picture itself (after retouching, say), with the size tags; the file keeps its EXIF data and
// takes its last-write time from its DateTime. No dialog: the rows go straight to confirmation.

#include "commands/edit_batch.h"

namespace commands {

[[nodiscard]] BatchPlan PlanThumbnails(const Selection& files);

[[nodiscard]] BatchReport RunThumbnails(const Selection& files, EditPorts ports);

} // namespace commands
