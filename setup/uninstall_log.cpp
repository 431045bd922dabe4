#include "setup/uninstall_log.h"

#include "setup/file_primitives.h"
#include "setup/ini_access.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"

namespace setup {
namespace {

constexpr std::string_view kSharedOption = "/S";

bool HasSharedOption(std::string_view entry) {
    return PosNoCase(kSharedOption, SplitLogEntry(entry).options) != 0;
}

// The file entry with "/S" first among its options, unless it has "/S" already.
std::string WithSharedOption(const std::string& entry) {
    if (HasSharedOption(entry)) {
        return entry;
    }
    const LogEntryParts parts = SplitLogEntry(entry);
    const std::string rest = parts.options.empty() ? std::string() : parts.options.substr(1);
    return parts.path + "," + std::string(kSharedOption) + rest;
}

template <typename Combine>
std::vector<std::string> Merge(const std::vector<std::string>& entries, Combine combine) {
    std::vector<std::string> written;
    for (const std::string& entry : entries) {
        const std::size_t index = IniListIndex(entry, written);
        if (index > written.size()) {
            written.push_back(entry);
        } else {
            written[index - 1] = combine(written[index - 1], entry);
        }
    }
    return written;
}

std::string ExtensionOfSlot(std::string_view slot) {
    return SplitAtFirst(slot, ',').before;
}

// Writes each entry of a list under prefix + its number; stops at the first failure.
platform::Status WriteList(std::string_view section, std::string_view prefix,
                           const std::vector<std::string>& entries, std::string_view file) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        platform::Status written =
            IniWriteString(section, std::string(prefix) + std::to_string(i + 1), entries[i], file);
        if (!written) {
            return written;
        }
    }
    return {};
}

platform::Status WriteHeader(const UninstallLog& log, std::string_view file) {
    const std::string_view messages[] = {text::kLogMessage1, text::kLogMessage2, text::kLogMessage3,
                                         text::kLogMessage4};
    for (std::size_t i = 0; i < std::size(messages); ++i) {
        platform::Status written = IniWriteString("Information", "Message" + std::to_string(i + 1),
                                                  Cp932Text(messages[i]), file);
        if (!written) {
            return written;
        }
    }
    if (platform::Status written = IniWriteString("Title", "UnSetup", log.title, file); !written) {
        return written;
    }
    return IniWriteString("SetupFolder", "Folder", log.setupFolder, file);
}

platform::Status WriteRestoreRelate(const RestoreRelateSlots& slots, std::string_view file) {
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        if (slots[slot].empty()) {
            continue;
        }
        platform::Status written =
            IniWriteString("RestoreRelate", "Key" + std::to_string(slot + 1), slots[slot], file);
        if (!written) {
            return written;
        }
    }
    return {};
}

platform::Status WriteTrailer(const UninstallLog& log, std::string_view file) {
    if (!log.unSetupOption.empty()) {
        if (platform::Status written =
                IniWriteString("UnSetupOption", "CheckBox", log.unSetupOption, file);
            !written) {
            return written;
        }
    }
    if (platform::Status written =
            IniWriteString("UnSetupRegistryKey", "Key", log.registryKey, file);
        !written) {
        return written;
    }
    return IniWriteString("ProgramID", "ID", log.programId, file);
}

} // namespace

UninstallLists ReadUninstallLists(std::string_view logFile) {
    UninstallLists lists;
    lists.folders = IniReadList("DeleteFolder", "Folder", logFile);
    lists.files = IniReadList("DeleteFile", "File", logFile);
    lists.shortcuts = IniReadList("DeleteShortCut", "File", logFile);
    lists.registryKeys = IniReadList("DeleteRegistry", "Key", logFile);
    lists.addedFiles = IniReadList("AddDeleteFile", "File", logFile);
    for (std::size_t slot = 1; slot <= kRestoreRelateSlots; ++slot) {
        const std::string value =
            IniReadString("RestoreRelate", "Key" + std::to_string(slot), "", logFile);
        if (!value.empty()) {
            const SplitText split = SplitAtFirst(value, ',');
            AddRestoreRelate(lists.restoreRelate, split.before, split.after);
        }
    }
    return lists;
}

UninstallLog ReadUninstallLog(std::string_view logFile) {
    UninstallLog log;
    log.title = IniReadString("Title", "UnSetup", "", logFile);
    log.setupFolder = IniReadString("SetupFolder", "Folder", "", logFile);
    log.lists = ReadUninstallLists(logFile);
    log.unSetupOption = IniReadString("UnSetupOption", "CheckBox", "0,0,0,0", logFile);
    log.registryKey = IniReadString("UnSetupRegistryKey", "Key", "", logFile);
    log.programId = IniReadString("ProgramID", "ID", "", logFile);
    return log;
}

LogEntryParts SplitLogEntry(std::string_view entry) {
    for (std::size_t pos = FindByte(entry, ','); pos != std::string_view::npos;) {
        if (pos + 1 == entry.size() || entry[pos + 1] == '/') {
            return {std::string(entry.substr(0, pos)), std::string(entry.substr(pos))};
        }
        const std::size_t next = FindByte(entry.substr(pos + 1), ',');
        pos = next == std::string_view::npos ? next : pos + 1 + next;
    }
    return {std::string(entry), {}};
}

std::size_t IniListIndex(std::string_view entry, const std::vector<std::string>& written) {
    const std::string path = SplitLogEntry(entry).path;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (EqualNoCaseCp932(SplitLogEntry(written[i]).path, path)) {
            return i + 1;
        }
    }
    return written.size() + 1;
}

std::vector<std::string> MergedEntries(const std::vector<std::string>& entries) {
    return Merge(entries, [](const std::string&, const std::string& later) { return later; });
}

std::vector<std::string> MergedFileEntries(const std::vector<std::string>& entries) {
    return Merge(entries, [](const std::string& earlier, const std::string& later) {
        return HasSharedOption(earlier) ? WithSharedOption(later) : later;
    });
}

bool HoldsExtension(const RestoreRelateSlots& slots, std::string_view extension) {
    for (const std::string& slot : slots) {
        if (!slot.empty() && EqualNoCaseCp932(ExtensionOfSlot(slot), extension)) {
            return true;
        }
    }
    return false;
}

bool AddRestoreRelate(RestoreRelateSlots& slots, std::string_view extension,
                      std::string_view previousType) {
    if (HoldsExtension(slots, extension)) {
        return false;
    }
    for (std::string& slot : slots) {
        if (slot.empty()) {
            slot = std::string(extension) + "," + std::string(previousType);
            return true;
        }
    }
    return false;
}

platform::Status WriteUninstallLog(const UninstallLog& log, std::string_view logFile) {
    (void)DeletePath(logFile);
    const UninstallLists& lists = log.lists;
    const struct {
        std::string_view section;
        std::string_view prefix;
        std::vector<std::string> entries;
    } sections[] = {
        {"DeleteFolder", "Folder", MergedEntries(lists.folders)},
        {"DeleteFile", "File", MergedFileEntries(lists.files)},
        {"DeleteShortCut", "File", MergedEntries(lists.shortcuts)},
        {"DeleteRegistry", "Key", MergedEntries(lists.registryKeys)},
        {"AddDeleteFile", "File", MergedEntries(lists.addedFiles)},
    };
    if (platform::Status written = WriteHeader(log, logFile); !written) {
        return written;
    }
    for (const auto& list : sections) {
        if (platform::Status written = WriteList(list.section, list.prefix, list.entries, logFile);
            !written) {
            return written;
        }
    }
    if (platform::Status written = WriteRestoreRelate(lists.restoreRelate, logFile); !written) {
        return written;
    }
    return WriteTrailer(log, logFile);
}

} // namespace setup
