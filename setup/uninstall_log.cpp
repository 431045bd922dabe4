#include "setup/uninstall_log.h"

#include "platform/profile_ini.h"
#include "platform/text_case.h"
#include "setup/host_paths.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"

#include <charconv>
#include <utility>

namespace setup {
namespace {

constexpr std::string_view kSharedOption = "/S";
constexpr std::string_view kFormatKey = "Format";
constexpr std::string_view kFormat = "1";
constexpr std::string_view kRecordPrefix = "FILE";

constexpr LogListSection kListSections[] = {
    {"DeleteFolder", "Folder"}, {"DeleteFile", "File"},    {"DeleteShortCut", "File"},
    {"DeleteRegistry", "Key"},  {"AddDeleteFile", "File"},
};
constexpr LogListId kLists[] = {LogListId::Folders, LogListId::Files, LogListId::Shortcuts,
                                LogListId::RegistryKeys, LogListId::AddedFiles};

bool HasSharedOption(std::string_view entry) {
    return PosNoCase(kSharedOption, SplitLogEntry(entry).options) != 0;
}

// The file entry with "/S" first among its options, unless it has "/S" already.
std::string WithSharedOption(std::string_view entry) {
    if (HasSharedOption(entry)) {
        return std::string(entry);
    }
    const LogEntryParts parts = SplitLogEntry(entry);
    const std::string rest = parts.options.empty() ? std::string() : parts.options.substr(1);
    return parts.path + "," + std::string(kSharedOption) + rest;
}

std::string ExtensionOfSlot(std::string_view slot) {
    return SplitAtFirst(slot, ',').before;
}

// A section's keys and values from one reading of the log; a repeated section continues it.
class LogSection {
public:
    LogSection(std::string_view section, std::string_view logFile) {
        if (const auto host = HostPathOf(logFile)) {
            values_ =
                platform::ReadProfileSection(section, *host, platform::SectionRepeats::Continue);
        }
    }
    [[nodiscard]] std::string Value(std::string_view key, std::string_view fallback = "") const {
        const auto found = values_.find(platform::UpperAscii(key));
        return found == values_.end() ? std::string(fallback) : found->second;
    }
    // The values of prefix1, prefix2 ... up to the first empty one.
    [[nodiscard]] std::vector<std::string> List(std::string_view prefix) const {
        std::vector<std::string> list;
        for (int n = 1;; ++n) {
            std::string value = Value(std::string(prefix) + std::to_string(n));
            if (value.empty()) {
                return list;
            }
            list.push_back(std::move(value));
        }
    }
    [[nodiscard]] const auto& Values() const { return values_; }

private:
    std::unordered_map<std::string, std::string> values_;
};

// "size,time,path"; none when the text is no record.
std::optional<std::pair<std::string, FileRecord>> ParseRecord(std::string_view text) {
    const SplitText size = SplitAtFirst(text, ',');
    const SplitText time = SplitAtFirst(size.after, ',');
    FileRecord record;
    const auto number = [](const std::string& digits, auto& out) {
        const char* end = digits.data() + digits.size();
        const auto [stop, error] = std::from_chars(digits.data(), end, out);
        return !digits.empty() && error == std::errc() && stop == end;
    };
    if (!time.found || time.after.empty() || !number(size.before, record.size) ||
        !number(time.before, record.time)) {
        return std::nullopt;
    }
    return std::make_pair(time.after, record);
}

InstalledFiles ReadInstalledFiles(std::string_view logFile) {
    const LogSection section(kInstalledFileSection, logFile);
    InstalledFiles installed;
    installed.kept = section.Value(kFormatKey) == kFormat;
    for (const auto& [key, value] : section.Values()) {
        if (key.starts_with(kRecordPrefix)) {
            if (auto record = ParseRecord(value)) {
                installed.Set(record->first, record->second);
            }
        }
    }
    return installed;
}

// The text of the sections in the order given, as key-by-key profile writing makes it: a blank
// line between sections, CR LF after every line, and no section without keys.
class ProfileText {
public:
    void Add(std::string_view section, std::string_view key, std::string_view value) {
        if (section != section_) {
            text_.append(text_.empty() ? "" : "\r\n").append("[").append(section).append("]\r\n");
            section_ = std::string(section);
        }
        text_.append(key).append("=").append(value).append("\r\n");
    }
    [[nodiscard]] std::string Text() && { return std::move(text_); }

private:
    std::string text_;
    std::string section_;
};

void AddHeader(const UninstallLog& log, ProfileText& text) {
    const std::string_view messages[] = {text::kLogMessage1, text::kLogMessage2, text::kLogMessage3,
                                         text::kLogMessage4};
    for (std::size_t i = 0; i < std::size(messages); ++i) {
        text.Add("Information", "Message" + std::to_string(i + 1), Cp932Text(messages[i]));
    }
    text.Add("Title", "UnSetup", log.title);
    text.Add("SetupFolder", "Folder", log.setupFolder);
}

void AddLists(const UninstallLists& lists, ProfileText& text) {
    for (const LogListId id : kLists) {
        const LogListSection section = SectionOf(id);
        std::size_t number = 0;
        for (const std::string& entry : ListOf(lists, id)) {
            text.Add(section.section, std::string(section.prefix) + std::to_string(++number),
                     entry);
        }
    }
    for (std::size_t slot = 0; slot < lists.restoreRelate.size(); ++slot) {
        if (!lists.restoreRelate[slot].empty()) {
            text.Add(kRestoreRelateSection, "Key" + std::to_string(slot + 1),
                     lists.restoreRelate[slot]);
        }
    }
}

void AddTrailer(const UninstallLog& log, ProfileText& text) {
    if (!log.unSetupOption.empty()) {
        text.Add("UnSetupOption", "CheckBox", log.unSetupOption);
    }
    text.Add("UnSetupRegistryKey", "Key", log.registryKey);
    text.Add("ProgramID", "ID", log.programId);
}

void AddRecords(const UninstallLists& lists, ProfileText& text) {
    text.Add(kInstalledFileSection, kFormatKey, kFormat);
    std::size_t number = 0;
    for (const std::string& entry : lists.files) {
        ++number;
        const std::string path = SplitLogEntry(entry).path;
        if (const std::optional<FileRecord> record = lists.installed.Find(path)) {
            text.Add(kInstalledFileSection, "File" + std::to_string(number),
                     RecordText(path, *record));
        }
    }
}

} // namespace

LogList::Added LogList::Add(std::string_view entry) {
    const std::string path = UpperCp932(SplitLogEntry(entry).path);
    const auto [found, isNew] = numbers_.try_emplace(path, entries_.size());
    if (isNew) {
        entries_.emplace_back(entry);
    } else {
        std::string& earlier = entries_[found->second];
        earlier = kind_ == Kind::Files && HasSharedOption(earlier) ? WithSharedOption(entry)
                                                                   : std::string(entry);
    }
    return {found->second + 1, entries_[found->second]};
}

std::optional<FileRecord> InstalledFiles::Find(std::string_view path) const {
    const auto found = byPath.find(UpperCp932(path));
    return found == byPath.end() ? std::nullopt : std::optional<FileRecord>(found->second);
}

void InstalledFiles::Set(std::string_view path, FileRecord record) {
    byPath[UpperCp932(path)] = record;
}

LogListSection SectionOf(LogListId list) {
    return kListSections[static_cast<std::size_t>(list)];
}

LogList& ListOf(UninstallLists& lists, LogListId list) {
    return const_cast<LogList&>(ListOf(std::as_const(lists), list));
}

const LogList& ListOf(const UninstallLists& lists, LogListId list) {
    switch (list) {
    case LogListId::Folders:
        return lists.folders;
    case LogListId::Files:
        return lists.files;
    case LogListId::Shortcuts:
        return lists.shortcuts;
    case LogListId::RegistryKeys:
        return lists.registryKeys;
    case LogListId::AddedFiles:
        break;
    }
    return lists.addedFiles;
}

UninstallLists ReadUninstallLists(std::string_view logFile) {
    UninstallLists lists;
    for (const LogListId id : kLists) {
        const LogListSection section = SectionOf(id);
        LogList& list = ListOf(lists, id);
        for (const std::string& entry : LogSection(section.section, logFile).List(section.prefix)) {
            (void)list.Add(entry);
        }
    }
    const LogSection relate(kRestoreRelateSection, logFile);
    for (std::size_t slot = 1; slot <= kRestoreRelateSlots; ++slot) {
        const std::string value = relate.Value("Key" + std::to_string(slot));
        if (!value.empty()) {
            const SplitText split = SplitAtFirst(value, ',');
            (void)AddRestoreRelate(lists.restoreRelate, split.before, split.after);
        }
    }
    lists.installed = ReadInstalledFiles(logFile);
    return lists;
}

UninstallLog ReadUninstallLog(std::string_view logFile) {
    UninstallLog log;
    log.title = LogSection("Title", logFile).Value("UnSetup");
    log.setupFolder = LogSection("SetupFolder", logFile).Value("Folder");
    log.lists = ReadUninstallLists(logFile);
    log.unSetupOption = LogSection("UnSetupOption", logFile).Value("CheckBox", "0,0,0,0");
    log.registryKey = LogSection("UnSetupRegistryKey", logFile).Value("Key");
    log.programId = LogSection("ProgramID", logFile).Value("ID");
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

std::vector<std::string> MergedEntries(const std::vector<std::string>& entries) {
    LogList list;
    for (const std::string& entry : entries) {
        (void)list.Add(entry);
    }
    return list.Entries();
}

std::vector<std::string> MergedFileEntries(const std::vector<std::string>& entries) {
    LogList list(LogList::Kind::Files);
    for (const std::string& entry : entries) {
        (void)list.Add(entry);
    }
    return list.Entries();
}

bool HoldsExtension(const RestoreRelateSlots& slots, std::string_view extension) {
    for (const std::string& slot : slots) {
        if (!slot.empty() && EqualNoCaseCp932(ExtensionOfSlot(slot), extension)) {
            return true;
        }
    }
    return false;
}

std::optional<std::size_t> AddRestoreRelate(RestoreRelateSlots& slots, std::string_view extension,
                                            std::string_view previousType) {
    if (HoldsExtension(slots, extension)) {
        return std::nullopt;
    }
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        if (slots[slot].empty()) {
            slots[slot] = std::string(extension) + "," + std::string(previousType);
            return slot;
        }
    }
    return std::nullopt;
}

std::string RecordText(std::string_view path, FileRecord record) {
    return std::to_string(record.size) + "," + std::to_string(record.time) + "," +
           std::string(path);
}

std::string UninstallLogText(const UninstallLog& log) {
    ProfileText text;
    AddHeader(log, text);
    AddLists(log.lists, text);
    AddTrailer(log, text);
    AddRecords(log.lists, text);
    return std::move(text).Text();
}

} // namespace setup
