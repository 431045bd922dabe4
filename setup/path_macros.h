#pragma once

// The path macros of the script ("(App)", "(Win)", "(C_Dsk)" ...) and their expansion. Every
// value is a folder ending in "\"; a folder that could not be obtained is "\".

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace setup {

// In the fixed order of expansion.
enum class Macro {
    App, // the install folder
    Prg, // Program Files
    Win, // the Windows folder
    Sys, // the System folder
    Tmp, // the temporary folder
    Boo, // the boot drive
    Set, // the drive of the install folder
    Edr, // the drive the installer runs from
    Smn, // start menu
    Sta, // start menu programs
    Dsk, // desktop
    Sup, // startup
    Sen, // send to
    CSmn,
    CSta,
    CDsk,
    CSup,
};

inline constexpr std::size_t kMacroCount = 17;

inline constexpr std::array<std::string_view, kMacroCount> kMacroNames = {
    "(App)", "(Prg)", "(Win)", "(Sys)", "(Tmp)",   "(Boo)",   "(Set)",   "(Edr)",  "(Smn)",
    "(Sta)", "(Dsk)", "(Sup)", "(Sen)", "(C_Smn)", "(C_Sta)", "(C_Dsk)", "(C_Sup)"};

[[nodiscard]] constexpr std::string_view MacroName(Macro macro) {
    return kMacroNames[static_cast<std::size_t>(macro)];
}

// Each occurrence of the macro (found with PosNoCase) replaced by the value; a "\" right after
// it is dropped when the value ends with one. Text that a replacement inserted is not searched
// again, so a value that contains the macro's own text cannot loop.
[[nodiscard]] std::string ReplaceMacro(std::string_view s, std::string_view macro,
                                       std::string_view value);

class PathMacros {
public:
    // "(App)" holds its own text and "(Set)" is empty until the install folder is fixed; every
    // other macro is "\" until it is set.
    PathMacros();

    [[nodiscard]] const std::string& Value(Macro macro) const {
        return values_[static_cast<std::size_t>(macro)];
    }
    // Stores the folder with a trailing "\".
    void Set(Macro macro, std::string_view folder);
    // (App) = the folder with a trailing "\", (Set) = its drive.
    void SetInstallFolder(std::string_view folder);

private:
    std::array<std::string, kMacroCount> values_;
};

// ReplaceMacro for every macro, in the fixed order; other parenthesised text such as "(Dch)",
// "(Str)" or "(Pdd)" passes unchanged.
[[nodiscard]] std::string ExpandPathMacros(std::string_view s, const PathMacros& macros);

// The first two characters of a path followed by "\" ("C:\").
[[nodiscard]] std::string DriveOf(std::string_view path);

} // namespace setup
