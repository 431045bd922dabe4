#pragma once

// The uninstall log UNSETUP.INI that an install writes into the install folder: what it made,
// for the uninstaller to undo.

#include "platform/result.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

inline constexpr std::size_t kRestoreRelateSlots = 20;
inline constexpr std::string_view kUninstallLogName = "UNSETUP.INI";
inline constexpr std::string_view kUninstallKeyPrefix =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

using RestoreRelateSlots = std::array<std::string, kRestoreRelateSlots>;

// What the uninstaller removes, in the order it was made.
struct UninstallLists {
    std::vector<std::string> folders;      // [DeleteFolder] FolderN
    std::vector<std::string> files;        // [DeleteFile] FileN: path, optionally "," and options
    std::vector<std::string> shortcuts;    // [DeleteShortCut] FileN
    std::vector<std::string> registryKeys; // [DeleteRegistry] KeyN: rooted keys
    std::vector<std::string> addedFiles;   // [AddDeleteFile] FileN: files or patterns
    RestoreRelateSlots restoreRelate;      // [RestoreRelate] KeyN: "ext,previous type"
};

struct UninstallLog {
    std::string title;       // [Title] UnSetup
    std::string setupFolder; // [SetupFolder] Folder, with "\"
    UninstallLists lists;
    std::string unSetupOption; // [UnSetupOption] CheckBox, written when not empty
    std::string registryKey;   // [UnSetupRegistryKey] Key
    std::string programId;     // [ProgramID] ID
};

// The lists of an earlier log, so that a reinstall into the same folder keeps them.
[[nodiscard]] UninstallLists ReadUninstallLists(std::string_view logFile);

// The whole log, as the uninstaller reads it: absent values are empty, except [UnSetupOption]
// CheckBox, which is "0,0,0,0" when absent.
[[nodiscard]] UninstallLog ReadUninstallLog(std::string_view logFile);

// A log entry's path and options. The options start at the first "," that is followed by "/"
// or ends the entry: a "," inside a folder name ("C:\Tools, Inc\a.dll,/S") is part of the path,
// and no name can hold "/".
struct LogEntryParts {
    std::string path;
    std::string options; // from the comma on, or empty
};
[[nodiscard]] LogEntryParts SplitLogEntry(std::string_view entry);

// The number (from 1) under which an entry is written among the entries written so far: that
// of the first one with the same path (letter case aside), else the next free one. A duplicate
// thus replaces its earlier key.
[[nodiscard]] std::size_t IniListIndex(std::string_view entry,
                                       const std::vector<std::string>& written);

// The entries as they are written: duplicates merged by IniListIndex. A file entry that
// replaces an earlier one keeps the earlier "/S", placed first so that it stays within the
// five characters of options the uninstaller reads.
[[nodiscard]] std::vector<std::string> MergedEntries(const std::vector<std::string>& entries);
[[nodiscard]] std::vector<std::string> MergedFileEntries(const std::vector<std::string>& entries);

// Whether a slot already holds the extension (letter case aside).
[[nodiscard]] bool HoldsExtension(const RestoreRelateSlots& slots, std::string_view extension);
// Puts "ext,previous type" into the first empty slot unless a slot holds the extension; false
// when it was not put (held already, or no slot free).
bool AddRestoreRelate(RestoreRelateSlots& slots, std::string_view extension,
                      std::string_view previousType);

// Writes the log from scratch: an earlier file is deleted first.
[[nodiscard]] platform::Status WriteUninstallLog(const UninstallLog& log, std::string_view logFile);

} // namespace setup
