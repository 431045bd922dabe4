#pragma once

// Every value the utility keeps in its registry key, by its literal section and value name, with
// its type and default. Dialogs read and write through these, so a name or default is written
// once. Names and defaults are ASCII, so they are CP932 as they stand.

#include <cstddef>
#include <string_view>

namespace shell {

struct StringSetting {
    std::string_view section;
    std::string_view name;
    std::string_view defaultValue;
};

struct IntegerSetting {
    std::string_view section;
    std::string_view name;
    int defaultValue;
};

struct BooleanSetting {
    std::string_view section;
    std::string_view name;
    bool defaultValue;
};

// A column list and its check string; both default to all 25 fields in table order, ticked.
struct ColumnListSetting {
    std::string_view section;
    std::string_view name;
    std::string_view checkName;
};

// A binary record in the program key itself; absent unless stored with exactly `size` bytes.
struct BinarySetting {
    std::string_view name;
    std::size_t size;
};

namespace settings {

// Display: the main window's state, written at exit. The panel sizes default to the window's
// designed sizes.
inline constexpr IntegerSetting kDisplayLeftW{"Display", "LeftW", 145};
inline constexpr IntegerSetting kDisplayFolderH{"Display", "FolderH", 192};
inline constexpr BooleanSetting kDisplayList{"Display", "List", false};
inline constexpr BooleanSetting kDisplayThumb{"Display", "Thumb", true};
inline constexpr StringSetting kDisplayCurDirectory{"Display", "CurDirectory", ""};

// Setup: the settings dialog's general, list, detail, HTML and CSV pages.
inline constexpr BooleanSetting kSetupPreFolder{"Setup", "PreFolder", true};
inline constexpr StringSetting kSetupPreFolderPath{"Setup", "PreFolderPath", ""};
inline constexpr IntegerSetting kSetupDate1{"Setup", "Date1", 0};
inline constexpr StringSetting kSetupDate2{"Setup", "Date2", "_"};
inline constexpr IntegerSetting kSetupDate3{"Setup", "Date3", 4};
inline constexpr StringSetting kSetupDate4{"Setup", "Date4", "_"};
inline constexpr IntegerSetting kSetupDate5{"Setup", "Date5", 2};
inline constexpr ColumnListSetting kSetupList{"Setup", "List", "ListCheck"};
inline constexpr BooleanSetting kSetupListThumbSize{"Setup", "ListThumbSize", true};
inline constexpr ColumnListSetting kSetupDetail{"Setup", "Detail", "DetailCheck"};
inline constexpr BooleanSetting kSetupDetailExif{"Setup", "DetailExif", false};
// The value HTML of Setup, unrelated to the section HTML of the album dialog; likewise CSV.
inline constexpr ColumnListSetting kSetupHtml{"Setup", "HTML", "HTMLCheck"};
inline constexpr ColumnListSetting kSetupCsv{"Setup", "CSV", "CSVCheck"};

// Tool: preview and slide show. The width and the interval are decimal text.
inline constexpr BooleanSetting kToolPre1{"Tool", "Pre1", true};
inline constexpr BooleanSetting kToolPre2{"Tool", "Pre2", false};
inline constexpr StringSetting kToolPreview{"Tool", "Preview", "640"};
inline constexpr StringSetting kToolSlide{"Tool", "Slide", "10"};

// FileCopy and FileMove: the copy and move commands. RadioButton4 is written, never read.
inline constexpr StringSetting kFileCopyEditFolder{"FileCopy", "EditFolder", ""};
inline constexpr StringSetting kFileCopyEditDCF{"FileCopy", "EditDCF", "DSCN"};
inline constexpr StringSetting kFileCopyEditName{"FileCopy", "EditName", "$F"};
inline constexpr BooleanSetting kFileCopyRadioButton1{"FileCopy", "RadioButton1", true};
inline constexpr BooleanSetting kFileCopyRadioButton2{"FileCopy", "RadioButton2", false};
inline constexpr BooleanSetting kFileCopyRadioButton3{"FileCopy", "RadioButton3", false};
inline constexpr BooleanSetting kFileCopyRadioButton4{"FileCopy", "RadioButton4", false};
inline constexpr StringSetting kFileMoveEditFolder{"FileMove", "EditFolder", ""};
inline constexpr StringSetting kFileMoveEditDCF{"FileMove", "EditDCF", "DSCN"};
inline constexpr StringSetting kFileMoveEditName{"FileMove", "EditName", "$F"};
inline constexpr BooleanSetting kFileMoveRadioButton1{"FileMove", "RadioButton1", true};
inline constexpr BooleanSetting kFileMoveRadioButton2{"FileMove", "RadioButton2", false};
inline constexpr BooleanSetting kFileMoveRadioButton3{"FileMove", "RadioButton3", false};
inline constexpr BooleanSetting kFileMoveRadioButton4{"FileMove", "RadioButton4", false};

// FileRename: the automatic rename command.
inline constexpr StringSetting kFileRenameEditDCF{"FileRename", "EditDCF", "DSCN"};
inline constexpr StringSetting kFileRenameEditName{"FileRename", "EditName", "$F"};
inline constexpr BooleanSetting kFileRenameRadioButton2{"FileRename", "RadioButton2", false};
inline constexpr BooleanSetting kFileRenameRadioButton3{"FileRename", "RadioButton3", true};
inline constexpr BooleanSetting kFileRenameRadioButton4{"FileRename", "RadioButton4", false};

// ExifCopy, ExifAdd, ExifDel: copying, adding and deleting EXIF segments.
inline constexpr StringSetting kExifCopyEditFolder{"ExifCopy", "EditFolder", ""};
inline constexpr StringSetting kExifAddEditFolder{"ExifAdd", "EditFolder", ""};
inline constexpr BooleanSetting kExifAddCheckBoxFolder{"ExifAdd", "CheckBoxFolder", false};
inline constexpr StringSetting kExifDelEditFolder{"ExifDel", "EditFolder", ""};
inline constexpr BooleanSetting kExifDelCheckBoxFolder{"ExifDel", "CheckBoxFolder", false};

// EditDate: date editing.
inline constexpr BooleanSetting kEditDateRadioButton1{"EditDate", "RadioButton1", true};
inline constexpr BooleanSetting kEditDateRadioButton2{"EditDate", "RadioButton2", false};
inline constexpr BooleanSetting kEditDateRadioButton3{"EditDate", "RadioButton3", false};
inline constexpr BooleanSetting kEditDateDateTime{"EditDate", "DateTime", true};
inline constexpr BooleanSetting kEditDateDateTimeOriginal{"EditDate", "DateTimeOriginal", true};
inline constexpr BooleanSetting kEditDateDateTimeDigitized{"EditDate", "DateTimeDigitized", true};

// HTML: the album dialog (not the value HTML of Setup).
inline constexpr StringSetting kHtmlEditFolder{"HTML", "EditFolder", ""};
inline constexpr StringSetting kHtmlEditWidth{"HTML", "EditWidth", "640"};
inline constexpr StringSetting kHtmlEditWidthS{"HTML", "EditWidthS", "200"};
inline constexpr BooleanSetting kHtmlRBImage1{"HTML", "RBImage1", true};
inline constexpr BooleanSetting kHtmlRBImage2{"HTML", "RBImage2", false};
inline constexpr BooleanSetting kHtmlRBImage3{"HTML", "RBImage3", false};

// CSV: the CSV listing (not the value CSV of Setup).
inline constexpr StringSetting kCsvEditFile{"CSV", "EditFile", ""};

// CrePrezen: the presentation-file builder.
inline constexpr StringSetting kCrePrezenEditFolder{"CrePrezen", "EditFolder", ""};
inline constexpr StringSetting kCrePrezenEditDCF{"CrePrezen", "EditDCF", "DSCN"};

// The binary records in the program key: the main window's placement (the form's name FormMain
// followed by the placement component's name WinPlaceMain) and the two fonts.
inline constexpr BinarySetting kFormMainWinPlaceMain{"FormMainWinPlaceMain", 44};
inline constexpr BinarySetting kFontInfoList{"FontInfoList", 48};
inline constexpr BinarySetting kFontInfoDetail{"FontInfoDetail", 48};

} // namespace settings
} // namespace shell
