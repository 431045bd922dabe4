#pragma once

// The external-program table of section Exec: 26 entries, A to Z. Each has five string values
// named by a word and the entry's letter (TitleA, ProgramA, ParamA, WorkA, ExifA), all empty by
// default. An entry with an empty title is offered nowhere.

#include "platform/result.h"
#include "shell/settings_store.h"

#include <array>
#include <string>
#include <string_view>

namespace shell {

inline constexpr std::string_view kExecSection = "Exec";
inline constexpr int kExecEntryCount = 26;

enum class ExecField { Title, Program, Param, Work, Exif };
inline constexpr std::array<ExecField, 5> kExecFields = {
    ExecField::Title, ExecField::Program, ExecField::Param, ExecField::Work, ExecField::Exif};

// The option letters of value Exif + letter, any subset of E, T, D, M, written in that order.
struct ExecOptions {
    bool restoreExif = false;     // E: save the EXIF data before the program runs, restore after
    bool createThumbnail = false; // T: make a new thumbnail afterwards
    bool stripExif = false;       // D: take the EXIF data off before the program starts
    bool maximize = false;        // M: start the program maximised
    bool operator==(const ExecOptions&) const = default;
};

struct ExecEntry {
    std::string title;   // CP932, as all four texts
    std::string program; // program path
    std::string param;   // arguments; "$P" stands for the folder name, "$F" for the file name
    std::string work;    // working folder
    ExecOptions options;
    bool operator==(const ExecEntry&) const = default;
};

using ExecTable = std::array<ExecEntry, kExecEntryCount>;

// "TitleA" for (Title, 0) ... "ExifZ" for (Exif, 25). index must be 0-25.
[[nodiscard]] std::string ExecValueName(ExecField field, int index);

// Letters other than E, T, D and M are ignored.
[[nodiscard]] ExecOptions ParseExecOptions(std::string_view letters);
[[nodiscard]] std::string FormatExecOptions(const ExecOptions& options);

[[nodiscard]] ExecTable ReadExecTable(const SettingsStore& store);
// Writes all 130 values, even after one has failed; the first failure is returned.
[[nodiscard]] platform::Status WriteExecTable(SettingsStore& store, const ExecTable& table);

} // namespace shell
