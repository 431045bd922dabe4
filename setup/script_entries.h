#pragma once

// One typed record per numbered entry of the script, split into its fields once when the script
// is read. Fields keep their macros: they are expanded when the entry is carried out, since the
// install folder is fixed only then. Splitting before expanding keeps a "," or "|" inside a
// folder that a macro stands for ("C:\A,B\") from cutting an entry apart.

#include "setup/registry_keys.h"

#include <string>
#include <string_view>
#include <vector>

namespace setup {

// [CopyFile] FileN: optional "(Dch)", destination path, optional "|" and new name, optional
// "," and options ("/S" shared, "/W" always overwrite, "/R" register; "/C", "/L", "/F" for the
// uninstaller).
struct CopyFileEntry {
    std::string text; // as written
    bool diskChange = false;
    std::string path;     // before "|"
    std::string newName;  // after "|"
    bool renamed = false; // whether there was a "|"
    std::string options;  // from the first "," on, the comma included; empty when none

    // Whether the options hold the flag ("/S"), in any letter case.
    [[nodiscard]] bool HasOption(std::string_view flag) const;
};
[[nodiscard]] CopyFileEntry ParseCopyFileEntry(std::string_view text);

// [ShortCut] MakeN and NameN.
struct ShortcutEntry {
    std::string target;     // MakeN before its first ","
    std::string arguments;  // after it
    std::string link;       // NameN before its first ","; "Default" when NameN is absent
    std::string workFolder; // after it
};
inline constexpr std::string_view kDefaultShortcutName = "Default";
[[nodiscard]] ShortcutEntry ParseShortcutEntry(std::string_view make, std::string_view name);

// [Registry] KeyN, NameN and ValueN.
struct RegistryEntry {
    std::string keyText; // KeyN as written
    RootedKey key;
    std::string valueName;              // empty: the key's default value
    std::string value;                  // ValueN without "(Pdd)"
    bool dropTrailingDelimiter = false; // "(Pdd)" stood in the value
};
[[nodiscard]] RegistryEntry ParseRegistryEntry(std::string_view key, std::string_view name,
                                               std::string_view value);

// [IniFile] DataN: section, key, value and file.
struct IniFileEntry {
    std::string section;
    std::string key;
    std::string value;
    std::string file; // everything after the third ","
};
[[nodiscard]] IniFileEntry ParseIniFileEntry(std::string_view data);

// [Relate] NameN and FileN.
struct RelateEntry {
    int number = 0;
    std::string extension;   // without the dot
    std::string description; // ext + " File" when NameN has no ","
    std::string verb;
    std::string program;
    std::vector<std::string> arguments; // the non-empty fields between program and icon index
    std::string iconIndex;
};
[[nodiscard]] RelateEntry ParseRelateEntry(int number, std::string_view name,
                                           std::string_view file);

// [ExecuteFile] File.
struct ExecuteFileEntry {
    enum class Kind { None, Restart, Program };
    Kind kind = Kind::None;
    std::string program;
    std::string parameters;
};
inline constexpr std::string_view kRestartKeyword = "WINDOWS_REBOOT";
[[nodiscard]] ExecuteFileEntry ParseExecuteFileEntry(std::string_view text);

} // namespace setup
