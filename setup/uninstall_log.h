#pragma once

// The uninstall log UNSETUP.INI that an install writes into the install folder: what it made,
// for the uninstaller to undo.

#include "platform/result.h"
#include "setup/file_primitives.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace setup {

inline constexpr std::size_t kRestoreRelateSlots = 20;
inline constexpr std::string_view kUninstallLogName = "UNSETUP.INI";
inline constexpr std::string_view kUninstallKeyPrefix =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

using RestoreRelateSlots = std::array<std::string, kRestoreRelateSlots>;

// One list of the log as it is written: entries numbered from 1 in the order they come, an
// entry whose path (letter case aside) is that of an earlier one taking the earlier number and
// place, as the platform's list writing does. In a list of files the later entry keeps an
// earlier "/S", placed first so that it stays within the five characters of options the
// uninstaller reads.
class LogList {
public:
    enum class Kind { Plain, Files };
    explicit LogList(Kind kind = Kind::Plain) : kind_(kind) {}

    struct Added {
        std::size_t number = 0; // from 1
        std::string value;      // what is written under that number
    };
    Added Add(std::string_view entry);

    [[nodiscard]] const std::vector<std::string>& Entries() const { return entries_; }
    [[nodiscard]] auto begin() const { return entries_.begin(); }
    [[nodiscard]] auto end() const { return entries_.end(); }
    [[nodiscard]] bool empty() const { return entries_.empty(); }

private:
    Kind kind_;
    std::vector<std::string> entries_;
    std::unordered_map<std::string, std::size_t> numbers_; // upper-case path -> index
};

// The records of the files of [DeleteFile], in the section [InstalledFile] ("Format=1", then
// FileN = size "," time "," path), which readers from before it ignore.
struct InstalledFiles {
    bool kept = false; // the log keeps records: a file without one is no file the install made
    std::unordered_map<std::string, FileRecord> byPath; // upper-case path -> record

    [[nodiscard]] std::optional<FileRecord> Find(std::string_view path) const;
    void Set(std::string_view path, FileRecord record);
};

// What the uninstaller removes, in the order it was made.
struct UninstallLists {
    LogList folders;                     // [DeleteFolder] FolderN
    LogList files{LogList::Kind::Files}; // [DeleteFile] FileN: path, optionally "," options
    LogList shortcuts;                   // [DeleteShortCut] FileN
    LogList registryKeys;                // [DeleteRegistry] KeyN: rooted keys
    LogList addedFiles;                  // [AddDeleteFile] FileN: files or patterns
    RestoreRelateSlots restoreRelate;    // [RestoreRelate] KeyN: "ext,previous type"
    InstalledFiles installed;            // [InstalledFile]
};

// The lists of the log, each named by its section and the prefix of its keys.
enum class LogListId { Folders, Files, Shortcuts, RegistryKeys, AddedFiles };
struct LogListSection {
    std::string_view section;
    std::string_view prefix;
};
[[nodiscard]] LogListSection SectionOf(LogListId list);
[[nodiscard]] LogList& ListOf(UninstallLists& lists, LogListId list);
[[nodiscard]] const LogList& ListOf(const UninstallLists& lists, LogListId list);
inline constexpr std::string_view kRestoreRelateSection = "RestoreRelate";
inline constexpr std::string_view kInstalledFileSection = "InstalledFile";

struct UninstallLog {
    std::string title;       // [Title] UnSetup
    std::string setupFolder; // [SetupFolder] Folder, with "\"
    UninstallLists lists;
    std::string unSetupOption; // [UnSetupOption] CheckBox, written when not empty
    std::string registryKey;   // [UnSetupRegistryKey] Key
    std::string programId;     // [ProgramID] ID
    // Not in the file: where the log the uninstall started with lies (Windows spelling), or
    // empty when that is not known.
    std::string location;
};

// The lists of an earlier log, so that a reinstall into the same folder keeps them.
[[nodiscard]] UninstallLists ReadUninstallLists(std::string_view logFile);

// The whole log, as the uninstaller reads it: absent values are empty, except [UnSetupOption]
// CheckBox, which is "0,0,0,0" when absent. A section repeated further down continues the
// first one, as the log of an install that was stopped half-way holds them.
[[nodiscard]] UninstallLog ReadUninstallLog(std::string_view logFile);

// A log entry's path and options. The options start at the first "," that is followed by "/"
// or ends the entry: a "," inside a folder name ("C:\Tools, Inc\a.dll,/S") is part of the path,
// and no name can hold "/".
struct LogEntryParts {
    std::string path;
    std::string options; // from the comma on, or empty
};
[[nodiscard]] LogEntryParts SplitLogEntry(std::string_view entry);

// The entries as they are written: duplicates merged as LogList does.
[[nodiscard]] std::vector<std::string> MergedEntries(const std::vector<std::string>& entries);
[[nodiscard]] std::vector<std::string> MergedFileEntries(const std::vector<std::string>& entries);

// Whether a slot already holds the extension (letter case aside).
[[nodiscard]] bool HoldsExtension(const RestoreRelateSlots& slots, std::string_view extension);
// Puts "ext,previous type" into the first empty slot unless a slot holds the extension; the
// slot's index, or none when it was not put (held already, or no slot free).
std::optional<std::size_t> AddRestoreRelate(RestoreRelateSlots& slots, std::string_view extension,
                                            std::string_view previousType);

// The value of an [InstalledFile] key for the file.
[[nodiscard]] std::string RecordText(std::string_view path, FileRecord record);

// The whole text of the log, as the platform's profile writing would make it key by key.
[[nodiscard]] std::string UninstallLogText(const UninstallLog& log);

} // namespace setup
