#pragma once

// The output folder of the commands that write their results as copies into one folder: it
// must be named, and a folder that does not exist is made once the user agreed.

#include "commands/edit_batch.h"

#include <filesystem>

namespace commands {

// Where the written files go: in place, or into the folder when copyToFolder is set.
struct OutputChoice {
    bool copyToFolder = false;
    std::filesystem::path folder;
};

// True when the files may be written: in place, or into a folder that exists now. An empty
// folder name is told; a missing folder is asked about and made with its missing parents. False
// when the user declined or the folder could not be made; the prompt has said why.
[[nodiscard]] bool OutputFolderReady(const OutputChoice& output, EditPrompt& prompt);

} // namespace commands
