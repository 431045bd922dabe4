#pragma once

// Lossless rotation of the selected JPEG files: turned or mirrored as they are shown, or made
// upright as their Orientation tag says. No dialog: the rows go straight to confirmation; a
// row says when the picture's partial edge blocks will be trimmed.

#include "commands/edit_batch.h"
#include "exif/lossless_rotation.h"

namespace commands {

[[nodiscard]] BatchPlan PlanRotations(const Selection& files, const exif::RotationRequest& request);

[[nodiscard]] BatchReport RunRotations(const Selection& files, const exif::RotationRequest& request,
                                       EditPorts ports);

} // namespace commands
