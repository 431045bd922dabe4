#pragma once

// The CSV listing ("CSV形式出力"): one line of field names, then one line per selected file
// with its summary values, each value between double quotes (a double quote inside doubled),
// separated by commas; CP932 without a byte-order mark, every line ended by CR LF.

#include "publish/publish_ports.h"
#include "shell/settings_store.h"

#include <filesystem>
#include <span>
#include <string>

namespace publish {

// The quoted values of one line and its CR LF.
[[nodiscard]] std::string CsvLine(std::span<const std::string> values);

// The whole listing of the files with the fields (CP932 names, in order). A file without EXIF
// data gets the values the summary gives for it. Throws platform::FileError when a file cannot
// be read.
[[nodiscard]] std::string CsvListing(std::span<const std::filesystem::path> files,
                                     std::span<const std::string> fields);

// OKBtnClick of TCsvDlg: an empty file name is told and keeps the dialog open; otherwise the
// listing replaces the file and its name is written to the section CSV. A file error is told,
// nothing is saved and the dialog stays open.
[[nodiscard]] DialogEnd CsvDialogOk(const std::filesystem::path& output,
                                    std::span<const std::filesystem::path> files,
                                    std::span<const std::string> fields,
                                    shell::SettingsStore& store, PublishPort& port);

// The file name of the section CSV (EditFile).
[[nodiscard]] std::filesystem::path LoadCsvDialog(const shell::SettingsStore& store);

} // namespace publish
