#pragma once

// Presentation files ("プレゼンテーション用ファイル作成"): 640 x 480 copies of the selected
// pictures in one folder under DCF names (prefix and running number), each carrying the EXIF
// segment of the template picture with the picture's own file time as its dates, the new size
// and a thumbnail made from the copy. The batch follows the pattern of the other commands.

#include "commands/edit_batch.h"
#include "shell/settings_store.h"

#include <filesystem>
#include <optional>
#include <string>

namespace publish {

struct PresentationRequest {
    std::filesystem::path folder; // where the copies go
    std::string prefix;           // CP932: the DCF prefix of their names
};

// The rows: JPEG files ticked, column 2 the picture, column 3 its copy in the folder under the
// next free DCF name; other files "処理せず". Throws platform::FileError when the folder cannot
// be listed.
[[nodiscard]] commands::BatchPlan
PlanPresentationFiles(const commands::Selection& files, const PresentationRequest& request,
                      const std::filesystem::path& templatePicture);

// Writes the presentation file of one picture as the target, which must not exist yet. Throws
// platform::FileError naming the file when the picture cannot be read or decoded, the target
// exists or cannot be written; nothing is left at the target then.
void WritePresentationFile(const std::filesystem::path& picture,
                           const std::filesystem::path& target,
                           const std::filesystem::path& templatePicture);

// Nothing when a check refused the request with a message (the dialog stays open): an unusable
// template, an empty folder name, a missing folder the user would not have made or that could
// not be made.
[[nodiscard]] std::optional<commands::BatchReport>
RunPresentationFiles(const commands::Selection& files, const PresentationRequest& request,
                     const std::filesystem::path& templatePicture, commands::EditPorts ports);

// The section CrePrezen: the folder (EditFolder) and the prefix (EditDCF).
[[nodiscard]] PresentationRequest ReadPresentationSettings(const shell::SettingsStore& store);
void WritePresentationSettings(shell::SettingsStore& store, const PresentationRequest& request);

} // namespace publish
