#pragma once

// The pages of the album, built from the template files of an album type: a whole-page
// template is copied as it is; otherwise the page is its top lines, the body lines once per
// picture with the placeholders filled, and its bottom lines, every line ended by CR LF. Text
// passes through byte for byte (CP932).

#include "commands/batch_ports.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace publish {

// The lines of a template without their line ends (CR LF or LF). Throws platform::FileError
// naming the template when it cannot be read.
[[nodiscard]] std::vector<std::string> ReadTemplateLines(const std::filesystem::path& file);

// The template files of one page of an album type T in the template folder P: P/T_<role>.html
// for the whole page and its top, body and bottom parts.
struct PageTemplates {
    std::filesystem::path whole;
    std::filesystem::path top;
    std::filesystem::path body;
    std::filesystem::path bottom;
};

[[nodiscard]] PageTemplates PageTemplatesOf(const std::filesystem::path& templateFolder,
                                            const std::string& albumType, const std::string& page);

// The pictures of a run, their field list and the progress window that follows the pages.
struct PageRun {
    std::span<const std::filesystem::path> pictures; // source folder + N, in list order
    std::span<const std::string> fields;             // the album's field list (CP932 names)
    commands::ProgressPort& progress;
    std::string phase; // the progress window's first line (CP932)
};

// Builds one page (index or contents). A missing template produces nothing of its part; with
// no template at all the old page is removed and none written. Throws platform::FileError
// when a template cannot be read or the page cannot be written.
void BuildPage(const PageTemplates& templates, const std::filesystem::path& output,
               const PageRun& run);

// The detail page of one picture from the detail template, replacing any old one.
void BuildDetailPage(const std::vector<std::string>& templateLines,
                     const std::filesystem::path& picture, const std::filesystem::path& output,
                     std::span<const std::string> fields);

// Copies a whole-page template byte for byte over the output; a failed copy leaves the old
// output and is not reported, like any optional page.
void CopyWholePage(const std::filesystem::path& templateFile, const std::filesystem::path& output);

} // namespace publish
