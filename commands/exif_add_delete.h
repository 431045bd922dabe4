#pragma once

// EXIF add and EXIF delete: pictures that never had EXIF data get the segment of the template
// picture (with their own dates, size and thumbnail); EXIF delete writes them without it. Both
// write in place or, when asked, copies into an output folder that is made on request.

#include "commands/edit_batch.h"
#include "commands/output_folder.h"

#include <filesystem>
#include <optional>

namespace commands {

// The rows: JPEG files ticked, column 2 the file, column 3 where the result goes.
[[nodiscard]] BatchPlan PlanExifAdd(const Selection& files, const OutputChoice& output,
                                    const std::filesystem::path& templatePicture);
[[nodiscard]] BatchPlan PlanExifDelete(const Selection& files, const OutputChoice& output);

// Nothing when a check refused the request with a message (the dialog stays open): a
// template that is missing or unusable, an empty output folder, a missing output folder that
// the user would not have made or that could not be made.
[[nodiscard]] std::optional<BatchReport> RunExifAdd(const Selection& files,
                                                    const OutputChoice& output,
                                                    const std::filesystem::path& templatePicture,
                                                    EditPorts ports);
[[nodiscard]] std::optional<BatchReport> RunExifDelete(const Selection& files,
                                                       const OutputChoice& output, EditPorts ports);

} // namespace commands
