#include "setup/script_entries.h"

#include "setup/text_primitives.h"

namespace setup {
namespace {

constexpr std::string_view kDiskChange = "(Dch)";
constexpr std::string_view kKeepTrailing = "(Pdd)";
constexpr std::string_view kDefaultIconIndex = "0";

// Every field of the text split at ",".
std::vector<std::string> CommaFields(std::string_view text) {
    std::vector<std::string> fields;
    while (true) {
        const std::size_t comma = FindByte(text, ',');
        fields.emplace_back(text.substr(0, comma));
        if (comma == std::string_view::npos) {
            return fields;
        }
        text.remove_prefix(comma + 1);
    }
}

// The text with every occurrence of the token (any letter case) taken out.
std::string WithoutToken(std::string_view text, std::string_view token, bool& found) {
    std::string rest(text);
    while (const std::size_t position = PosNoCase(token, rest)) {
        rest.erase(position - 1, token.size());
        found = true;
    }
    return rest;
}

} // namespace

bool CopyFileEntry::HasOption(std::string_view flag) const {
    return PosNoCase(flag, options) != 0;
}

CopyFileEntry ParseCopyFileEntry(std::string_view text) {
    CopyFileEntry entry;
    entry.text = std::string(text);
    if (text.starts_with(kDiskChange)) {
        entry.diskChange = true;
        text.remove_prefix(kDiskChange.size());
    }
    if (const std::size_t comma = FindByte(text, ','); comma != std::string_view::npos) {
        entry.options = std::string(text.substr(comma));
        text = text.substr(0, comma);
    }
    SplitText names = SplitAtFirst(text, '|');
    entry.path = std::move(names.before);
    entry.newName = std::move(names.after);
    entry.renamed = names.found;
    return entry;
}

ShortcutEntry ParseShortcutEntry(std::string_view make, std::string_view name) {
    SplitText target = SplitAtFirst(make, ',');
    SplitText link = SplitAtFirst(name.empty() ? kDefaultShortcutName : name, ',');
    return {std::move(target.before), std::move(target.after), std::move(link.before),
            std::move(link.after)};
}

RegistryEntry ParseRegistryEntry(std::string_view key, std::string_view name,
                                 std::string_view value) {
    RegistryEntry entry;
    entry.keyText = std::string(key);
    entry.key = ParseRootedKey(key);
    entry.valueName = std::string(name);
    entry.value = WithoutToken(value, kKeepTrailing, entry.dropTrailingDelimiter);
    return entry;
}

IniFileEntry ParseIniFileEntry(std::string_view data) {
    IniFileEntry entry;
    std::string* fields[] = {&entry.section, &entry.key, &entry.value};
    std::string rest(data);
    for (std::string* field : fields) {
        SplitText split = SplitAtFirst(rest, ',');
        *field = std::move(split.before);
        rest = std::move(split.after);
    }
    entry.file = std::move(rest);
    return entry;
}

RelateEntry ParseRelateEntry(int number, std::string_view name, std::string_view file) {
    RelateEntry entry;
    entry.number = number;
    SplitText extension = SplitAtFirst(name, ',');
    entry.extension = std::move(extension.before);
    entry.description = extension.found ? std::move(extension.after) : entry.extension + " File";
    const std::vector<std::string> fields = CommaFields(file);
    entry.verb = fields[0];
    entry.program = fields.size() > 1 ? fields[1] : std::string();
    entry.iconIndex = fields.size() > 2 ? fields.back() : std::string(kDefaultIconIndex);
    for (std::size_t i = 2; i + 1 < fields.size(); ++i) {
        if (!fields[i].empty()) {
            entry.arguments.push_back(fields[i]);
        }
    }
    return entry;
}

ExecuteFileEntry ParseExecuteFileEntry(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (text == kRestartKeyword) {
        return {ExecuteFileEntry::Kind::Restart, {}, {}};
    }
    SplitText split = SplitAtFirst(text, ',');
    return {ExecuteFileEntry::Kind::Program, std::move(split.before), std::move(split.after)};
}

} // namespace setup
