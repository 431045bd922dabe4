#pragma once

// The planned work of the file commands: each selected file with its new name, shown as a row of
// the confirmation list, and the rows the user left ticked turned back into paths.

#include "commands/batch_ports.h"
#include "commands/confirmation_list.h"
#include "exif/name_templates.h"

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace commands {

// How copy, move and rename name the new file (the radio buttons of their dialogs).
enum class NamingChoice {
    Keep,     // RadioButton1 "同一ファイル名(&S)"
    ShotDate, // RadioButton2 "撮影日付に変名(&D)"
    Dcf,      // RadioButton3 "DCF形式に変名(&E)": prefix and running number
};

struct NamingRequest {
    NamingChoice choice = NamingChoice::Keep;
    std::string prefix;                  // CP932, for Dcf
    exif::NameTemplateSettings settings; // the date-name settings, for ShotDate
};

// The new file name (no folder) of each source, in order, as the name templates make them. A
// name is made for the folder the file goes to; every generated name joins the batch's list, so
// two files of one run never get one running number. Throws platform::FileError when a source
// cannot be read or a folder listed.
[[nodiscard]] std::vector<std::filesystem::path>
NewNames(std::span<const std::filesystem::path> sources,
         const std::function<std::filesystem::path(const std::filesystem::path&)>& folderOf,
         const NamingRequest& request);

// One file of a command: its row and the paths behind it.
struct PlannedFile {
    PlannedRow row; // CP932 texts
    std::filesystem::path source;
    std::filesystem::path destination; // empty for a delete
};

// The row of a file: caption = its name, then the action, old and new text (CP932).
[[nodiscard]] PlannedRow RowOf(const std::filesystem::path& source, std::string action,
                               std::string oldValue, std::string newValue);

// Fills the cleared list with the rows and returns the files in the list's order, so that row
// i is file i.
[[nodiscard]] std::vector<PlannedFile> FillList(ConfirmationList& list,
                                                std::vector<PlannedFile> files);

// The files whose rows are ticked, in list order; files as FillList returned them.
[[nodiscard]] std::vector<PlannedFile> TickedFiles(const ConfirmationList& list,
                                                   const std::vector<PlannedFile>& files);

// The UTF-8 text of the source as CP932 (the captions and action texts of the commands).
[[nodiscard]] std::string Cp932Text(const char* utf8);

} // namespace commands
