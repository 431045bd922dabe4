#include "setup/script.h"

#include "setup/ini_access.h"
#include "setup/messages.h"
#include "setup/text_primitives.h"

#include <charconv>

namespace setup {
namespace {

TitleSection ReadTitle(std::string_view file) {
    TitleSection title;
    title.setup = IniReadString("Title", "Setup", Cp932Text(text::kDefaultTitle), file);
    title.unSetup = IniReadString("Title", "UnSetup", title.setup, file);
    title.unSetupKey = IniReadString("Title", "UnSetupKey", title.unSetup, file);
    title.unSetupDisplay = IniReadString("Title", "UnSetupDisplay", title.unSetupKey, file);
    return title;
}

ExtendSection ReadExtend(std::string_view file) {
    ExtendSection extend;
    extend.setupSpeed = ParseSetupSpeed(IniReadString("Extend", "SetupSpeed", "400", file));
    extend.optionsEnabled = IniReadString("Extend", "Enabled", "", file) != "False";
    extend.unSetupOption = IniReadString("Extend", "UnSetupOption", "0,0,0,0", file);
    return extend;
}

std::vector<CopyFileEntry> ReadCopyFiles(std::string_view file) {
    std::vector<CopyFileEntry> entries;
    for (const std::string& text : IniReadList("CopyFile", "File", file)) {
        entries.push_back(ParseCopyFileEntry(text));
    }
    return entries;
}

std::vector<ShortcutEntry> ReadShortcuts(std::string_view file) {
    std::vector<ShortcutEntry> entries;
    int n = 1;
    for (const std::string& make : IniReadList("ShortCut", "Make", file)) {
        const std::string name = IniReadString("ShortCut", "Name" + std::to_string(n++), "", file);
        entries.push_back(ParseShortcutEntry(make, name));
    }
    return entries;
}

std::vector<RegistryEntry> ReadRegistry(std::string_view file) {
    std::vector<RegistryEntry> entries;
    int n = 1;
    for (const std::string& key : IniReadList("Registry", "Key", file)) {
        const std::string number = std::to_string(n++);
        entries.push_back(
            ParseRegistryEntry(key, IniReadString("Registry", "Name" + number, "", file),
                               IniReadString("Registry", "Value" + number, "", file)));
    }
    return entries;
}

std::vector<IniFileEntry> ReadIniFiles(std::string_view file) {
    std::vector<IniFileEntry> entries;
    for (const std::string& data : IniReadList("IniFile", "Data", file)) {
        entries.push_back(ParseIniFileEntry(data));
    }
    return entries;
}

// Numbers 1 to 20, gaps allowed; a pair counts when it names an extension and a program.
std::vector<RelateEntry> ReadRelateTable(std::string_view file) {
    std::vector<RelateEntry> entries;
    for (int n = 1; n <= kRelateLimit; ++n) {
        const std::string number = std::to_string(n);
        const std::string name = IniReadString("Relate", "Name" + number, "", file);
        if (name.empty()) {
            continue;
        }
        const std::string program = IniReadString("Relate", "File" + number, "", file);
        if (program.empty()) {
            continue;
        }
        RelateEntry entry = ParseRelateEntry(n, name, program);
        if (!entry.extension.empty() && !entry.program.empty()) {
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

} // namespace

bool TitleSection::SetupOnly() const {
    return PosNoCase(kSetupOnlyMark, unSetup) != 0;
}

int ParseSetupSpeed(std::string_view text) {
    int speed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), speed);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return kDefaultSetupSpeed;
    }
    return speed < 1 ? 1 : speed;
}

SetupScript LoadSetupScript(std::string_view file) {
    SetupScript script;
    script.title = ReadTitle(file);
    script.extend = ReadExtend(file);
    script.defaultFolder.folder = IniReadString("DefaultFolder", "Folder", "(Prg)\\", file);
    script.defaultFolder.referRegistry = IniReadString("DefaultFolder", "ReferRegistry", "", file);
    script.defaultFolder.referIniFile = IniReadString("DefaultFolder", "ReferIniFile", "", file);
    script.programId = IniReadString("ProgramID", "ID", "", file);
    for (std::size_t i = 0; i < script.topMessages.size(); ++i) {
        script.topMessages[i] =
            IniReadString("TopMessage", "Message" + std::to_string(i + 1), "", file);
    }
    script.readme = {IniReadString("Readme", "File", "", file),
                     IniReadString("Readme", "Title", "", file),
                     IniReadString("Readme", "ScrollBars", "ssVertical", file)};
    script.makeFolders = IniReadList("MakeFolder", "Folder", file);
    script.copyFiles = ReadCopyFiles(file);
    script.shortcuts = ReadShortcuts(file);
    script.registry = ReadRegistry(file);
    script.iniFiles = ReadIniFiles(file);
    script.relate = ReadRelateTable(file);
    script.deleteRegistry = IniReadList("DeleteRegistry", "Key", file);
    script.addDeleteFiles = IniReadList("AddDeleteFile", "File", file);
    script.executeFile = ParseExecuteFileEntry(IniReadString("ExecuteFile", "File", "", file));
    return script;
}

} // namespace setup
