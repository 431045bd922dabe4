#pragma once

// The script SETUP.INI, read once into records: every section and key with its default.

#include "setup/script_entries.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace setup {

inline constexpr int kDefaultSetupSpeed = 400;
inline constexpr int kRelateLimit = 20;
inline constexpr std::string_view kSetupOnlyMark = "Setup Only.";

struct TitleSection {
    std::string setup;          // [Title] Setup, default "Orvik! Setup 98"
    std::string unSetup;        // default the setup title
    std::string unSetupKey;     // default the uninstall title
    std::string unSetupDisplay; // default the UnSetupKey value

    // "Setup Only." in the uninstall title: no uninstall information is written.
    [[nodiscard]] bool SetupOnly() const;
};

struct ExtendSection {
    int setupSpeed = kDefaultSetupSpeed; // milliseconds, at least 1
    bool optionsEnabled = true;          // false when Enabled is exactly "False"
    std::string unSetupOption;           // default "0,0,0,0"
};

struct DefaultFolderSection {
    std::string folder;        // default "(Prg)\"
    std::string referRegistry; // rooted key "," value name
    std::string referIniFile;  // section "," key "," file
};

struct ReadmeSection {
    std::string file; // relative to the program folder
    std::string title;
    std::string scrollBars; // "ssVertical" (default), "ssHorizontal" or "ssBoth"
};

struct SetupScript {
    TitleSection title;
    ExtendSection extend;
    DefaultFolderSection defaultFolder;
    std::string programId;
    std::array<std::string, 5> topMessages;
    ReadmeSection readme;
    std::vector<std::string> makeFolders;
    std::vector<CopyFileEntry> copyFiles;
    std::vector<ShortcutEntry> shortcuts;
    std::vector<RegistryEntry> registry;
    std::vector<IniFileEntry> iniFiles;
    std::vector<RelateEntry> relate; // the RelateTable: pairs of Name1 to Name20 with both parts
    std::vector<std::string> deleteRegistry;
    std::vector<std::string> addDeleteFiles;
    ExecuteFileEntry executeFile;
};

// Reads the script; absent entries take their defaults, so this cannot fail.
[[nodiscard]] SetupScript LoadSetupScript(std::string_view scriptFile);

// [Extend] SetupSpeed: a decimal number, below 1 taken as 1; anything else the default.
[[nodiscard]] int ParseSetupSpeed(std::string_view text);

} // namespace setup
